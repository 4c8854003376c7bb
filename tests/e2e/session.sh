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
start_program
wait_for_main_window
# First start: the default record, 65 in Universal Time on both windows.
[ "$(settings_bytes)" = "41 00 00 00 00 00 00 00" ] || fail "first start wrote $(settings_bytes)"

# 15 March 2027, 21:30:05, Enter taking the focus from field to field.
type_into $(centre_of main_day) "15"          # txtDay; Enter moves on to the month box
xdotool key Home Down Down     # January, then two down: March
sleep 0.3
type_into $(centre_of main_year) "2027"       # txtYear; Enter moves on to txtHour
for value in 21 30 05; do      # txtHour, txtMinute, txtSecond, each left with Enter
  xdotool key ctrl+a type "$value"
  xdotool key Return
  sleep 0.2
done
note "date and time typed (${SECONDS}s)"
expect_no_message
shown="$(field_text $(centre_of main_day))/$(field_text $(centre_of main_year)) $(field_text $(centre_of main_hour)):$(field_text $(centre_of main_minute)):$(field_text $(centre_of main_second))"
[ "$shown" = "15/2027 21:30:05" ] || fail "the fields show $shown after typing 15/2027 21:30:05"

note "fields read back (${SECONDS}s)"
# The tracks window opens flush right of the main window (321 + 638 = 959), level with its top.
click_side tracks
wait_for_window 200 479
[ "$(window_of 200 479)" = "959 272" ] || fail "tracks window at $(window_of 200 479), expected 959 272"
click_in 959 272 $(centre_of tracks_timeBasis) 0.8     # imgTime: Universal Time -> local time, written at once
[ "$(settings_bytes)" = "41 00 00 00 00 01 00 00" ] || fail "tracks time basis wrote $(settings_bytes)"
jobs_before=0
if [ "$printing" = yes ]; then
  click_in 959 272 $(centre_of tracks_print) 1     # lblPrint
  expect_no_message
fi

note "tracks window done (${SECONDS}s)"
# The GRS window opens 10 pixels farther out and lower, over the tracks window.
click_side grs
[ "$(visible_windows | awk '$2 == 200 && $3 == 479' | wc -l)" = 2 ] || fail "GRS window not shown"
click_in 969 282 $(centre_of grs_timeBasis) 0.8     # imgTime of the GRS window
[ "$(settings_bytes)" = "41 00 00 00 01 01 00 00" ] || fail "GRS time basis wrote $(settings_bytes)"
click_in 969 282 $(centre_of grs_longitude) 0.6     # imgLong: the longitude dialog
focus_longitude
xdotool type 250
xdotool key Escape             # Escape: nothing stored
wait_for_gone 160 113 || fail "the longitude dialog stayed open after Escape"
[ "$(settings_bytes)" = "41 00 00 00 01 01 00 00" ] || fail "Escape in the longitude dialog wrote $(settings_bytes)"
click_in 969 282 $(centre_of grs_longitude) 0.6
focus_longitude
xdotool type 120
xdotool key Return
wait_for_gone 160 113 || fail "the longitude dialog stayed open after Enter"
[ "$(settings_bytes)" = "78 00 00 00 01 01 00 00" ] || fail "longitude 120 wrote $(settings_bytes)"
if [ "$printing" = yes ]; then
  click_in 969 282 $(centre_of grs_print) 1     # lblPrint of the GRS window
  expect_no_message
fi

note "GRS window done (${SECONDS}s)"
# The events window opens a third step out, at the main window's day; a click on its first line
# takes the main window to that event's whole minute, still on 15 March 2027 or a day beside it.
click_side events
[ "$(visible_windows | awk '$2 == 200 && $3 == 479' | wc -l)" = 3 ] || fail "events window not shown"
read -r list_x list_y _ <<<"$layout_events_list"
click_in 979 292 $((list_x + 40)) $((list_y + 5)) 0.8     # the list's first line
jumped="$(field_text $(centre_of main_day))/$(field_text $(centre_of main_year)) :$(field_text $(centre_of main_second))"
case "$jumped" in
  14/2027\ :00 | 15/2027\ :00 | 16/2027\ :00) ;;
  *) fail "the jump to the first event left the fields at $jumped" ;;
