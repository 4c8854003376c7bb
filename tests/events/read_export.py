#!/usr/bin/python3
"""Reads the events window's exported files back with a real iCalendar parser (icalendar) and
Python's CSV reader, and checks them against each other.

Usage: read_export.py WRITER OUTPUT_FOLDER  (WRITER: kelvra_events_export_writer)
"""
import csv
import datetime as dt
import os
import re
import subprocess
import sys

import icalendar

UTC = dt.timezone.utc
HEADER = ["date", "time", "utc", "code", "description", "jupiter_alt", "sun_alt"]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def write_files(writer, folder):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run([writer, folder], env=env, check=True, cwd=os.path.dirname(writer))


def read_csv(path):
    with open(path, "rb") as f:
        raw = f.read()
    check(raw.count(b"\r\n") == raw.count(b"\n"), f"{path}: every line ends CR LF")
    rows = list(csv.reader(raw.decode("utf-8").splitlines()))
    check(rows[0] == HEADER, f"{path}: header {rows[0]}")
    return rows[1:]


def read_ics(path):
    with open(path, "rb") as f:
        raw = f.read()
    check(raw.count(b"\r\n") == raw.count(b"\n"), f"{path}: every line ends CR LF")
    for line in raw.split(b"\r\n"):
        check(len(line) <= 75, f"{path}: a line of {len(line)} octets")
        line.decode("utf-8")  # each folded part is whole UTF-8
    calendar = icalendar.Calendar.from_ical(raw)
    check(str(calendar["VERSION"]) == "2.0" and "PRODID" in calendar, f"{path}: VERSION, PRODID")
    events = list(calendar.walk("VEVENT"))
    for event in events:
        for key in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            check(key in event, f"{path}: {key} missing")
        start = event.decoded("DTSTART")
        check(start.tzinfo is not None and start.utcoffset() == dt.timedelta(0), "UTC times")
        # RFC 5545: DTEND after DTSTART; an event of one instant has none and ends as it starts.
        if "DTEND" in event:
            check(start < event.decoded("DTEND"), f"{path}: {event['UID']} does not end after start")
    uids = [str(e["UID"]) for e in events]
    check(len(set(uids)) == len(uids), f"{path}: UIDs repeat")
    return events


def end_of(event):
    return event.decoded("DTEND") if "DTEND" in event else event.decoded("DTSTART")


def utc(text):
    return dt.datetime.strptime(text, "%Y-%m-%dT%H:%M:%SZ").replace(tzinfo=UTC)


