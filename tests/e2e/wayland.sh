#!/usr/bin/env bash
# The real program where there is no X server. Usage: wayland.sh BIN_DIR APP_ID
#   - a Wayland session without XWayland (a headless weston, DISPLAY unset): the program falls
#     back from X to Wayland and paints its main window, whose application id is APP_ID, the
#     name of the installed desktop entry;
#   - neither X nor Wayland: it ends with Qt's own message that no platform could be
#     initialised, not with a fault of its own.
source "$(dirname "$0")/lib.sh"
need_tools weston
bin="$1" id="$2"
[ -x "$bin/kelvra95" ] || fail "the program is not built: $bin/kelvra95"
weston_pid=""
work="$(mktemp -d /tmp/kelvra-e2e.XXXXXX)"
chmod 755 "$work"
stop_weston() {
  if [ -n "$weston_pid" ]; then kill "$weston_pid" 2>/dev/null || true; fi
  cleanup
}
trap stop_weston EXIT
cp -a "$bin" "$work/bin"
rm -f "$work/bin/Kelvra95.CFG" "$work/bin/Kelvra95.ini"
mkdir -m 700 "$work/xdg" "$work/empty-xdg"
socket=kelvra-e2e

# weston's headless back end draws into memory; its shell's helper programs need no screen.
env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/xdg" \
  weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
weston_ready() { [ -S "$work/xdg/$socket" ] && kill -0 "$weston_pid" 2>/dev/null; }
wait_for --try 10 "weston's socket" -- weston_ready ||
  fail "weston did not start: $(cat "$work/weston.log")"

# run_without_x STATUS_FILE ENV...: the program with no X display and no platform chosen,
# ending at its first paint; its status goes to STATUS_FILE, its output to $work/out, $work/err.
run_without_x() {
  local status=0 file="$1"
  shift
  # The braces keep bash's own word on a program killed by a signal off the log.
  { (cd "$work" && exec env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
    HOME="$work" XDG_CONFIG_HOME="$work/config" LC_ALL=C.UTF-8 LANG=C.UTF-8 \
    KELVRA_EXIT_AFTER_FIRST_PAINT=1 "$@" timeout 60 "$work/bin/kelvra95") \
    >"$work/out" 2>"$work/err"; } 2>/dev/null || status=$?
  echo "$status" >"$file"
}

# The client's side of the protocol on standard error: what the program asks of the compositor.
run_without_x "$work/status" XDG_RUNTIME_DIR="$work/xdg" WAYLAND_DISPLAY="$socket" \
  WAYLAND_DEBUG=client
status="$(cat "$work/status")"
[ "$status" != 124 ] || fail "no first paint on Wayland within 60 s: $(cat "$work/err")"
[ "$status" = 0 ] || fail "on Wayland without X the program ended with status $status: $(cat "$work/err")"
grep -q '^first-paint [0-9]' "$work/out" || fail "ended without painting its window on Wayland"
app_ids="$(grep -o 'set_app_id("[^"]*")' "$work/err" | sort -u)"
[ "$app_ids" = "set_app_id(\"$id\")" ] || fail "the application id is not $id: ${app_ids:-none}"
note "Wayland without X: the main window painted, its application id $id"

run_without_x "$work/status" XDG_RUNTIME_DIR="$work/empty-xdg"
status="$(cat "$work/status")"
# Qt ends the program (abort, status 134) once no platform on the list could be opened.
[ "$status" = 134 ] || fail "with neither X nor Wayland the status is $status, not Qt's abort: $(cat "$work/err")"
grep -q 'no Qt platform plugin could be initialized' "$work/err" ||
  fail "with neither X nor Wayland no word from Qt: $(cat "$work/err")"
grep -q 'Could not load the Qt platform plugin "wayland"' "$work/err" ||
  fail "Wayland was not tried after X: $(cat "$work/err")"
note "neither X nor Wayland: Qt's own message after trying both, status 134"
