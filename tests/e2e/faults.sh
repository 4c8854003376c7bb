#!/usr/bin/env bash
# The real program with one thing wrong around it. Usage: faults.sh BIN_DIR CASE, where CASE is
#   missing-KelvraN.dat  that picture removed from the program's folder (N = 0..8)
#   help                 the help document removed
#   printer              no printer: the CUPS server does not exist; the pages saved as PDFs
#   readonly             the program's folder not writable by the user running it
#   shared               the same folder with a settings file that user may write
#   help-no-viewer       the help document there, but xdg-open finds no viewer for it
#   help-slow-viewer     an xdg-open that runs until the test lets it go, then finds no viewer
#   fifo-cfg, fifo-ini   a FIFO in place of that settings file
source "$(dirname "$0")/lib.sh"
need_tools xclip
setup "$1"
case_name="$2"

missing_message() {
  printf 'File "%s" is either missing or damaged.\nContact: kelvra95@kelvra95.example.org' "$1"
}

# The save-as-PDF dialog offered when there is no printer: waits for it, gives it the keyboard
# and prints its window id.
save_dialog_title="No printer is available - save the page as a PDF"
save_dialog_id() { xdotool search --onlyvisible --name "^$save_dialog_title\$" 2>/dev/null | head -1; }
has_save_dialog() { [ -n "$(save_dialog_id)" ]; }
save_dialog() {
  local id
  wait_for "${1:-10}" "save dialog" -- has_save_dialog
  id="$(save_dialog_id)"
  sleep 0.5  # the dialog reads its folder
  xdotool windowfocus --sync "$id"
  echo "$id"
}
# wait_for_pdf PATH: true once PATH is a whole PDF (the page is drawn after the dialog closes).
whole_pdf() { [ -s "$1" ] && pdfinfo "$1" >/dev/null 2>&1; }
wait_for_pdf() { wait_for --try 10 "whole PDF at $1" -- whole_pdf "$1"; }
no_save_dialog() { ! has_save_dialog; }
wait_for_no_save_dialog() { wait_for --try 5 "save dialog closed" -- no_save_dialog; }

# The program runs normally after start-up: main window shown, no message pending.
expect_running() {
  wait_for_main_window
  expect_no_message
}

# start_unprivileged: the program as the user nobody, in its folder closed to that user, with
# a home of its own (root's is closed to it too: fontconfig writes its cache there whenever the
# system's cache is stale, just after a font package was installed).
start_unprivileged() {
  command -v setpriv >/dev/null || skip "setpriv is not installed (util-linux)"
  [ "$(id -u)" = 0 ] || skip "needs root to switch to an unprivileged user; running as $(id -un)"
  user=nobody
  group="$(id -gn nobody 2>/dev/null)" || skip "no user nobody on this machine"
  chown "$user" "$work/xdg"
  chmod -R a+rX "$work/bin"
  chmod go-w "$work/bin"
  share_sanitizer_files
  install -d -m 700 -o "$user" "$work/home"
  start_program HOME="$work/home" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_CONFIG_HOME="$work/home/.config" \
    setpriv --reuid="$user" --regid="$group" --clear-groups
}

exit_normally() {
  click_exit
  local status
  wait_for_exit 2
  status=$exit_status
  [ "$status" = 0 ] || fail "exit status $status"
  check_stderr
}

