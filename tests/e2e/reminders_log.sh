#!/usr/bin/env bash
# Reminders and the observing log as an observer meets them, before a real event of this month
# (the program's clock set under faketime): a reminder reaches a stand-in notification service
# on a private session bus 10 minutes before the event, not earlier; F9 at the event's listed
# instant stamps it with that contact proposed; kill -9 right after the stamp loses nothing.
# Usage: reminders_log.sh BIN_DIR STANDIN NEXT_EVENT
source "$(dirname "$0")/lib.sh"
need_tools faketime dbus-daemon python3
setup "$1"
standin="$2"
next_event="$3"
python3 -c 'import sqlite3' 2>/dev/null || skip "python3 has no sqlite3"

bus_pid="" standin_pid=""
trap 'kill $standin_pid $bus_pid 2>/dev/null; cleanup' EXIT
dbus-daemon --session --fork --address="unix:path=$work/bus" --print-pid=1 >"$work/bus.pid" ||
  fail "no private session bus"
bus_pid="$(cat "$work/bus.pid")"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
"$standin" "$work/notes.txt" >"$work/standin.out" 2>&1 &
standin_pid=$!
wait_for 10 "the stand-in notification service" = ready -- cat "$work/standin.out"

read -r listed code exact line_code <<<"$("$next_event" "$(date +%s)" 900)" ||
  fail "no event found in this month and the next"
note "event $code ($line_code) listed at $(date -u -d "@$listed" '+%F %T') UT"
printf '[Events]\nAlertMinutes=10\n' >"$work/bin/Kelvra95.ini"

# start_at UNIX: the program with its clock starting at that second (UT), libfaketime loaded
# into the program itself (the faketime command would stand between it and kill -9).
libfaketime="$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -1)"
[ -n "$libfaketime" ] || skip "libfaketime is not installed (faketime)"
# A sanitized build insists on its runtime coming first among the preloaded libraries. awk reads
# all of ldd's list: stopping at the match would end ldd by SIGPIPE, a failure under pipefail.
sanitizer_runtime="$(ldd "$work/bin/kelvra95" | awk '/libasan\.so/ && !found { print $3; found = 1 }')"
preload="${sanitizer_runtime:+$sanitizer_runtime:}$libfaketime"
start_at() {
  start_program TZ=UTC LD_PRELOAD="$preload" FAKETIME="@$(TZ=UTC date -d "@$1" '+%F %T')"
  wait_for_main_window
}

# 6 s before the reminder's moment: nothing yet, then the reminder.
start_at $((listed - 600 - 6))
[ ! -s "$work/notes.txt" ] || fail "a reminder came before its moment: $(cat "$work/notes.txt")"
wait_for 30 "the reminder of $code" -- grep -q "$line_code" "$work/notes.txt"
expected="Kelvra95	Kelvra95	"
grep -q "^$expected.*$line_code.*; in 10 min\$" "$work/notes.txt" ||
  fail "the reminder reads: $(cat "$work/notes.txt")"
[ "$(wc -l <"$work/notes.txt")" = 1 ] || fail "more than one reminder: $(cat "$work/notes.txt")"
kill -9 "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""

# rows: the log's entries as "code observed predicted", one a line.
log="$work/bin/Kelvra95-log.sqlite"
cat >"$work/rows.py" <<'PY'
import sqlite3, sys
db = sqlite3.connect("file:%s?mode=ro" % sys.argv[1], uri=True)
assert db.execute("PRAGMA integrity_check").fetchone()[0] == "ok"
assert db.execute("PRAGMA user_version").fetchone()[0] == 1
for code, observed, predicted in db.execute("SELECT code, observed, predicted FROM stamps"):
    print(code, observed, "%.3f" % ((predicted - 2440587.5) * 86400) if predicted else "-")
PY
rows() { python3 "$work/rows.py" "$log"; }
row_count() { [ -f "$log" ] || { echo 0; return; }; rows | wc -l; }

# At the listed instant: F9 in the main window, then in the events window, then kill -9 as
# soon as the second stamp is in the file.
start_at "$listed"
xdotool key F9
wait_for 10 "one stamp in the log" = 1 -- row_count
xdotool key ctrl+m
wait_for_side_windows 1
wait_for_focus "$(window_id 200 479)"
xdotool key F9
wait_for 10 "the events window's stamp in the log" = 2 -- row_count
kill -9 "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
[ "$(rows | wc -l)" = 2 ] || fail "stamps were lost with the program: $(rows)"
read -r got_code observed predicted <<<"$(rows | head -1)"
[ "$got_code" = "$line_code" ] || fail "the stamp was given $got_code, not $line_code"
[ "$predicted" = "$exact" ] || fail "predicted $predicted, the unrounded contact is $exact"
# The stamp is the faked clock's moment, to a tenth of a second, within the test's own delays.
awk -v o="$observed" -v l="$listed" 'BEGIN { exit !(o % 1 == 0 && o >= l * 10 && o <= (l + 20) * 10) }' ||
  fail "observed $observed tenths, the key was pressed just after ${listed}0"
note "reminder: $(cut -f3 "$work/notes.txt"); stamp $observed tenths survived kill -9"
