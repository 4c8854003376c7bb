#!/usr/bin/env bash
# Text the keyboard filter never lets through, pasted through the X clipboard into every entry
# field and both dialogs of the real program: each paste is reported and corrected, the field
# ends with a valid value, the settings file only changes on a valid longitude, and the
# program goes on. Usage: bad_input.sh BIN_DIR
source "$(dirname "$0")/lib.sh"
need_tools xclip
setup "$1"
start_program
wait_for_main_window
# January, so that the day's range is 1 to 31 whatever today is: Enter in the day field moves
# the focus to the month box, and Home there chooses the first month.
type_into $(centre_of main_day) "15"
xdotool key Home

# paste TEXT: puts TEXT on the clipboard and pastes it (Ctrl+V) over the focused field's
# whole text.
paste() {
  printf '%s' "$1" | xclip -selection clipboard 2>/dev/null &
  # until xclip holds the clipboard: else the paste takes the text before
  wait_for 5 "the clipboard" = "$1" -- timeout 2 xclip -o -selection clipboard
  xdotool key ctrl+a ctrl+v
}

# messages_shown EXPECTED [WIDTH HEIGHT DX DY]: the texts of the message boxes that follow,
# joined by "|", each closed. As many boxes as EXPECTED names are waited for; then any more
# that the program shows once it has handled everything sent to it (handled_so_far, through
# the field given or the main window's).
messages_shown() {
  local box texts="" count=0 i
  [ -z "$1" ] || count=$(($(tr -cd '|' <<<"$1" | wc -c) + 1))
  for ((i = 0; i < count; i++)); do
    box="$(wait_for_box 10)"
    texts+="${texts:+|}$(message_text $box)"
    close_message "${box%% *}"
  done
  handled_so_far "${@:2}"
  while has_message_box; do
    box="$(wait_for_box 10)"
    texts+="|$(message_text $box)"
    close_message "${box%% *}"
    handled_so_far "${@:2}"
  done
  printf '%s' "$texts"
}

invalid() { printf "'%s' is not a valid integer value" "$1"; }

cases=0
# check FIELD DX DY PASTED MESSAGES RESULT: paste into a main-window field, leave it with
# Enter, and compare the messages and the field's text afterwards.
check() {
  click_field "$2" "$3"
  paste "$4"
  xdotool key Return
  local shown result
  shown="$(messages_shown "$5")"
  [ "$shown" = "$5" ] || fail "$1 <- '$4': messages '$shown', expected '$5'"
  result="$(field_text "$2" "$3")"
  [ "$result" = "$6" ] || fail "$1 <- '$4': field shows '$result', expected '$6'"
  kill -0 "$program_pid" 2>/dev/null || fail "$1 <- '$4': the program ended"
  cases=$((cases + 1))
}

# The fields cut a paste to their length (day, hour, minute, second 2; year 4). Text that is
# not a number is reported and read as 0, which then takes the field's own range check.
for entry in "day $(centre_of main_day)" "hour $(centre_of main_hour)" "minute $(centre_of main_minute)" "second $(centre_of main_second)"; do
  read -r name dx dy <<<"$entry"
  case "$name" in
    day) zero="Date must lie between 1 and 31"; low=01; high=31
      over="Date must lie between 1 and 31" ;;
    hour) zero=""; low=00; high=23; over="Hour must lie between 0 and 23" ;;
    minute) zero=""; low=00; high=59; over="Minute must lie between 0 and 59" ;;
    second) zero=""; low=00; high=59; over="Second must lie between 0 and 59" ;;
  esac
  sep=""; [ -z "$zero" ] || sep="|"
  check "$name" "$dx" "$dy" "x7" "$(invalid x7)$sep$zero" "$low"
  check "$name" "$dx" "$dy" "-5" "$(invalid -5)$sep$zero" "$low"
  check "$name" "$dx" "$dy" "٣٣" "$(invalid ٣٣)$sep$zero" "$low"        # Arabic-Indic digits
  check "$name" "$dx" "$dy" "'%s%n" "$(invalid "'%")$sep$zero" "$low"  # format directives
  check "$name" "$dx" "$dy" "99999" "$over" "$high"
  check "$name" "$dx" "$dy" $'\t' "$zero" "$low"  # blanks alone count as an empty field
done
# The year takes 4 characters and any value they hold.
check year $(centre_of main_year) "x7" "$(invalid x7)" "0"
check year $(centre_of main_year) "-1999" "$(invalid -199)" "0"
check year $(centre_of main_year) "1e10" "$(invalid 1e10)" "0"
check year $(centre_of main_year) "99999" "" "9999"
check year $(centre_of main_year) "😀" "$(invalid 😀)" "0"

# The interval dialog: garbage is reported, nothing starts, the dialog stays until Escape.
minute_before="$(field_text $(centre_of main_minute))"
click_animate
focus_interval
paste "ab"
xdotool key Return
shown="$(messages_shown "$(invalid ab)" 110 60 $(centre_of interval_field))"
[ "$shown" = "$(invalid ab)" ] || fail "interval <- 'ab': messages '$shown'"
[ -n "$(window_of 110 60)" ] || fail "the interval dialog closed on text it could not read"
focus_interval  # back into txtInterval: without a window manager the closed box
xdotool key Escape  # leaves the keyboard focus where it was before
wait_for_gone 110 60 || fail "the interval dialog stayed open on Escape"
# Nothing to wait for here: a second in which the minute must not move.
minute_is_not() { [ "$(field_text $(centre_of main_minute))" != "$1" ]; }
! wait_for --try 1 "moved minute" -- minute_is_not "$minute_before" ||
  fail "an animation started from unreadable text"
cases=$((cases + 1))

# The longitude dialog: garbage is reported, nothing is stored, the dialog stays until Escape.
click_side grs
wait_for_side_windows 1
for text in "x" "-1" "1.5" "1 2" "٣"; do
  click_in 959 272 $(centre_of grs_longitude)  # imgLong of the GRS window
  focus_longitude
  paste "$text"
  xdotool key Return
  shown="$(messages_shown "$(invalid "$text")" 160 113 $(centre_of longitude_field))"
  [ "$shown" = "$(invalid "$text")" ] || fail "longitude <- '$text': messages '$shown'"
  [ -n "$(window_of 160 113)" ] || fail "the longitude dialog closed on '$text'"
  focus_longitude  # back into txtRSLong
  xdotool key Escape
  wait_for_gone 160 113 || fail "the longitude dialog stayed open on Escape"
  [ "$(settings_bytes)" = "41 00 00 00 00 00 00 00" ] ||
    fail "longitude <- '$text' wrote the settings: $(settings_bytes)"
  cases=$((cases + 1))
done

expect_no_message
exit_cleanly
note "bad input: $cases pastes into 5 fields and 2 dialogs, each reported and corrected"
