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
main_id=""
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

# wait_for [--try] SECONDS WHAT [= EXPECTED] -- COMMAND...: the one way the scripts wait for
# the program. Runs COMMAND every 0.05 s until it succeeds or, given "= EXPECTED", until it
# prints EXPECTED (standard error ignored). SECONDS is a deadline on the wall clock, so a busy
# machine gets fewer tries, not a shorter wait. On timeout it fails naming WHAT and, with
# EXPECTED, what COMMAND printed last; with --try it returns 1 instead. A program that ends
# while the state is still missing fails at once: waiting longer cannot help.
wait_for() {
  local try=0 compare=0 expected="" output="" seconds what deadline
  if [ "$1" = --try ]; then try=1; shift; fi
  seconds="$1" what="$2"
  shift 2
  if [ "${1:-}" = "=" ]; then compare=1 expected="$2"; shift 2; fi
  [ "${1:-}" = -- ] && [ $# -ge 2 ] || { echo "usage: wait_for [--try] SECONDS WHAT [= EXPECTED] -- COMMAND..." >&2; exit 2; }
  shift
  deadline=$((${EPOCHREALTIME/./} + $(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000000 }')))
  local ended
  while :; do
    # Whether the program had ended is looked at before the state, so a state that comes with
    # the end (the program ending is what is waited for) is never taken for a failure.
    ended=0
    if [ -n "$program_pid" ] && program_ended; then ended=1; fi
    if [ $compare = 1 ]; then
      output="$("$@" 2>/dev/null)" || true
      [ "$output" != "$expected" ] || return 0
    else
      "$@" >/dev/null 2>&1 && return 0
    fi
    if [ $ended = 1 ]; then
      [ $try = 1 ] && return 1
      [ $compare = 1 ] && fail "the program ended while $what was '$output', expected '$expected'"
      fail "the program ended before $what$([ -z "$xvfb_pid" ] || kill -0 "$xvfb_pid" 2>/dev/null ||
        echo " (Xvfb on ${DISPLAY:-} has gone)")"
    fi
    if [ "${EPOCHREALTIME/./}" -ge "$deadline" ]; then
      [ $try = 1 ] && return 1
      [ $compare = 1 ] && fail "$what is '$output' after $seconds s, expected '$expected'"
      fail "no $what within $seconds s"
    fi
    sleep 0.05
  done
}

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
  rm -f "$work/bin/Kelvra95.CFG" "$work/bin/Kelvra95.ini"
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

# has_window WIDTH HEIGHT, no_window WIDTH HEIGHT: whether such a window is on the screen.
has_window() { [ -n "$(window_of "$1" "$2")" ]; }
no_window() { [ -z "$(window_of "$1" "$2")" ]; }

# wait_for_window WIDTH HEIGHT [SECONDS]: waits until such a window is on the screen.
wait_for_window() { wait_for "${3:-15}" "$1 x $2 window" -- has_window "$1" "$2"; }

# wait_for_gone WIDTH HEIGHT [SECONDS]: true once no such window is on the screen.
wait_for_gone() { wait_for --try "${3:-5}" "$1 x $2 window gone" -- no_window "$1" "$2"; }

# side_windows: how many 200 x 479 side windows are on the screen.
side_windows() { visible_windows | awk '$2 == 200 && $3 == 479' | wc -l; }

# wait_for_side_windows N [SECONDS]: until N side windows are on the screen.
wait_for_side_windows() { wait_for "${2:-10}" "the number of side windows" = "$1" -- side_windows; }

# focused_window: the X window that has the keyboard, as a decimal id like xdotool's.
focused_window() { xdotool getwindowfocus 2>/dev/null; }

# wait_for_focus ID: until window ID has the keyboard (a click on a window without it gives
# it the keyboard only once the program has handled that click).
wait_for_focus() { wait_for 10 "the window's keyboard focus" = "$1" -- focused_window; }

# window_id WIDTH HEIGHT: the X window id of the visible program window of that size.
window_id() { visible_windows | awk -v w="$1" -v h="$2" '$2 == w && $3 == h { print $1; exit }'; }

# focus_dialog WIDTH HEIGHT DX DY: waits for the dialog of that size, clicks into its field
# at (DX, DY) and selects the field's text. A click, not the dialog's own focus request, so
# that keys typed at once cannot reach another window.
focus_dialog() {
  wait_for_window "$1" "$2" 10
  local x y
  read -r x y <<<"$(window_of "$1" "$2")"
  click_in "$x" "$y" "$3" "$4"
  wait_for_focus "$(window_id "$1" "$2")"
  xdotool key ctrl+a
}
focus_interval() { focus_dialog 110 60 $(centre_of interval_field); }
focus_longitude() { focus_dialog 160 113 $(centre_of longitude_field); }

# wait_for_main_window [SECONDS]: until the main window is on the screen and has the keyboard
# (its first activation); sets main_id to its X window id.
wait_for_main_window() {
  wait_for_window 638 479 "${1:-20}"
  main_id="$(window_id 638 479)"
  wait_for_focus "$main_id"
}

# Message boxes are the windows titled "Kelvra95" but for the main window (638 x 479); the
# others carry titles of their own. message_box: "ID WIDTH HEIGHT X Y" of the one on the screen.
message_box() {
  visible_windows |
    awk '$6 == "Kelvra95" && NF == 6 && !($2 == 638 && $3 == 479) { print $1, $2, $3, $4, $5; exit }'
}

# has_message_box: whether a message box is on the screen.
has_message_box() { [ -n "$(message_box)" ]; }

# wait_for_box [SECONDS]: waits for a message box and for it to take the keyboard; prints
# "ID WIDTH HEIGHT X Y".
wait_for_box() {
  wait_for "${1:-10}" "message box" -- has_message_box
  local box
  box="$(message_box)"
  wait_for_focus "${box%% *}"
  echo "$box"
}

# primary_selection: the text of the X primary selection (fails when nobody holds one).
primary_selection() { timeout 2 xclip -o -selection primary 2>/dev/null; }
selection_empty() { local text; text="$(primary_selection)" && [ -z "$text" ]; }
selection_held() { [ -n "$(primary_selection)" ]; }

# clear_selection: an empty primary selection, held by xclip until someone else selects text,
# so that the text selected next is known to be new once the selection is not empty.
clear_selection() {
  printf '' | xclip -selection primary >/dev/null 2>&1
  wait_for 5 "empty primary selection" -- selection_empty
}

# message_text ID WIDTH HEIGHT X Y: the box's text, selected with the mouse and Ctrl+A and
# read back from the X primary selection (line ends as the box's label gives them).
message_text() {
  clear_selection
  xdotool mousemove $(($4 + $2 / 2)) $(($5 + 22)) click 1 key ctrl+a
  wait_for 5 "message box's text in the primary selection" -- selection_held
  primary_selection | tr -d '\r' || true
}

# close_message ID: presses Enter in the box (its OK button) and waits until it has gone.
close_message() {
  xdotool key Return
  wait_for 5 "message box closed by Enter" -- window_gone_by_id "$1"
}
window_gone_by_id() { ! visible_windows | grep -q "^$1 "; }

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

# click X Y [PAUSE]: a left click at a screen position. The scripts then wait for what the
# click should bring about; only tools/pixels, whose steps need no checking in between, paces
# its clicks (PAUSE, else click_pause, in seconds).
click_pause=""
click() {
  xdotool mousemove "$1" "$2" click 1
  local pause="${3:-$click_pause}"
  [ -z "$pause" ] || sleep "$pause"
}

# centre_of NAME: "DX DY", the centre of component NAME of the layout table (window pixels,
# ui/common/layout.h and each side window's kind, as the build's layout.sh holds them), so that
# no script restates a place.
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
click_in() { click $(($1 + $3)) $(($2 + $4)) "${5:-}"; }

# main window components (window coordinates of each centre)
click_main() { click_in "$main_left" "$main_top" "$1" "$2" "${3:-}"; }
click_animate() { click_main $(centre_of main_animate); }
click_stop() { click_main $(centre_of main_stop); }
click_realtime() { click_main $(centre_of main_realTime); }
click_help() { click_main $(centre_of main_help); }
# click_side NAME [PAUSE]: the toolbar button of side window NAME, one of the names the build's
# layout.sh lists in layout_side_windows ("tracks grs events ..."); a script then waits for the
# window (wait_for_side_windows).
click_side() { click_main $(centre_of "main_$1") "${2:-}"; }
click_exit() {
  local dx dy
  read -r dx dy <<<"$(centre_of main_exit)"
  xdotool mousemove $((main_left + dx)) $((main_top + dy)) click 1
}

# type_into X Y TEXT: click a field of the main window, replace its text, press Enter.
type_into() {
  click_field "$1" "$2"
  xdotool key ctrl+a
  [ -z "$3" ] || xdotool type --delay 30 "$3"
  xdotool key Return
}

# click_field DX DY: a click into a main-window field, once the main window has the keyboard:
# keys sent before it has would go to the window that had it.
click_field() {
  click_main "$1" "$2"
  wait_for_focus "$main_id"
}

# field_text DX DY: the text of a main-window field, read through the X primary selection
# (xclip). Clicking the field moves the focus there, which runs the check of the field left.
field_text() {
  clear_selection
  click_field "$1" "$2"
  xdotool key ctrl+a
  wait_for 5 "field's text in the primary selection" -- selection_held
  primary_selection || true
}

# handled_so_far [WIDTH HEIGHT DX DY]: returns once the program has handled every click and
# key sent before (a field's text read back comes after them in its queue), or once it shows
# a message box that one of them raised. The field is the main window's year unless the
# window of that size and the field's place in it are given (a modal dialog's). What a check
# that nothing happened waits for.
handled_so_far() {
  local id x y dx dy
  if [ $# -eq 4 ]; then
    id="$(window_id "$1" "$2")"
    read -r x y <<<"$(window_of "$1" "$2")"
    dx="$3" dy="$4"
  else
    id="$main_id" x="$main_left" y="$main_top"
    read -r dx dy <<<"$(centre_of main_year)"
  fi
  [ -n "$id" ] || fail "no ${1:-638} x ${2:-479} window to read a field of"
  clear_selection
  click_in "$x" "$y" "$dx" "$dy"
  wait_for 10 "keyboard focus on the window clicked" -- focused_or_box "$id"
  has_message_box && return 0
  xdotool key ctrl+a
  wait_for 10 "field's text in the primary selection" -- selected_or_box
}
focused_or_box() { [ "$(focused_window)" = "$1" ] || has_message_box; }
selected_or_box() { selection_held || has_message_box; }

# component_picture X Y NAME: a checksum of how component NAME (layout table) of the window
# at (X, Y) looks on the screen; picture_is_not X Y NAME SUM: it no longer looks so.
component_picture() {
  local variable="layout_$3"
  local -a box
  read -ra box <<<"${!variable}"
  import -window root -crop "${box[2]}x${box[3]}+$(($1 + box[0]))+$(($2 + box[1]))" rgb:- | md5sum
}
picture_is_not() { [ "$(component_picture "$1" "$2" "$3")" != "$4" ]; }

# flip X Y NAME: clicks the two-state button NAME of the window at (X, Y) and returns once the
# button shows its other picture: the program has handled the click and drawn all it changed
# (a window's changes reach the screen together). These need ImageMagick's import.
flip() {
  local before
  before="$(component_picture "$@")"
  click_in "$1" "$2" $(centre_of "$3")
  wait_for 5 "other picture on the $3 button" -- picture_is_not "$@" "$before"
}

# screen_part NAME W H X Y: the screen's pixels in that rectangle, kept as $work/NAME.rgb.
screen_part() { import -window root -crop "$2x$3+$4+$5" "rgb:$work/$1.rgb"; }

# wait_for_exit SECONDS: sets exit_status to the program's exit status, or fails when it is
# still running SECONDS after it was told to end. Not to be called in a subshell: only this
# shell, the program's parent, can collect its status.
wait_for_exit() {
  if ! wait_for --try "$1" "end of the program" -- program_ended; then
    kill -9 "$program_pid" 2>/dev/null || true
    fail "the program was still running $1 s after it was told to end"
  fi
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
program_ended() { ! kill -0 "$program_pid" 2>/dev/null || process_ended "$program_pid"; }

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
