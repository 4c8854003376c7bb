#!/usr/bin/env bash
# A German desktop, no language chosen in the settings: the real program titles its windows
# and says its messages in German, and its command line answers in German; a language chosen
# in the settings holds over the desktop's. Usage:
# language.sh BIN_DIR
source "$(dirname "$0")/lib.sh"
setup "$1"
german=(LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE=)

usage="$(cd "$work" && env "${german[@]}" QT_QPA_PLATFORM=offscreen "$work/bin/kelvra95" --help 2>&1)" ||
  fail "--help on a German desktop ended with an error: $usage"
[[ "$usage" == "Aufruf: kelvra95"* ]] || fail "--help is not German: $usage"

# A language chosen in the settings holds over the desktop's, on the command line too.
for chosen in "de C.UTF-8 Aufruf:" "en de_DE.UTF-8 Usage:"; do
  read -r code desktop first <<<"$chosen"
  printf '[View]\nLanguage=%s\n' "$code" >"$work/bin/Kelvra95.ini"
  usage="$(cd "$work" && env LC_ALL="$desktop" LANG="$desktop" LANGUAGE= \
    QT_QPA_PLATFORM=offscreen "$work/bin/kelvra95" --help 2>&1)" || fail "--help failed: $usage"
  [[ "$usage" == "$first kelvra95"* ]] ||
    fail "with $code chosen on a $desktop desktop, --help begins: ${usage%%$'\n'*}"
done
rm "$work/bin/Kelvra95.ini"
note "a chosen language holds over the desktop's on the command line"

start_program "${german[@]}"
wait_for_main_window
xdotool key ctrl+m
wait_for_side_windows 1
titles="$(visible_windows | cut -d' ' -f6- | paste -sd '|')"
[[ "|$titles|" == *"|Kelvra95 – Ereignisse|"* ]] || fail "the windows are titled: $titles"
note "the events window titled in German"

type_into $(centre_of main_hour) 99
expect_message "Die Stunde muss zwischen 0 und 23 liegen"
note "a message in German"
exit_cleanly
