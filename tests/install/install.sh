#!/usr/bin/env bash
# Usage: install.sh MODE BUILD_DIR SOURCE_DIR APP_ID [SANITIZED]
#   desktop-entry  desktop-file-validate passes the menu entry, without errors or warnings
#   metainfo       appstreamcli validate --no-net passes the AppStream metadata
#   prefix         `cmake --install` into a temporary prefix holds exactly the expected files,
#                  and the program started through PATH from there paints its window
#   package        the Debian package (CPack) names its dependencies, holds the same files
#                  under /usr, and the program unpacked from it paints its window
# SKIPPED (exit 77) when a tool is missing, and for the package in the sanitizer build.
set -euo pipefail
mode="$1" build="$2" source="$3" id="$4" sanitized="${5:-0}"
# The end-to-end helpers: skip, fail, need_tools, start_x, cleanup.
source "$source/tests/e2e/lib.sh"

icon_sizes=(16 24 32 48 64 128 256)

# expected_files: every file and link an installation holds, relative to its prefix, sorted.
expected_files() {
  {
    echo bin/kelvra95
    echo lib/kelvra95/kelvra95
    for number in 0 1 2 3 4 5 6 7 8; do echo "lib/kelvra95/Kelvra$number.dat"; done
    echo lib/kelvra95/Kelvra0-bare.dat lib/kelvra95/Kelvra8-bare.dat | tr ' ' '\n'
    (cd "$source/translations" && find . -name 'kelvra95_*.ts' -printf 'lib/kelvra95/translations/%f\n' |
      sed 's/\.ts$/.qm/')
    (cd "$source/assets/docs" && find . -type f -printf 'lib/kelvra95/docs/%P\n')
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    for size in "${icon_sizes[@]}"; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
    echo share/doc/kelvra95/LICENSE
  } | LC_ALL=C sort
}

