#!/usr/bin/env bash
# The end-to-end scripts' one way of waiting, wait_for, without a screen: it returns once the
# state holds, fails at its deadline naming what it waited for and what it saw last, returns 1
# with --try, and gives up at once when the program it waits on has ended.
# Usage: wait_for_test.sh [BIN_DIR] (the folder is not used).
source "$(dirname "$0")/lib.sh"
work="$(mktemp -d /tmp/kelvra-wait.XXXXXX)"
trap cleanup EXIT

# outcome NAME ARGS...: runs wait_for ARGS in a subshell (where its fail ends the subshell
# only); sets status to its exit status and keeps its standard error in $work/NAME.err.
outcome() {
  local name="$1"
  shift
  status=0
  (wait_for "$@") 2>"$work/$name.err" || status=$?
}
expect() {  # expect NAME STATUS TEXT: that status, and TEXT in standard error ("" for none)
  [ "$status" = "$2" ] || fail "$1: status $status, expected $2 ($(cat "$work/$1.err"))"
  if [ -z "$3" ]; then
    [ ! -s "$work/$1.err" ] || fail "$1: said '$(cat "$work/$1.err")'"
  else
    grep -qF -- "$3" "$work/$1.err" || fail "$1: said '$(cat "$work/$1.err")', expected '$3'"
  fi
}

# A state that comes later, in both forms: the wait returns as soon as it holds.
(sleep 0.3 && touch "$work/flag") &
outcome later 30 "flag" -- test -e "$work/flag"
expect later 0 ""
echo a >"$work/value"
(sleep 0.3 && echo b >"$work/value") &
outcome later-value 30 "the value" = b -- cat "$work/value"
expect later-value 0 ""

# The deadline: the failure names the state and, in the second form, the last value seen; it
# does not come before the deadline.
began=${EPOCHREALTIME/./}
outcome never 0.5 "flag that never comes" -- test -e "$work/no-such-flag"
expect never 1 "FAILED: no flag that never comes within 0.5 s"
[ $((${EPOCHREALTIME/./} - began)) -ge 500000 ] || fail "never: gave up before its deadline"
outcome stuck 0.5 "the value" = c -- cat "$work/value"
expect stuck 1 "FAILED: the value is 'b' after 0.5 s, expected 'c'"

# --try: no failure, status 1, and the script goes on.
outcome try --try 0.3 "flag that never comes" -- test -e "$work/no-such-flag"
expect try 1 ""

# A program that has ended cannot bring the state about: no need to sit out the deadline
# (the message would otherwise be the deadline's).
sleep 0.2 &
program_pid=$!
outcome ended 60 "window" -- false
expect ended 1 "FAILED: the program ended before window"
outcome ended-value 60 "the value" = c -- cat "$work/value"
expect ended-value 1 "FAILED: the program ended while the value was 'b', expected 'c'"
outcome ended-try --try 60 "window" -- false
expect ended-try 1 ""
# ... but what it waited for may be the end itself, or hold still.
outcome ended-state 60 "end of the program" -- program_ended
expect ended-state 0 ""
wait "$program_pid" || true
program_pid=""
# The program ending between the look at the state and the look at the program: the state
# came with the end, so the wait returns; it once failed so when an exit took its time.
tail -f /dev/null &  # a stand-in program that runs until it is ended
program_pid=$!
ends_with_the_state() {  # false at the first look, and the program has ended by the next
  [ -e "$work/looked" ] && return 0
  touch "$work/looked"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  return 1
}
outcome ended-between 60 "end of the program" -- ends_with_the_state
expect ended-between 0 ""
program_pid=""

# A call without "--" before the command is a mistake in the script, not a timeout.
outcome usage 1 "flag" test -e "$work/flag"
expect usage 2 "usage: wait_for"
note "wait_for: later states, deadlines, --try, an ended program and a misuse all as expected"
