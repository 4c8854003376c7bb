# Shared helpers of the end-to-end tests (sourced, bash). The real program runs from a private
# copy of the build's bin/ folder under its own Xvfb screen (1280 x 1024, no window manager),
# so window positions are exactly where the program puts them.
set -euo pipefail

e2e_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
top="$(cd "$e2e_dir/../.." && pwd)"
# shellcheck source=../../tools/lib/xvfb.sh
source "$top/tools/lib/xvfb.sh"
work=""
layout_file=""
xvfb_pid=""
program_pid=""
cups_folder=""
# The private screen, WIDTHxHEIGHT in pixels; a script may set another before start_x.
screen_size=1280x1024

# The main window's place on the 1280 x 1024 screen: centred, (1280 - 638) div 2, (1024 - 479) div 2.
main_left=321
main_top=272

skip() {
  echo "SKIPPED: $*"
  exit 77
}

fail() {
  echo "FAILED: $*" >&2
  if [ -n "${KELVRA_E2E_KEEP:-}" ] && [ -n "$work" ]; then
    import -window root "$work/failure.png" 2>/dev/null && echo "screen: $work/failure.png" >&2
    visible_windows >&2 || true
  fi
  if [ -n "$work" ] && [ -s "$work/stderr" ]; then
    echo "--- the program's standard error:" >&2
    cat "$work/stderr" >&2
  fi
  exit 1
}

note() { echo "e2e: $*"; }

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (tools/bootstrap installs it)"
  done
}

cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill -9 "$program_pid" 2>/dev/null || true; fi
  if [ -n "$cups_folder" ]; then "$top/tests/support/private_cups.sh" stop "$cups_folder" || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$work" ] && [ -z "${KELVRA_E2E_KEEP:-}" ]; then rm -rf "$work"; fi
}

# setup BIN_DIR: a private copy of BIN_DIR and a private X screen.
setup() {
  local bin="$1"
  need_tools Xvfb xdpyinfo xdotool
  [ -x "$bin/kelvra95" ] || fail "the program is not built: $bin/kelvra95"
  # Where the components lie: the layout table as the build wrote it, beside bin/.
  layout_file="$(cd "$bin/.." && pwd)/layout.sh"
  # shellcheck source=/dev/null
  [ -f "$layout_file" ] && source "$layout_file"
  # Short, so that the private CUPS socket's path stays well under 108 bytes.
  work="$(mktemp -d /tmp/kelvra-e2e.XXXXXX)"
  chmod 755 "$work"
  trap cleanup EXIT
  cp -a "$bin" "$work/bin"
  rm -f "$work/bin/Kelvra95.CFG"
  mkdir -m 700 "$work/xdg"
  local attempt
  for attempt in 1 2 3; do
    start_x && return 0
  done
  fail "Xvfb did not start: $(cat "$work/xvfb.log")"
}

# start_x: a fresh private screen of screen_size (tools/lib/xvfb.sh), the last one ended.
start_x() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  start_xvfb "$screen_size" "$work/xvfb.log"
}

# start_cups: a private CUPS daemon with one default queue writing PDFs to $cups_out.
start_cups() {
  cups_folder="$work/cups"
  mkdir -p "$cups_folder"
  local output status=0
  output="$("$top/tests/support/private_cups.sh" start "$cups_folder")" || status=$?
  [ $status -eq 77 ] && return 77
  [ $status -eq 0 ] || fail "the private CUPS daemon did not start"
  export CUPS_SERVER="$cups_folder/cups.sock"
  unset PRINTER LPDEST
  cups_out="$(echo "$output" | sed -n 's/^OUTPUT_DIR=//p')"
}

# start_program [ENV=VALUE ...]: the program from the private copy, standard error to a file.
start_program() {
  : >"$work/stderr"
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/xdg" LC_ALL=C.UTF-8 \
    LANG=C.UTF-8 "$@" "$work/bin/kelvra95") 2>>"$work/stderr" &
  program_pid=$!
}

# share_sanitizer_files: for a program run as another user. The sanitizer options name their
# suppressions files by path, often inside a checkout that other users cannot enter; each such
# file is copied into this test's own folder, readable by all, and the option points there.
share_sanitizer_files() {
  local variable entry rewritten copy
  local -a entries
  for variable in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!variable:-}" ] || continue
    IFS=: read -ra entries <<<"${!variable}"
    rewritten=""
    for entry in "${entries[@]}"; do
      if [ "${entry%%=*}" = suppressions ]; then
        copy="$work/$variable.supp"
        install -m 644 "${entry#suppressions=}" "$copy" || fail "cannot copy ${entry#suppressions=}"
        entry="suppressions=$copy"
      fi
      rewritten="${rewritten:+$rewritten:}$entry"
    done
    export "$variable=$rewritten"
  done
}

