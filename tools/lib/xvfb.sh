# The one way the scripts start a private X screen (sourced by tools/screenshot, tools/bench
# and tests/e2e/lib.sh, so by the end-to-end tests and tools/pixels too).
#
# start_xvfb WIDTHxHEIGHT LOG: a fresh Xvfb on a display number it picks itself (so two runs
# never share a screen), 24-bit, 100 dots per inch (the fonts' pixel sizes follow it, and the
# pixel comparison needs it fixed), no TCP. -noreset: by default the server resets when its
# last client leaves, and a program that connects during the reset fails to start.
# Sets xvfb_pid and exports DISPLAY once a client can connect; returns 1 when the server did
# not come up within 10 s (its messages are in LOG).
start_xvfb() {
  local size="$1" log="$2" displayfile tries=0
  displayfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 100 -nolisten tcp -noreset \
    3>"$displayfile" 2>"$log" &
  xvfb_pid=$!
  until [ -s "$displayfile" ] && DISPLAY=":$(head -n 1 "$displayfile")" xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
      rm -f "$displayfile"
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$displayfile")"
  rm -f "$displayfile"
}
