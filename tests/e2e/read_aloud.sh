#!/usr/bin/env bash
# The real program as a screen reader and a task switcher find it. Usage: read_aloud.sh BIN_DIR
#   - on a private session bus and its accessibility bus: its windows, buttons and events list
#     as read_aloud.py reads and uses them through AT-SPI;
#   - its four windows titled "Kelvra95", "Kelvra95 – Tracks", "Kelvra95 – Red Spot" and
#     "Kelvra95 – Events", each with the program's icon (48 pixels among its sizes).
source "$(dirname "$0")/lib.sh"
need_tools dbus-run-session xprop
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed (tools/bootstrap installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  skip "python3-pyatspi is not installed (tools/bootstrap installs it)"
# A session bus of its own, so the accessibility bus it starts serves this program alone.
[ -n "${KELVRA_E2E_OWN_BUS:-}" ] || exec dbus-run-session -- env KELVRA_E2E_OWN_BUS=1 bash "$0" "$@"
setup "$1"
start_program QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
wait_for_main_window

/usr/bin/python3 "$e2e_dir/read_aloud.py" 20 || fail "a screen reader cannot use the program"
note "every button named and pressable over the accessibility bus; a move in the events list told"

wait_for_side_windows 3
expected="$(printf 'Kelvra95\nKelvra95 \u2013 Events\nKelvra95 \u2013 Red Spot\nKelvra95 \u2013 Tracks')"
titles="$(visible_windows | cut -d' ' -f6- | LC_ALL=C sort)"
[ "$titles" = "$expected" ] || fail "the windows are titled: $(echo "$titles" | paste -sd '|')"
for id in $(visible_windows | cut -d' ' -f1); do
  icons="$(xprop -id "$id" _NET_WM_ICON)"
  [[ "$icons" == *"Icon (48 x 48)"* ]] || fail "the window $(xdotool getwindowname "$id") has no icon"
done
note "four windows by their titles, each with the icon"
exit_cleanly
