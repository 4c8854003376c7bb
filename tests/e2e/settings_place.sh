#!/usr/bin/env bash
# Settings of an installed program, run as a user who cannot write the installation (nobody,
# with a home of its own). Usage: settings_place.sh BIN_DIR BUILD_DIR CASE, where CASE is
#   installed  a setting toggled is kept in $XDG_CONFIG_HOME/kelvra95 across a restart
#   nowhere    the XDG folder cannot be made either: the setting holds for the run, and the
#              first failed write says where the program tried, once
#   readonly   the user's Kelvra95.CFG read-only (0444), the ini private (0600): the CFG is read
#              and never written, one message says so; the ini is written and stays 0600
source "$(dirname "$0")/lib.sh"
need_tools xclip import
command -v setpriv >/dev/null || skip "setpriv is not installed (util-linux)"
[ "$(id -u)" = 0 ] || skip "needs root to switch to an unprivileged user; running as $(id -un)"
group="$(id -gn nobody 2>/dev/null)" || skip "no user nobody on this machine"
setup "$1"
build="$2"
case_name="$3"

env -u DESTDIR cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
chmod -R a+rX,go-w "$work/prefix"
installed="$work/prefix/lib/kelvra95"
chown nobody "$work/xdg"
install -d -m 700 -o nobody "$work/home"
share_sanitizer_files

# start_installed CONFIG_HOME: the installed program, started through bin/, as nobody.
start_installed() {
  : >"$work/stderr"
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/xdg" LC_ALL=C.UTF-8 \
    LANG=C.UTF-8 HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" XDG_CONFIG_HOME="$1" \
    setpriv --reuid=nobody --regid="$group" --clear-groups "$work/prefix/bin/kelvra95") \
    2>>"$work/stderr" &
  program_pid=$!
  wait_for_main_window
}

toggle_tracks_time() {
  if [ -z "$(window_of 200 479)" ]; then
    click_side tracks
    wait_for_side_windows 1
  fi
  click_in 959 272 $(centre_of tracks_timeBasis)  # imgTime of the tracks window, written at once
}
# flip_tracks_time: the same, returning once the button shows the other time basis.
flip_tracks_time() { flip 959 272 tracks_timeBasis; }

bytes_of() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

nothing_beside_the_program() {
  ! ls "$installed" | grep -q '^Kelvra95\.\(CFG\|ini\)' ||
    fail "settings files appeared in the installation: $(ls "$installed")"
}

case "$case_name" in
  installed)
    saved="$work/home/config/kelvra95/Kelvra95.CFG"
    start_installed "$work/home/config"
    expect_no_message
    [ "$(bytes_of "$saved")" = "41 00 00 00 00 00 00 00" ] || fail "first start wrote $(bytes_of "$saved")"
    toggle_tracks_time
    wait_for 5 "$saved after local time" = "41 00 00 00 00 01 00 00" -- bytes_of "$saved"
    expect_no_message
    exit_cleanly
    # The second run reads local time back: one more toggle returns to Universal Time.
    start_installed "$work/home/config"
    toggle_tracks_time
    wait_for 5 "$saved after the toggle (Universal Time if local time was read back)" \
      = "41 00 00 00 00 00 00 00" -- bytes_of "$saved"
    expect_no_message
    [ "$(stat -c %U "$saved")" = nobody ] || fail "the settings file belongs to $(stat -c %U "$saved")"
    nothing_beside_the_program
    exit_cleanly
    note "installed, run as nobody: the toggle was kept in \$XDG_CONFIG_HOME/kelvra95 across a restart"
    ;;
  nowhere)
    # A config folder nobody may not write: kelvra95/ cannot be made in it.
    install -d -m 755 "$work/closed"
    start_installed "$work/closed"
    expect_no_message
    toggle_tracks_time
    expect_message "$(printf 'The settings could not be saved to\n%s\nor\n%s.\nThe changed settings hold until the program exits.' \
      "$installed/Kelvra95.CFG" "$work/closed/kelvra95/Kelvra95.CFG")"
    flip_tracks_time
    flip_tracks_time
    expect_no_message
    [ -z "$(ls -A "$work/closed")" ] || fail "files appeared in the closed config folder"
    nothing_beside_the_program
    exit_cleanly
    note "nothing writable: one message naming both places, none for the next writes"
    ;;
  readonly)
    folder="$work/home/config/kelvra95"
    install -d -m 755 -o nobody "$work/home/config" "$folder"
    printf '\x2c\x01\x00\x00\x00\x00\x00\x00' >"$folder/Kelvra95.CFG"  # 300, both in UT
    printf '[Events]\nLocalTime=false\n' >"$folder/Kelvra95.ini"
    chown nobody "$folder/Kelvra95.CFG" "$folder/Kelvra95.ini"
    chmod 444 "$folder/Kelvra95.CFG"
    chmod 600 "$folder/Kelvra95.ini"
    start_installed "$work/home/config"
    expect_no_message
    toggle_tracks_time
    expect_message "$(printf '%s is read-only; the settings are not saved to it.\nThe changed settings hold until the program exits.' \
      "$folder/Kelvra95.CFG")"
    flip_tracks_time
    expect_no_message
    [ "$(bytes_of "$folder/Kelvra95.CFG")" = "2c 01 00 00 00 00 00 00" ] ||
      fail "the read-only file was written: $(bytes_of "$folder/Kelvra95.CFG")"
    [ "$(stat -c %a "$folder/Kelvra95.CFG")" = 444 ] || fail "the read-only file is now $(stat -c %a "$folder/Kelvra95.CFG")"
    # The events window in the tracks window's place: its time basis is kept in the ini.
    click_in 959 272 $(centre_of tracks_exit)
    wait_for_side_windows 0
    click_side events
    wait_for_side_windows 1
    flip 959 272 events_timeBasis
    wait_for 5 "the ini's time basis" = "LocalTime=true" -- grep -x 'LocalTime=.*' "$folder/Kelvra95.ini"
    expect_no_message
    [ "$(stat -c %a "$folder/Kelvra95.ini")" = 600 ] || fail "the private ini is now $(stat -c %a "$folder/Kelvra95.ini")"
    nothing_beside_the_program
    exit_cleanly
    note "run as nobody: the read-only CFG read and left alone with one message; the 0600 ini written, still 0600"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
