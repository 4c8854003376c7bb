#!/usr/bin/env bash
# A whole working session with the real program: a date typed through the fields, the tracks
# and GRS windows with both time bases switched and the Red Spot's longitude set, both pages
# printed through a private CUPS daemon, an animation, real time, a drag of the main window and
# the exit. Checked: the exit (status 0 within 2 s), the standard error, the settings file byte
# for byte, and the two printed pages.
# Usage: session.sh BIN_DIR
source "$(dirname "$0")/lib.sh"
need_tools xclip import convert
setup "$1"

printing=yes
start_cups || printing="no: private_cups.sh found no cupsd or lpadmin"
if [ "$printing" = yes ]; then need_tools pdftotext; fi

# wait_for_pages N: until N printed pages have arrived from the private CUPS daemon.
printed_pages() { find "$cups_out" -name 'job-*.pdf' | wc -l; }
wait_for_pages() { wait_for 20 "the number of printed pages" = "$1" -- printed_pages; }
# instant_moved_from "YEAR DAY HOUR": the fields show another instant.
instant_moved_from() { [ "$(fields_instant)" != "$1" ]; }
fields_instant() { echo "$(field_text $(centre_of main_year)) $(field_text $(centre_of main_day)) $(field_text $(centre_of main_hour))"; }

start_program
wait_for_main_window
# First start: the default record, 65 in Universal Time on both windows.
[ "$(settings_bytes)" = "41 00 00 00 00 00 00 00" ] || fail "first start wrote $(settings_bytes)"

# 15 March 2027, 21:30:05, Enter taking the focus from field to field.
type_into $(centre_of main_day) "15"          # txtDay; Enter moves on to the month box
xdotool key Home Down Down     # January, then two down: March
type_into $(centre_of main_year) "2027"       # txtYear; Enter moves on to txtHour
for value in 21 30 05; do      # txtHour, txtMinute, txtSecond, each left with Enter
  xdotool key ctrl+a type "$value"
  xdotool key Return
done
note "date and time typed (${SECONDS}s)"
handled_so_far
expect_no_message
shown="$(field_text $(centre_of main_day))/$(field_text $(centre_of main_year)) $(field_text $(centre_of main_hour)):$(field_text $(centre_of main_minute)):$(field_text $(centre_of main_second))"
[ "$shown" = "15/2027 21:30:05" ] || fail "the fields show $shown after typing 15/2027 21:30:05"

note "fields read back (${SECONDS}s)"
# The tracks window opens flush right of the main window (321 + 638 = 959), level with its top.
click_side tracks
wait_for_window 200 479
[ "$(window_of 200 479)" = "959 272" ] || fail "tracks window at $(window_of 200 479), expected 959 272"
click_in 959 272 $(centre_of tracks_timeBasis)     # imgTime: Universal Time -> local time, written at once
wait_for 5 "the settings file after the tracks time basis" = "41 00 00 00 00 01 00 00" -- settings_bytes
if [ "$printing" = yes ]; then
  click_in 959 272 $(centre_of tracks_print)     # lblPrint
  wait_for_pages 1
  expect_no_message
fi

note "tracks window done (${SECONDS}s)"
# The GRS window opens 10 pixels farther out and lower, over the tracks window.
click_side grs
wait_for_side_windows 2
click_in 969 282 $(centre_of grs_timeBasis)     # imgTime of the GRS window
wait_for 5 "the settings file after the GRS time basis" = "41 00 00 00 01 01 00 00" -- settings_bytes
click_in 969 282 $(centre_of grs_longitude)     # imgLong: the longitude dialog
focus_longitude
xdotool type 250
xdotool key Escape             # Escape: nothing stored
wait_for_gone 160 113 || fail "the longitude dialog stayed open after Escape"
[ "$(settings_bytes)" = "41 00 00 00 01 01 00 00" ] || fail "Escape in the longitude dialog wrote $(settings_bytes)"
click_in 969 282 $(centre_of grs_longitude)
focus_longitude
xdotool type 120
xdotool key Return
wait_for_gone 160 113 || fail "the longitude dialog stayed open after Enter"
wait_for 5 "the settings file after longitude 120" = "78 00 00 00 01 01 00 00" -- settings_bytes
if [ "$printing" = yes ]; then
  click_in 969 282 $(centre_of grs_print)     # lblPrint of the GRS window
  wait_for_pages 2
  expect_no_message
fi

note "GRS window done (${SECONDS}s)"
# The events window opens a third step out, at the main window's day; a click on its first line
# takes the main window to that event's second, still on 15 March 2027 or a day beside it.
click_side events
wait_for_side_windows 3
read -r list_x list_y _ <<<"$layout_events_list"
click_in 979 292 $((list_x + 40)) $((list_y + 5))     # the list's first line
shown_time() {
  echo "$(field_text $(centre_of main_hour)):$(field_text $(centre_of main_minute)):$(field_text $(centre_of main_second))"
}
jump_done() { [ "$(shown_time)" != "21:30:05" ]; }
wait_for 10 "the time fields to leave 21:30:05 after the jump" -- jump_done
jumped="$(field_text $(centre_of main_day))/$(field_text $(centre_of main_year)) :$(field_text $(centre_of main_second))"
case "$jumped" in
  1[456]/2027\ :[0-5][0-9]) ;;
  *) fail "the jump to the first event left the fields at $jumped" ;;
