#!/usr/bin/env bash
# The program's keys on the real X server, whose line edits take more keys than Qt's offscreen
# platform: from a focused time field Ctrl+M opens the moon events window, a key of the main window works from that window too, Escape closes the window
# it is pressed in and the main window has the keyboard again, the menu key opens the menu over a field and Escape closes it, and Ctrl+Q
# ends the program with status 0; after a box closes the keys
# still work.
# Usage: keys.sh BIN_DIR
source "$(dirname "$0")/lib.sh"
need_tools xclip
setup "$1"
start_program
wait_for_main_window

# program_windows: how many windows of the program are on the screen (an open menu is one).
program_windows() { visible_windows | wc -l; }

click_field $(centre_of main_hour)
xdotool key ctrl+a type 07
xdotool key ctrl+m
wait_for_window 200 479
[ "$(window_of 200 479)" = "$((main_left + 638)) $main_top" ] ||
  fail "the events window opened at $(window_of 200 479), not beside the main window"
note "Ctrl+M from the hour field opens the moon events window"

# The events window has the keyboard now: Ctrl+T is the main window's, Escape the window's own.
xdotool key ctrl+t
wait_for_side_windows 2
xdotool key Escape
wait_for_side_windows 1
note "Ctrl+T works from the events window; Escape closes the window it is pressed in"

# A side window closed with Escape hands the keyboard to the main window (there is no window
# manager here to give it on): its keys work again without a click.
wait_for_focus "$main_id"
xdotool key ctrl+g
wait_for_side_windows 2
xdotool key Escape
wait_for_side_windows 1
wait_for_focus "$main_id"
xdotool key ctrl+g
wait_for_side_windows 2
xdotool key Escape
wait_for_side_windows 1
note "after Escape closes a side window, the main window has the keyboard"

# The hour typed before Ctrl+M stays in its field; Ctrl+E and Ctrl+K, X11's end of line and
# delete to its end, still edit the field.
[ "$(field_text $(centre_of main_hour))" = "07" ] || fail "the hour shows $(field_text $(centre_of main_hour)), expected 07"
xdotool key Home Right ctrl+k ctrl+e type 5
[ "$(field_text $(centre_of main_hour))" = "05" ] || fail "Ctrl+K and Ctrl+E did not edit: the hour shows $(field_text $(centre_of main_hour))"
expect_no_message
note "the field keeps its text and its own keys"

windows="$(program_windows)"
xdotool key Menu
wait_for 10 "the menu" = $((windows + 1)) -- program_windows
xdotool key Escape
wait_for 10 "the menu closed" = "$windows" -- program_windows
note "the menu key opens the menu over a focused field; Escape closes it"

# A box gives the keyboard back when it closes (there is no window manager here to do it).
xdotool key F5
wait_for_window 110 60
xdotool key Escape
wait_for_gone 110 60
xdotool key ctrl+t
wait_for_side_windows 2
note "after the Interval box closes with Escape, the program's keys work again"

xdotool key ctrl+q
wait_for_exit 2
[ "$exit_status" = 0 ] || fail "Ctrl+Q: exit status $exit_status"
check_stderr
note "keys: all checks passed"
