#!/usr/bin/python3
"""The command line without a display: the options' statuses and output, the faults' one line
on standard error, the events lists equal to the events window's export, nothing written to
the settings.

Usage: command_line_test.py KELVRA95 EXPORT_WRITER VERSION WORK_FOLDER
"""
import csv
import os
import shutil
import subprocess
import sys

program, writer, version, work = sys.argv[1:5]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


shutil.rmtree(work, ignore_errors=True)
folder = os.path.join(work, "program")  # the program's folder, where it looks for settings
config = os.path.join(work, "config")
os.makedirs(folder)
os.makedirs(config)
kelvra = os.path.join(folder, "kelvra95")
shutil.copy(program, kelvra)
# No display of any kind: a run that wanted one would abort.
base_env = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
base_env.update(XDG_CONFIG_HOME=config, HOME=work, TZ="Europe/Berlin")


def run(args, tz=None):
    env = dict(base_env, TZ=tz) if tz else base_env
    done = subprocess.run([kelvra] + args, env=env, capture_output=True, timeout=60)
    return done.returncode, done.stdout, done.stderr.decode()


# The options: status, what standard output starts with, a word the one fault line must hold.
usage = b"Usage: kelvra95"
missing_folder = os.path.join(work, "no such folder", "december.csv")
options = [
    (["--help"], 0, usage, None),
    (["-h"], 0, usage, None),
    (["--version"], 0, b"Kelvra95 " + version.encode() + b"\n", None),
    (["-v"], 0, b"Kelvra95 " + version.encode() + b"\n", None),
    (["-platform", "offscreen", "--version"], 0, b"Kelvra95 ", None),  # Qt's own: not unknown
    (["-style=Fusion", "-h"], 0, usage, None),
    (["events", "--help"], 0, usage, None),
    (["--bogus"], 2, b"", "'--bogus'"),
    (["-x"], 2, b"", "'-x'"),
    (["notes.txt"], 2, b"", "'notes.txt'"),
    (["events"], 2, b"", "missing"),
    (["events", "2026-12", "extra"], 2, b"", "'extra'"),
    (["events", "2026-12", "--frobnicate"], 2, b"", "'--frobnicate'"),
    (["events", "2026-12", "--output"], 2, b"", "'--output'"),
    (["-platform"], 2, b"", "'-platform'"),
    (["events", "2026-13"], 2, b"", "month 13 is outside 1 to 12"),
    (["events", "2026-11-31"], 2, b"", "day 31 is outside 1 to 30"),
    (["events", "December"], 2, b"", "'December'"),
    (["events", "2026-12", "--site", "95,10"], 2, b"", "latitude 95 is outside -90 to 90"),
    (["events", "2026-12", "--site", "52,13,99999"], 2, b"", "height 99999 is outside"),
    (["events", "2026-12", "--site", "52,1e"], 2, b"", "longitude '1e' is not a number"),
    (["events", "2026-12", "--site", "52,13,4,5"], 2, b"", "'52,13,4,5'"),
    (["events", "2026-12", "--visible"], 2, b"", "--visible needs a site"),
    (["events", "2026-12", "--format", "pdf"], 2, b"", "'pdf' is not one of text, csv, ics"),
    (["events", "2026-12", "--utc", "--local"], 2, b"", "--utc and --local"),
    (["grs", "2026-12-08"], 2, b"", "'2026-12-08'"),
    (["grs", "2026-12", "--format", "ics"], 2, b"", "'ics' is not one of text, csv"),
    (["grs", "2026-12", "--longitude", "400"], 2, b"", "longitude 400 is outside 0 to 359"),
    (["events", "2026-12", "--output", missing_folder], 1, b"", "nothing was written"),
    (["events", "2026-12", "--output", work], 1, b"", "nothing was written"),  # a folder
]
for args, status, out, fault in options:
    got_status, got_out, got_err = run(args)
    name = " ".join(args)
    check(got_status == status, f"{name}: status {got_status}, not {status}: {got_err}")
    check(got_out.startswith(out) if out else got_out == b"", f"{name}: printed {got_out[:80]!r}")
    if fault:
        check(got_err.count("\n") == 1 and fault in got_err, f"{name}: said {got_err!r}")
    else:
        check(got_err == "", f"{name}: said {got_err!r}")
check(not os.path.exists(os.path.dirname(missing_folder)), "a failed --output made a folder")

# The window's export of December 2026 (tests/events/export_writer.cpp): no site; Berlin's;
# Berlin's visible lines; Berlin's seen on Tokyo's clock.
exported = os.path.join(work, "export")
subprocess.run([writer, exported], env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), check=True,
               cwd=os.path.dirname(writer))


def window(name):
    with open(os.path.join(exported, name), "rb") as f:
        return f.read()


def without_stamp(ics):
    return b"".join(line for line in ics.splitlines(True) if not line.startswith(b"DTSTAMP:"))