esac
[ "$(field_text $(centre_of main_minute))" != 30 ] || fail "the jump left the minute at 30"
if [ "$printing" = yes ]; then
  click_in 979 292 $(centre_of events_print)     # lblPrint of the events window
  wait_for_pages 3
  expect_no_message
fi
note "events window done (${SECONDS}s)"
# Animation at 60 minutes a frame for three seconds, then Stop.
before="$(fields_instant)"
click_animate
focus_interval
xdotool type 60
xdotool key Return
wait_for_gone 110 60 || fail "the interval dialog stayed open after Enter"
wait_for 10 "the instant moved by the animation" -- instant_moved_from "$before"
click_stop
handled_so_far
expect_no_message

note "animation done (${SECONDS}s)"
# now_ink: how many pixels of the Now button's word are near black on the screen.
now_ink() {
  import -window root -crop 35x15+$((main_left + 146))+$((main_top + 219)) png:- |
    convert png:- +repage -colorspace Gray -threshold 25% -negate -format '%[fx:round(mean*w*h)]' info:
}
# Real time on for a few ticks, then off: the fields hold the present year. Meanwhile the Now
# button, which cannot be used, shows its word in grey; off again, in black.
now_black() { [ "$(now_ink)" -gt 20 ]; }
now_grey() { [ "$(now_ink)" = 0 ]; }
now_black || fail "the Now button's word is not black before real time"
click_realtime
wait_for 5 "grey word on the Now button in real time" -- now_grey
# A tick of real time redraws the main window (the clock's second at least).
main_picture() { import -window root -crop 638x479+$main_left+$main_top rgb:- | md5sum; }
main_picture_is_not() { [ "$(main_picture)" != "$1" ]; }
wait_for 5 "tick of real time" -- main_picture_is_not "$(main_picture)"
click_realtime
wait_for 5 "black word on the Now button after real time" -- now_black
year_now="$(date +%Y)"
wait_for 5 "the year field after real time" = "$year_now" -- field_text $(centre_of main_year)

note "real time done (${SECONDS}s)"
# Drag the main window by its handle 100 left and 50 up; both side windows follow it.
xdotool mousemove $((main_left + 319)) $((main_top + 19)) mousedown 1
# Each step is waited for: a window that moves under the pointer reads the next motion against
# the place it has reached, and a burst of motions under load once carried it a step too far.
for step in 1 2 3 4 5; do
  xdotool mousemove $((main_left + 319 - step * 20)) $((main_top + 19 - step * 10))
  wait_for 5 "the main window's place at step $step of the drag" = \
    "$((main_left - step * 20)) $((main_top - step * 10))" -- window_of 638 479
done
xdotool mouseup 1
side_places() { visible_windows | awk '$2 == 200 && $3 == 479 { print $4, $5 }' | sort | tr '\n' ' '; }
wait_for 5 "the main window's place after the drag" = "221 222" -- window_of 638 479
wait_for 5 "the side windows' places after the drag" = "859 222 869 232 879 242 " -- side_places
main_left=221
main_top=222
expect_no_message

# Exit: the program ends with status 0 within 2 seconds of the click.
exit_cleanly
[ "$(settings_bytes)" = "78 00 00 00 01 01 00 00" ] || fail "settings after the session: $(settings_bytes)"
[ ! -e "$work/bin/Kelvra95.CFG.tmp" ] || fail "a temporary settings file was left behind"
note "session: exit status 0, settings 78 00 00 00 01 01 00 00"

if [ "$printing" != yes ]; then
  echo "SKIPPED: printing ($printing)"
  exit 0
fi
# Both pages, each naming March 2027 in local time; the GRS page for longitude 120.
wait_for_pages 3
pages="$(for pdf in "$cups_out"/job-*.pdf; do pdftotext -layout "$pdf" - ; done)"
grep -q "Jupiter's Satellites: March 2027" <<<"$pages" || fail "no tracks page for March 2027: $pages"
grep -q "Jupiter's GRS Transits: March 2027" <<<"$pages" || fail "no GRS page for March 2027: $pages"
grep -q -- "- Local Time - Northern Hemisphere" <<<"$pages" || fail "tracks page not in local time"
grep -q "\[Local Time - Red Spot at Jovian System II Logitude 120" <<<"$pages" ||
  fail "GRS page not in local time for longitude 120"
grep -q "Jupiter's Moon Events: March 2027" <<<"$pages" || fail "no events page for March 2027: $pages"
note "session: all three pages printed for March 2027"