esac
[ "$(field_text $(centre_of main_minute))" != 30 ] || fail "the jump left the minute at 30"
if [ "$printing" = yes ]; then
  click_in 979 292 $(centre_of events_print) 1     # lblPrint of the events window
  expect_no_message
fi
note "events window done (${SECONDS}s)"
# Animation at 60 minutes a frame for three seconds, then Stop.
before="$(field_text $(centre_of main_year)) $(field_text $(centre_of main_day)) $(field_text $(centre_of main_hour))"
click_animate
focus_interval
xdotool type 60
xdotool key Return
sleep 3
click_stop
expect_no_message
after="$(field_text $(centre_of main_year)) $(field_text $(centre_of main_day)) $(field_text $(centre_of main_hour))"
[ "$after" != "$before" ] || fail "the animation did not move the instant ($before)"

note "animation done (${SECONDS}s)"
# now_ink: how many pixels of the Now button's word are near black on the screen.
now_ink() {
  import -window root -crop 35x15+$((main_left + 146))+$((main_top + 219)) png:- |
    convert png:- +repage -colorspace Gray -threshold 25% -negate -format '%[fx:round(mean*w*h)]' info:
}
# Real time on for a few ticks, then off: the fields hold the present year. Meanwhile the Now
# button, which cannot be used, shows its word in grey; off again, in black.
[ "$(now_ink)" -gt 20 ] || fail "the Now button's word is not black before real time"
click_realtime
sleep 2.5
[ "$(now_ink)" = 0 ] || fail "the Now button still shows its black word in real time"
click_realtime
sleep 0.2
[ "$(now_ink)" -gt 20 ] || fail "the Now button's word is not black again after real time"
year_now="$(date +%Y)"
[ "$(field_text $(centre_of main_year))" = "$year_now" ] || fail "real time left year $(field_text $(centre_of main_year)), not $year_now"

note "real time done (${SECONDS}s)"
# Drag the main window by its handle 100 left and 50 up; both side windows follow it.
xdotool mousemove $((main_left + 319)) $((main_top + 19)) mousedown 1
for step in 1 2 3 4 5; do
  xdotool mousemove $((main_left + 319 - step * 20)) $((main_top + 19 - step * 10))
  sleep 0.05
done
xdotool mouseup 1
sleep 0.4
[ "$(window_of 638 479)" = "221 222" ] || fail "main window at $(window_of 638 479) after the drag, expected 221 222"
sides="$(visible_windows | awk '$2 == 200 && $3 == 479 { print $4, $5 }' | sort | tr '\n' ' ')"
[ "$sides" = "859 222 869 232 879 242 " ] ||
  fail "side windows at $sides after the drag, expected 859 222, 869 232 and 879 242"
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
tries=0
while [ "$(find "$cups_out" -name 'job-*.pdf' | wc -l)" -lt 3 ]; do
  tries=$((tries + 1))
  [ $tries -le 100 ] || fail "only $(find "$cups_out" -name 'job-*.pdf' | wc -l) of 3 printed pages arrived"
  sleep 0.1
done
pages="$(for pdf in "$cups_out"/job-*.pdf; do pdftotext -layout "$pdf" - ; done)"
grep -q "Jupiter's Satellites: March 2027" <<<"$pages" || fail "no tracks page for March 2027: $pages"
grep -q "Jupiter's GRS Transits: March 2027" <<<"$pages" || fail "no GRS page for March 2027: $pages"
grep -q -- "- Local Time - Northern Hemisphere" <<<"$pages" || fail "tracks page not in local time"
grep -q "\[Local Time - Red Spot at Jovian System II Logitude 120" <<<"$pages" ||
  fail "GRS page not in local time for longitude 120"
grep -q "Jupiter's Moon Events: March 2027" <<<"$pages" || fail "no events page for March 2027: $pages"
note "session: all three pages printed for March 2027"