berlin = ["--site", "52.52,13.40,34"]
same = [
    ("nosite.csv", ["--utc", "--format", "csv"], None),
    ("nosite.ics", ["--utc", "--format", "ics"], None),
    ("all.csv", ["--utc", "--format", "csv"] + berlin, None),
    ("all.ics", ["--utc", "--format", "ics"] + berlin, None),
    ("visible.csv", ["--utc", "--format", "csv", "--visible"] + berlin, None),
    ("visible.ics", ["--utc", "--format", "ics", "--visible"] + berlin, None),
    ("tokyo.csv", ["--local", "--format", "csv"] + berlin, "Asia/Tokyo"),
]
for name, args, tz in same:
    status, out, err = run(["events", "2026-12"] + args, tz)
    check(status == 0 and err == "", f"events {args}: status {status}, said {err!r}")
    expected = window(name)
    if name.endswith(".ics"):
        check(out.count(b"DTSTAMP:") == expected.count(b"DTSTAMP:"), f"{name}: DTSTAMPs")
        out, expected = without_stamp(out), without_stamp(expected)
    check(out == expected, f"events 2026-12 {' '.join(args)}: not the window's {name}")

# --output writes the same bytes, whole.
target = os.path.join(work, "december.ics")
status, out, err = run(["events", "2026-12", "--utc", "--format", "ics", "--output", target])
check(status == 0 and out == b"" and err == "", f"--output: status {status}, said {err!r}")
with open(target, "rb") as f:
    check(without_stamp(f.read()) == without_stamp(window("nosite.ics")), "--output's file")


def csv_rows(data):
    return list(csv.reader(data.decode().splitlines()))[1:]


# The text lists the same lines, under a line naming the clock; a night is its noon to noon.
month_rows = csv_rows(window("tokyo.csv"))
status, text, err = run(["events", "2026-12", "--local"] + berlin, "Asia/Tokyo")
lines = text.decode().splitlines()
check(status == 0 and "local time (UTC+09:00)" in lines[0], f"text's first line {lines[:1]}")
listed = [line for line in lines if line[:1].isdigit()]
check(len(listed) == len(month_rows), f"text lists {len(listed)} lines, the CSV {len(month_rows)}")
check(listed and all(line.split()[2] == row[3] for line, row in zip(listed, month_rows)),
      "text's codes are not the CSV's")
for day in ("2026-12-08", "2026-12-31"):
    status, out, err = run(["events", day, "--utc", "--format", "csv"])
    night = csv_rows(out)
    start = day + " 12:00"
    # The month's rows of that night; on the 31st the morning is January's.
    status_jan, jan, _ = run(["events", "2027-01", "--utc", "--format", "csv"])
    everything = csv_rows(window("nosite.csv")) + csv_rows(jan)
    stamp = [f"{r[0]} {r[1]}" for r in everything]
    end_day = "2026-12-09" if day.endswith("08") else "2027-01-01"
    expected = [r for r, s in zip(everything, stamp) if start <= s < end_day + " 12:00"]
    check(status == 0 and night == expected and expected, f"the night of {day}: {len(night)} rows")

# The stored site and clock apply when none is given; the settings stay as they were.
ini = os.path.join(folder, "Kelvra95.ini")
with open(ini, "w") as f:
    f.write("[Events]\nLocalTime=false\n[Site]\nLatitude=52.52\nLongitude=13.4\nHeight=34\n")
os.chmod(ini, 0o644)
before = open(ini, "rb").read()
status, out, err = run(["events", "2026-12", "--format", "csv"])
check(status == 0 and out == window("all.csv"), f"the stored site: status {status}, {err!r}")
status, out, err = run(["grs", "2026-12", "--longitude", "65"])
check(status == 0 and "Universal Time (UTC+00:00)" in out.decode().splitlines()[0], "grs's clock")
check(open(ini, "rb").read() == before, "the settings file changed")
check(sorted(os.listdir(folder)) == ["Kelvra95.ini", "kelvra95"], f"{os.listdir(folder)}")
check(os.listdir(config) == [], f"written to the config folder: {os.listdir(config)}")

# Qt's own options still reach the windows: the main window opens on Qt's offscreen platform
# and ends at its first paint (in a folder of its own, with the pictures, as it writes there).
gui = os.path.join(work, "gui")
os.makedirs(gui)
for name in os.listdir(os.path.dirname(program)):
    if name.startswith("Kelvra") and name.endswith(".dat"):
        shutil.copy(os.path.join(os.path.dirname(program), name), gui)
shutil.copy(program, gui)
done = subprocess.run([os.path.join(gui, "kelvra95"), "-platform", "offscreen", "-style", "Fusion"],
                      env=dict(base_env, KELVRA_EXIT_AFTER_FIRST_PAINT="1"), capture_output=True,
                      timeout=60)
check(done.returncode == 0 and done.stdout.startswith(b"first-paint"),
      f"-platform offscreen: status {done.returncode}, said {done.stderr[-200:]!r}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
