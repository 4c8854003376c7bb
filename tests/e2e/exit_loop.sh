#!/usr/bin/env bash
# Exit while an animation runs and while it is paused, RUNS times each (default 100): every
# time the program must end with status 0 within 2 seconds of the exit click, with nothing
# unexpected on its standard error, and a worker thread that is never left behind.
# Usage: exit_loop.sh BIN_DIR [RUNS]; RUNS also comes from KELVRA_E2E_EXIT_RUNS (the sanitizer
# pass, where each start takes longer, asks for fewer).
source "$(dirname "$0")/lib.sh"
need_tools import
setup "$1"
runs="${2:-${KELVRA_E2E_EXIT_RUNS:-100}}"

# start_animation: Animate, one minute a frame, Enter; returns once frames are being drawn
# (the minute field shows another minute).
start_animation() {
  local minute
  minute="$(component_picture "$main_left" "$main_top" main_minute)"
  click_main $(centre_of main_animate)  # lblAnimate
  focus_interval
  xdotool type 1
  xdotool key Return
  wait_for_gone 110 60 || fail "the interval dialog stayed open after Enter"
  wait_for 5 "frame of the animation" -- picture_is_not "$main_left" "$main_top" main_minute "$minute"
}

for mode in running paused; do
  slowest=0
  for run in $(seq "$runs"); do
    start_program
    wait_for_main_window
    start_animation
    # Stop and Exit reach the main window in this order: no wait between them.
    [ "$mode" = running ] || click_stop
    began=$(date +%s%N)
    click_exit
    wait_for_exit 2
    took=$((($(date +%s%N) - began) / 1000000))
    [ "$took" -le "$slowest" ] || slowest=$took
    [ "$exit_status" = 0 ] || fail "run $run with the animation $mode: exit status $exit_status"
    check_stderr
  done
  note "exit with the animation $mode: $runs runs, all ended with status 0, slowest ${slowest} ms"
done