case "$case_name" in
  missing-Kelvra[1-6].dat)
    # A skin of the main window: one message naming it, then the program ends.
    picture="${case_name#missing-}"
    rm "$work/bin/$picture"
    start_program
    expect_message "$(missing_message "$picture")" 20
    wait_for_exit 2
    status=$exit_status
    [ "$status" != 0 ] || fail "the program reported success after failing to start"
    [ -z "$(message_box)" ] || fail "a second message box appeared"
    check_stderr
    note "$picture missing: one message naming it, then the program ended with status $status"
    ;;
  missing-Kelvra7.dat)
    # The side windows' background: each of them says so once and stays closed.
    rm "$work/bin/Kelvra7.dat"
    start_program
    wait=20  # seconds for the first message: the program is starting
    for name in $layout_side_windows; do
      expect_message "$(missing_message Kelvra7.dat)" "$wait"
      wait=10
    done
    expect_running
    for name in $layout_side_windows; do click_side "$name"; done
    handled_so_far
    [ -z "$(window_of 200 479)" ] || fail "a side window opened without its picture"
    expect_no_message
    exit_normally
    note "Kelvra7.dat missing: one message per side window at start, their buttons do nothing"
    ;;
  missing-Kelvra8.dat)
    # The About picture: one message; the About window still opens, bare, and closes.
    rm "$work/bin/Kelvra8.dat"
    start_program
    expect_message "$(missing_message Kelvra8.dat)" 20
    expect_running
    click_main $(centre_of main_about)  # lblAbout
    wait_for_window 210 155 5
    read -r x y <<<"$(window_of 210 155)"
    click_in "$x" "$y" $(centre_of about_exit)  # its exit button
    wait_for_gone 210 155 || fail "the About window did not close"
    expect_no_message
    exit_normally
    note "Kelvra8.dat missing: one message at start, the About window opens bare and closes"
    ;;
  missing-Kelvra0.dat)
    # The longitude dialog's background: one message; the dialog still opens, bare, and works.
    rm "$work/bin/Kelvra0.dat"
    start_program
    expect_message "$(missing_message Kelvra0.dat)" 20
    expect_running
    click_side grs
    wait_for_side_windows 1
    click_in 959 272 $(centre_of grs_longitude)  # imgLong
    focus_longitude
    xdotool type 300
    xdotool key Return
    wait_for_gone 160 113 || fail "the bare longitude dialog did not close on Enter"
    [ "$(settings_bytes)" = "2c 01 00 00 00 00 00 00" ] || fail "longitude 300 wrote $(settings_bytes)"
    expect_no_message
    exit_normally
    note "Kelvra0.dat missing: one message at start, the bare longitude dialog stores 300"
    ;;
  help)
    rm -r "$work/bin/docs"
    start_program
    expect_running
    click_help
    expect_message "Cannot find Help File"
    exit_normally
    note "help document missing: \"Cannot find Help File\", the program goes on"
    ;;
  printer)
    # No CUPS server at all: each print button offers to save the page as a PDF instead, in the
    # user's documents folder at first, then in the folder used last. Escape cancels without a
    # word; a path typed in the dialog and Enter save there; Enter alone takes the offered
    # folder and name.
    need_tools pdftotext pdfinfo
    mkdir -p "$work/home/Documents" "$work/out"
    start_program CUPS_SERVER="$work/no-such-cups.sock" HOME="$work/home" \
      XDG_CONFIG_HOME="$work/home/.config"
    expect_running
    click_side tracks
    wait_for_side_windows 1
    click_in 959 272 $(centre_of tracks_print)  # lblPrint of the tracks window
    save_dialog 30 >/dev/null
    xdotool key Escape
    wait_for_no_save_dialog || fail "the save dialog did not close on Escape"
    expect_no_message
    [ -z "$(ls -A "$work/home/Documents")" ] || fail "Escape saved $(ls "$work/home/Documents")"

    click_in 959 272 $(centre_of tracks_print)
    save_dialog 10 >/dev/null
    xdotool key ctrl+a
    xdotool type --delay 20 "$work/out/tracks.pdf"
    sleep 0.3
    xdotool key Return
    wait_for_no_save_dialog || fail "the save dialog did not close on Enter"
    expect_no_message
    wait_for_pdf "$work/out/tracks.pdf" || fail "no PDF at the typed path: $(ls "$work/out")"
    pdftotext "$work/out/tracks.pdf" - | grep -q "Jupiter's Satellites: " ||
      fail "the saved tracks page has no title: $(pdftotext "$work/out/tracks.pdf" - | head -3)"

    click_side grs
    wait_for_side_windows 2
    click_in 969 282 $(centre_of grs_print)  # lblPrint of the GRS window
    save_dialog 10 >/dev/null
    xdotool key Return  # the folder used last, remembered in Kelvra95.ini
    wait_for_no_save_dialog || fail "the save dialog did not close on Enter"
    expect_no_message
    wait_for 10 "a file saved in the folder used last" -- \
      sh -c "ls '$work/out' | grep -v '^tracks\.pdf\$' | grep -q ."
    saved="$(ls "$work/out" | grep -v '^tracks\.pdf$')"
    wait_for_pdf "$work/out/$saved" || fail "no whole PDF in the folder used last: '$saved'"
    [[ "$saved" =~ ^Kelvra95\ GRS\ [0-9]{4}-[0-9]{2}\.pdf$ ]] || fail "saved as '$saved'"
    pdftotext "$work/out/$saved" - | grep -q "Jupiter's GRS Transits: " ||
      fail "the saved GRS page has no title"
    grep -qx "LastFolder=$work/out" "$work/bin/Kelvra95.ini" ||
      fail "the folder is not remembered: $(cat "$work/bin/Kelvra95.ini")"
    exit_normally
    note "no printer: both windows saved their page as a PDF ($saved offered in the folder used last)"
    ;;
  readonly)
    # Run as an unprivileged user in a folder that user cannot write: the settings live in the
    # user's config folder instead, from the defaults, and nothing is said.
    start_unprivileged
    expect_running
    saved="$work/home/.config/kelvra95/Kelvra95.CFG"
    click_side tracks
    wait_for_side_windows 1
    click_in 959 272 $(centre_of tracks_timeBasis)  # imgTime: local time
    saved_bytes() { od -An -tx1 -v "$saved" | tr -s ' \n' ' '; }
    wait_for 5 "$saved" = " 41 00 00 00 00 01 00 00 " -- saved_bytes
    expect_no_message
    ! ls "$work/bin" | grep -q '^Kelvra95\.' || fail "files left in the program folder: $(ls "$work/bin")"
    exit_normally
    note "read-only folder: ran as $user, the setting saved in the user's config folder"
    ;;
  help-no-viewer)
    # xdg-open says it found no viewer (status 3): the message names the document's path.
    mkdir "$work/tools"
    printf '#!/bin/sh\nexit 3\n' >"$work/tools/xdg-open"
    chmod 755 "$work/tools/xdg-open"
    start_program PATH="$work/tools:$PATH"
    expect_running
    click_help
    expect_message "$(printf 'No program could open the Help File. Open it in a web browser:\n%s' "$work/bin/docs/Kelvra95.htm")"
    exit_normally
    note "no viewer for the help: the message names $work/bin/docs/Kelvra95.htm"
    ;;
  help-slow-viewer)
    # Help pressed three times while xdg-open runs: one xdg-open, one message. Exit while the
    # next one runs: status 0, and that xdg-open is left to finish on its own.
    mkdir "$work/tools"
    # It gives up once the test's folder has gone (a failed test leaves no loop behind).
    printf '#!/bin/sh\necho started >>"%s/xdg-open.log"\nwhile [ ! -e "%s/go" ]; do [ -d "%s" ] || exit 1; sleep 0.05; done\nrm -f "%s/go"\necho ended >>"%s/xdg-open.log"\nexit 3\n' \
      "$work" "$work" "$work" "$work" "$work" >"$work/tools/xdg-open"
    chmod 755 "$work/tools/xdg-open"
    runs() { grep -c "^$1\$" "$work/xdg-open.log" 2>/dev/null || true; }
    wait_for_runs() { wait_for 10 "xdg-open $1" = "$2" -- runs "$1"; }
    start_program PATH="$work/tools:$PATH"
    expect_running
    click_help
    click_help
    click_help
    wait_for_runs started 1
    touch "$work/go"
    expect_message "$(printf 'No program could open the Help File. Open it in a web browser:\n%s' "$work/bin/docs/Kelvra95.htm")"
    [ "$(runs started)" = 1 ] || fail "three presses started xdg-open $(runs started) times"
    expect_no_message
    click_help
    wait_for_runs started 2
    exit_normally
    [ "$(runs ended)" = 1 ] || fail "xdg-open did not outlive the program"
    touch "$work/go"
    wait_for_runs ended 2
    note "slow help viewer: one attempt for three presses, Exit while it ran ended with status 0"
    ;;
  fifo-cfg)
    # A FIFO in place of Kelvra95.CFG: one message, then the main window with the defaults;
    # a changed setting neither waits nor replaces the FIFO.
    mkfifo "$work/bin/Kelvra95.CFG"
    start_program
    expect_message "$(printf '%s is not a regular file; the defaults are used.\nThe changed settings hold until the program exits.' \
      "$work/bin/Kelvra95.CFG")" 20
    expect_running
    click_side tracks
    wait_for_side_windows 1
    click_in 959 272 $(centre_of tracks_timeBasis)  # imgTime: local time
    handled_so_far
    expect_no_message
    [ -p "$work/bin/Kelvra95.CFG" ] || fail "the FIFO was replaced"
    exit_normally
    note "Kelvra95.CFG a FIFO: one message, the defaults, the FIFO left alone"
    ;;
  fifo-ini)
    # A FIFO in place of Kelvra95.ini: one message as the main window reads its positions
    # setting at start-up, then the GRS window opens without another, the events window's time
    # basis changes without a wait, and the FIFO stays.
    mkfifo "$work/bin/Kelvra95.ini"
    start_program
    expect_message "$(printf '%s is not a regular file; the defaults are used.\nThe changed settings hold until the program exits.' \
      "$work/bin/Kelvra95.ini")" 20
    expect_running
    click_side grs
    wait_for_window 200 479 10
    expect_no_message
    click_side events
    wait_for_side_windows 2
    expect_no_message
    [ -p "$work/bin/Kelvra95.ini" ] || fail "the FIFO was replaced"
    exit_normally
    note "Kelvra95.ini a FIFO: one message when the GRS window opened, the FIFO left alone"
    ;;
  shared)
    # A shared installation: the folder closed to the user, the settings file open to all.
    # The file is rewritten in place; nothing else appears in the folder.
    printf '\x2c\x01\x00\x00\x01\x00\x00\x00' >"$work/bin/Kelvra95.CFG"  # 300, GRS local
    chmod 666 "$work/bin/Kelvra95.CFG"
    start_unprivileged
    expect_running
    click_side tracks
    wait_for_side_windows 1
    click_in 959 272 $(centre_of tracks_timeBasis)  # imgTime: local time
    wait_for 5 "the settings file after local time" = "2c 01 00 00 01 01 00 00" -- settings_bytes
    expect_no_message
    [ "$(ls "$work/bin" | grep -c '^Kelvra95\.')" = 1 ] || fail "files left in the program folder: $(ls "$work/bin")"
    exit_normally
    note "shared installation: ran as $user, the writable settings file was rewritten in place"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