# png_size FILE: "WIDTH HEIGHT" from the PNG header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# check_tree PREFIX INSTALLED_AS: the installed files are the expected ones, and what the
# program finds beside itself is what the build made. INSTALLED_AS is the prefix the files
# believe they are in (/usr for the package's, unpacked elsewhere).
check_tree() {
  local prefix="$1" installed_as="$2" found size
  found="$(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)"
  if [ "$found" != "$(expected_files)" ]; then
    diff <(expected_files) <(echo "$found") | sed 's/^/  /' >&2 || true
    fail "$prefix holds other files than expected (< expected, > found)"
  fi
  [ -L "$prefix/bin/kelvra95" ] || fail "bin/kelvra95 is not a link"
  [ "$(readlink -f "$prefix/bin/kelvra95")" = "$(readlink -f "$prefix/lib/kelvra95/kelvra95")" ] ||
    fail "bin/kelvra95 leads to $(readlink -f "$prefix/bin/kelvra95")"
  case "$(readlink "$prefix/bin/kelvra95")" in
    /*) fail "bin/kelvra95 is an absolute link: the tree cannot move" ;;
  esac
  [ -x "$prefix/lib/kelvra95/kelvra95" ] || fail "lib/kelvra95/kelvra95 is not executable"
  for number in 0 1 2 3 4 5 6 7 8; do
    cmp -s "$build/bin/Kelvra$number.dat" "$prefix/lib/kelvra95/Kelvra$number.dat" ||
      fail "Kelvra$number.dat differs from the build's"
  done
  diff -r "$source/assets/docs" "$prefix/lib/kelvra95/docs" >/dev/null || fail "docs/ differs from assets/docs"
  for size in "${icon_sizes[@]}"; do
    [ "$(png_size "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")" = "$size $size" ] ||
      fail "the ${size}x$size icon measures $(png_size "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")"
  done
  local entry="$prefix/share/applications/$id.desktop"
  grep -qx "Icon=$id" "$entry" || fail "the desktop entry names another icon"
  grep -qx "Exec=$installed_as/bin/kelvra95" "$entry" ||
    fail "the desktop entry starts $(grep '^Exec=' "$entry"), not $installed_as/bin/kelvra95"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" >"$work/entry.log" 2>&1 && ! grep -qiE 'error|warning' "$work/entry.log" ||
      { cat "$work/entry.log" >&2; fail "desktop-file-validate rejects the installed entry"; }
  fi
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata launches another desktop entry"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix" >"$work/tree.log" 2>&1 ||
      { cat "$work/tree.log" >&2; fail "appstreamcli validate-tree rejects $prefix"; }
  fi
}

# run_installed PROGRAM: the program, started from / under Xvfb, paints its main window and
# ends (KELVRA_EXIT_AFTER_FIRST_PAINT). A missing picture would stop it at a message box.
run_installed() {
  local status=0
  [ -n "$xvfb_pid" ] || start_x || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  mkdir -p "$work/home" "$work/config"
  (cd / && exec env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/xdg" \
    QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 KELVRA_EXIT_AFTER_FIRST_PAINT=1 \
    PATH="$run_path" timeout 60 "$1") >"$work/stdout" 2>"$work/stderr" || status=$?
  [ $status -eq 124 ] && fail "$1 did not paint its window within 60 s"
  [ $status -eq 0 ] || fail "$1 ended with status $status"
  grep -q '^first-paint [0-9]' "$work/stdout" || fail "$1 ended without painting its window"
  note "$1 painted its window"
}

# A private folder; cleanup (lib.sh) removes it and stops Xvfb.
new_work() {
  work="$(mktemp -d /tmp/kelvra-install.XXXXXX)"
  chmod 755 "$work"
  mkdir -m 700 "$work/xdg"
  trap cleanup EXIT
}

case "$mode" in
  desktop-entry)
    need_tools desktop-file-validate
    output="$(desktop-file-validate "$build/assets/$id.desktop" 2>&1)" || { echo "$output" >&2; fail "desktop-file-validate rejects the entry"; }
    if echo "$output" | grep -qiE 'error|warning'; then echo "$output" >&2; fail "desktop-file-validate warns"; fi
    [ -z "$output" ] || echo "$output"
    note "the desktop entry validates"
    ;;
  metainfo)
    need_tools appstreamcli
    appstreamcli validate --no-net "$build/assets/$id.metainfo.xml" || fail "appstreamcli rejects the metadata"
    ;;
  prefix)
    need_tools Xvfb xdpyinfo
    new_work
    env -u DESTDIR cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
      { cat "$work/install.log" >&2; fail "cmake --install failed"; }
    check_tree "$work/prefix" "$work/prefix"
    note "the prefix holds the expected files"
    # As the menu starts it, and as a shell does, through PATH and the bin/ link.
    run_path="$PATH"
    run_installed "$(sed -n 's/^Exec=//p' "$work/prefix/share/applications/$id.desktop")"
    run_path="$work/prefix/bin:$PATH"
    run_installed kelvra95
    ;;
  package)
    if [ "$sanitized" = 1 ]; then
      skip "the Debian package in the sanitizer build (its program needs the sanitizer runtimes; the package is made from the normal build)"
    fi
    need_tools cpack dpkg-deb dpkg-shlibdeps Xvfb xdpyinfo
    new_work
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
      { cat "$work/cpack.log" >&2; fail "cpack failed"; }
    packages=("$work"/package/*.deb)
    [ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made ${#packages[@]} packages: ${packages[*]}"
    deb="${packages[0]}"
    [ "$(dpkg-deb -f "$deb" Package)" = kelvra95 ] || fail "the package is called $(dpkg-deb -f "$deb" Package)"
    [ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] ||
      fail "the package is for $(dpkg-deb -f "$deb" Architecture)"
    depends="$(dpkg-deb -f "$deb" Depends)"
    # The libraries the program links (dpkg-shlibdeps) and those no link shows: the X and
    # Wayland platforms, the fonts and the observing log's SQLite driver.
    for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
                  libqt6sql6 libqt6dbus6 libjpeg62-turbo qt6-qpa-plugins qt6-wayland \
                  fonts-liberation libqt6sql6-sqlite; do
      echo "$depends" | tr ',' '\n' | awk '{ print $1 }' | grep -qxF "$needed" ||
        fail "Depends lacks $needed: $depends"
    done
    note "Depends: $depends"
    dpkg-deb -x "$deb" "$work/root"
    # Everything under /usr, nothing elsewhere.
    [ "$(cd "$work/root" && ls -A)" = usr ] || fail "the package installs outside /usr: $(cd "$work/root" && ls -A)"
    check_tree "$work/root/usr" /usr
    note "the package holds the expected files"
    run_path="$PATH"
    run_installed "$work/root/usr/bin/kelvra95"
    ;;
  *)
    fail "unknown mode $mode"
    ;;
esac