# visible_windows: one line per window of the program on the screen: ID WIDTH HEIGHT X Y NAME.
visible_windows() {
  local id X Y WIDTH HEIGHT SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --class kelvra95 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    echo "$id $WIDTH $HEIGHT $X $Y $(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# window_of WIDTH HEIGHT: "X Y" of the visible program window of that size, or nothing.
window_of() { visible_windows | awk -v w="$1" -v h="$2" '$2 == w && $3 == h { print $4, $5; exit }'; }

# wait_for_window WIDTH HEIGHT [SECONDS]: waits until such a window is on the screen.
wait_for_window() {
  local limit=$((${3:-15} * 10)) tries=0
  until [ -n "$(window_of "$1" "$2")" ]; do
    tries=$((tries + 1))
    [ $tries -le $limit ] || fail "no $1 x $2 window within ${3:-15} s"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before showing a $1 x $2 window" \
      "$(kill -0 "$xvfb_pid" 2>/dev/null || echo "(Xvfb on $DISPLAY has gone)")"
    sleep 0.1
  done
}

# wait_for_gone WIDTH HEIGHT [SECONDS]: true once no such window is on the screen.
wait_for_gone() {
  local limit=$((${3:-5} * 10)) tries=0
  while [ -n "$(window_of "$1" "$2")" ]; do
    tries=$((tries + 1))
    [ $tries -le $limit ] || return 1
    sleep 0.1
  done
}

# focus_dialog WIDTH HEIGHT DX DY: waits for the dialog of that size, clicks into its field
# at (DX, DY) and selects the field's text. A click, not the dialog's own focus request, so
# that keys typed at once cannot reach another window.
focus_dialog() {
  wait_for_window "$1" "$2" 10
  local x y
  read -r x y <<<"$(window_of "$1" "$2")"
  click_in "$x" "$y" "$3" "$4" 0.1
  xdotool key ctrl+a
}
focus_interval() { focus_dialog 110 60 $(centre_of interval_field); }
focus_longitude() { focus_dialog 160 113 $(centre_of longitude_field); }

wait_for_main_window() {
  wait_for_window 638 479 "${1:-20}"
  sleep 0.3  # the first activation computes and draws
}

# Message boxes are the windows titled "Kelvra95" (the program's other windows carry its
# file name, "kelvra95"). message_box: "ID WIDTH HEIGHT X Y" of the one on the screen.
message_box() { visible_windows | awk '$6 == "Kelvra95" && NF == 6 { print $1, $2, $3, $4, $5; exit }'; }

# wait_for_box [SECONDS]: waits for a message box; prints "ID WIDTH HEIGHT X Y".
wait_for_box() {
  local limit=$((${1:-10} * 10)) tries=0 box
  until box="$(message_box)" && [ -n "$box" ]; do
    tries=$((tries + 1))
    [ $tries -le $limit ] || fail "no message box within ${1:-10} s"
    sleep 0.1
  done
  sleep 0.3
  echo "$box"
}

# message_text ID WIDTH HEIGHT X Y: the box's text, selected with the mouse and Ctrl+A and
# read back from the X primary selection (line ends as the box's label gives them).
message_text() {
  printf '' | xclip -selection primary -loops 1 2>/dev/null &
  sleep 0.1
  xdotool mousemove $(($4 + $2 / 2)) $(($5 + 22)) click 1 key ctrl+a
  sleep 0.2
  timeout 5 xclip -o -selection primary 2>/dev/null | tr -d '\r' || true
}

# close_message ID: presses Enter in the box (its OK button) and waits until it has gone.
close_message() {
  xdotool key Return
  local tries=0
  while visible_windows | grep -q "^$1 "; do
    tries=$((tries + 1))
    [ $tries -le 50 ] || fail "the message box did not close on Enter"
    sleep 0.1
  done
}

# expect_message TEXT [SECONDS]: a box with exactly TEXT appears; it is closed.
expect_message() {
  local box text
  box="$(wait_for_box "${2:-10}")"
  text="$(message_text $box)"
  [ "$text" = "$1" ] || fail "message box says '$text', expected '$1'"
  close_message "${box%% *}"
}

expect_no_message() {
  [ -z "$(message_box)" ] || fail "unexpected message box: '$(message_text $(message_box))'"
}

# click X Y: a left click at a screen position, then a moment for the program to react.
click() {
  xdotool mousemove "$1" "$2" click 1
  sleep "${3:-0.25}"
}

# centre_of NAME: "DX DY", the centre of component NAME of the layout table (window pixels,
# ui/common/layout.h and each side window's kind, as the build's layout.sh holds them), so that no
# script restates a place.
centre_of() {
  local variable="layout_$1"
  local -a box
  if [ -z "${!variable:-}" ]; then
    echo "e2e: $1 is not in the layout table ($layout_file)" >&2
    return 1
  fi
  read -ra box <<<"${!variable}"
  echo "$((box[0] + box[2] / 2)) $((box[1] + box[3] / 2))"
}

# click_in X Y DX DY: a click at (DX, DY) inside the window whose top-left is (X, Y).
click_in() { click $(($1 + $3)) $(($2 + $4)) "${5:-0.25}"; }

# main window components (window coordinates of each centre)
click_main() { click_in "$main_left" "$main_top" "$1" "$2" "${3:-0.25}"; }
click_animate() { click_main $(centre_of main_animate); }
click_stop() { click_main $(centre_of main_stop); }
click_realtime() { click_main $(centre_of main_realTime); }
# click_side NAME [PAUSE]: the toolbar button of side window NAME, one of the names the build's
# layout.sh lists in layout_side_windows ("tracks grs events ...").
click_side() { click_main $(centre_of "main_$1") "${2:-0.6}"; }
click_help() { click_main $(centre_of main_help) 0.5; }
click_exit() {
  local dx dy
  read -r dx dy <<<"$(centre_of main_exit)"
  xdotool mousemove $((main_left + dx)) $((main_top + dy)) click 1
}

# type_into X Y TEXT: click a field of the main window, replace its text, press Enter.
type_into() {
  click_main "$1" "$2" 0.15
  xdotool key ctrl+a
  [ -z "$3" ] || xdotool type --delay 30 "$3"
  xdotool key Return
  sleep 0.25
}

# field_text DX DY: the text of a main-window field, read through the X primary selection
# (xclip). Clicking the field moves the focus there, which runs the check of the field left.
field_text() {
  click_main "$1" "$2" 0.1
  xdotool key ctrl+a
  sleep 0.15
  timeout 5 xclip -o -selection primary 2>/dev/null || true
}

# screen_part NAME W H X Y: the screen's pixels in that rectangle, kept as $work/NAME.rgb.
screen_part() { import -window root -crop "$2x$3+$4+$5" "rgb:$work/$1.rgb"; }

# wait_for_exit SECONDS: sets exit_status to the program's exit status, or fails when it is
# still running SECONDS after it was told to end. Not to be called in a subshell: only this
# shell, the program's parent, can collect its status.
wait_for_exit() {
  local limit=$(($1 * 20)) tries=0
  while kill -0 "$program_pid" 2>/dev/null && ! process_ended "$program_pid"; do
    tries=$((tries + 1))
    if [ $tries -gt $limit ]; then
      kill -9 "$program_pid" 2>/dev/null || true
      fail "the program was still running $1 s after it was told to end"
    fi
    sleep 0.05
  done
  exit_status=0
  wait "$program_pid" || exit_status=$?
  program_pid=""
}

# exit_cleanly: clicks Exit and fails unless the program ends with status 0 within 2 seconds
# and left nothing unexpected on standard error.
exit_cleanly() {
  click_exit
  wait_for_exit 2
  [ "$exit_status" = 0 ] || fail "exit status $exit_status"
  check_stderr
}

# process_ended PID: true when PID is a zombie, ended but not yet collected.
process_ended() { [ "$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" = Z ]; }

# Lines the program's standard error may hold without a fault: what Qt says on an X server
# without these extensions. Under Xvfb here standard error stays empty.
expected_stderr='^(qt\.qpa\.xcb: X server does not support XInput 2|qt\.qpa\.xcb: XKeyboard extension not present on the X server)$'

# check_stderr: fails on any line of the program's standard error not listed above.
check_stderr() {
  local unexpected
  unexpected="$(grep -Ev "$expected_stderr" "$work/stderr" || true)"
  [ -z "$unexpected" ] || fail "unexpected standard error output: $unexpected"
}

# settings_bytes: the settings file as hex bytes separated by blanks.
settings_bytes() { od -An -tx1 -v "$work/bin/Kelvra95.CFG" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