def main():
    binary, folder = sys.argv[1], sys.argv[2]
    write_files(binary, folder)
    f = lambda name: os.path.join(folder, name)

    for row in read_csv(f("nosite.csv")):
        check(row[5] == "" and row[6] == "", "no site: empty altitudes")
    all_rows, visible_rows = read_csv(f("all.csv")), read_csv(f("visible.csv"))
    check(len(all_rows) > 60, "a month of lines")
    check(0 < len(visible_rows) < len(all_rows), "the filter keeps some lines, not all")
    alt = re.compile(r"^-?\d+\.\d$")
    for row in all_rows:
        check(alt.match(row[5]) and alt.match(row[6]), f"altitudes {row[5]} {row[6]}")
        # UT basis: the list's date and time are the UTC instant's.
        check(utc(row[2]).strftime("%Y-%m-%d,%H:%M") == f"{row[0]},{row[1]}", f"UT row {row}")
    check(any(float(r[5]) < 5 or float(r[6]) > -6 for r in all_rows), "some lines not visible")
    for row in visible_rows:
        # One decimal: a line at the limit may print 0.05 either side.
        check(float(row[5]) >= 4.95 and float(row[6]) <= -5.95, f"visible row {row}")
    check(set(map(tuple, visible_rows)) <= set(map(tuple, all_rows)), "filtered rows are rows")
    for row in read_csv(f("tokyo.csv")):
        local = utc(row[2]) + dt.timedelta(hours=9)
        check(local.strftime("%Y-%m-%d,%H:%M") == f"{row[0]},{row[1]}", f"Tokyo row {row}")

    nosite = read_ics(f("nosite.ics"))
    check(not any(e.walk("VALARM") for e in nosite), "reminders off: no alarm")
    # Reminders on, at the longest lead: one display alarm per event, that long before its start.
    alarmed = read_ics(f("alarm.ics"))
    check(len(alarmed) == len(nosite), "reminders change no event")
    for event in alarmed:
        alarms = event.walk("VALARM")
        check(len(alarms) == 1, f"{event['UID']}: {len(alarms)} alarms")
        for alarm in alarms:
            check(str(alarm["ACTION"]) == "DISPLAY" and str(alarm["DESCRIPTION"]) == str(event["SUMMARY"]),
                  f"{event['UID']}: alarm {alarm.to_ical()!r}")
            check(alarm.decoded("TRIGGER") == -dt.timedelta(minutes=120), f"trigger {alarm['TRIGGER']}")
    all_events, visible_events = read_ics(f("all.ics")), read_ics(f("visible.ics"))
    check(len(nosite) == len(all_events), "a site changes no event")
    check(not any(re.search(r"Jupiter -?\d", str(e.get("DESCRIPTION", ""))) for e in nosite),
          "no altitudes")
    # One event per phenomenon: every line is one of an event's ends (a mutual event's maximum
    # lies between them), and the event is named as the line describes.
    by_summary = {}
    for e in all_events:
        by_summary.setdefault(str(e["SUMMARY"]), []).append(e)
    for row in all_rows:
        at, summary = utc(row[2]), row[4].split(",")[0]
        mutual = re.match(r"^\d[OE]\d$", row[3]) is not None
        found = any(
            (e.decoded("DTSTART") <= at <= end_of(e)) if mutual
            else at in (e.decoded("DTSTART"), end_of(e))
            for e in by_summary.get(summary, []))
        check(found, f"no event for {row}")
    check(len(all_events) < len(all_rows), "both ends of a phenomenon make one event")
    check(any("DTEND" not in e for e in all_events),
          "a phenomenon with one end seen starts and ends then")
    for e in all_events:
        check("Jupiter" in str(e["DESCRIPTION"]) and "Sun" in str(e["DESCRIPTION"]),
              f"altitudes in {e['UID']}")
    # Exported again, filtered: the same events keep their UIDs (a calendar updates them).
    check({str(e["UID"]) for e in visible_events} <= {str(e["UID"]) for e in all_events},
          "UIDs stable across exports")
    check(0 < len(visible_events) < len(all_events), "the filter drops events")

    # Mutual events of December 2026 (UT) as the list words them: a penumbral eclipse's light
    # lost, both pairs of an eclipse's contacts named (a start on the day before with its day),
    # a passive moon on Jupiter's disc, an occultation's contacts; each with the light lost, the
    # drop in magnitude and who sees it.
    described = {(r[0], r[1], r[3]): r[4] for r in all_rows}
    for key, text in [
            (("2026-12-12", "13:41", "4E3"), "Callisto eclipses Ganymede, maximum Q26% of the "
             "light, light lost 26%, \u0394m 0.32 photometry; light falls 13:34, maximum 13:41, "
             "light whole 13:48"),
            (("2026-12-31", "00:01", "3E1"), "Ganymede eclipses Io, maximum 65%, light lost 85%, "
             "\u0394m 2.08 eye; light falls 30 23:50, umbra 30 23:54\u201300:08 (maximum 00:01), "
             "light whole 00:12"),
            (("2026-12-17", "06:22", "3O1"), "Ganymede occults Io, maximum 25%, on Jupiter's disc, "
             "light lost 6%, \u0394m 0.07 graze; start 06:15, maximum 06:22, end 06:29")]:
        check(described.get(key) == text, f"{key}: {described.get(key)}")
    eclipse = [e for e in all_events if str(e["UID"]).startswith("3E1-20261230T2354")]
    check(len(eclipse) == 1, "the eclipse of 2026-12-31 00:01 keeps its umbra's start in its UID")
    if eclipse:
        e = eclipse[0]
        names = [line.split(" 2026-")[0] for line in str(e["DESCRIPTION"]).split("\n")]
        check(names == ["3E1 light falls", "3E1 umbra start",
                        "3E1 maximum 65%, light lost 85%, \u0394m 2.08 eye", "3E1 umbra end",
                        "3E1 light whole"], f"the eclipse's instants {names}")
        check(e.decoded("DTSTART") == dt.datetime(2026, 12, 30, 23, 50, tzinfo=UTC)
              and e.decoded("DTEND") == dt.datetime(2026, 12, 31, 0, 12, tzinfo=UTC),
              "the eclipse lasts from the light's fall to its return")

    for failure in failures[:20]:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
