#!/usr/bin/env bash
# tools/pixels compare: captures equal to the pixel pass, whatever the PNG files' own bytes
# say; a changed pixel, a changed size, a picture on one side only each fail and are named.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
command -v convert >/dev/null || { echo "SKIPPED: ImageMagick is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
a="$work/a" b="$work/b"
mkdir "$a" "$b"

# compare_status A B [DIFFS]: sets output and status of tools/pixels compare.
compare_status() {
  status=0
  output="$("$top/tools/pixels" compare "$@" 2>&1)" || status=$?
}

convert -size 40x30 xc:black "$a/one.png"
convert -size 40x30 xc:white "$a/two.png"
# Written again a second later: the same pixels in a file whose date chunks differ.
sleep 1
convert "$a/one.png" "$b/one.png"
convert "$a/two.png" "$b/two.png"
cmp -s "$a/one.png" "$b/one.png" && fail "the copies were meant to differ byte for byte"
compare_status "$a" "$b"
[ $status -eq 0 ] || fail "equal pictures: status $status: $output"
[ "$output" = "pixels: all 2 pictures identical" ] || fail "equal pictures: $output"

convert "$a/two.png" -fill red -draw 'point 3,4' -draw 'point 7,8' "$b/two.png"
compare_status "$a" "$b" "$work/diffs"
[ $status -eq 1 ] || fail "two changed pixels: status $status: $output"
[ "$output" = "differs: two.png, 2 pixels
pixels: 1 of 2 pictures differ" ] || fail "two changed pixels: $output"
[ -f "$work/diffs/two.png" ] || fail "no picture of the difference in $work/diffs"

convert -size 40x31 xc:black "$b/one.png"
rm "$b/two.png"
convert -size 5x5 xc:black "$b/three.png"
compare_status "$a" "$b"
[ $status -eq 1 ] || fail "size and missing pictures: status $status: $output"
[ "$output" = "differs: one.png is 40x30 in $a, 40x31 in $b
differs: three.png is only in $b
differs: two.png is only in $a
pixels: 3 of 3 pictures differ" ] || fail "size and missing pictures: $output"

mkdir "$work/empty"
compare_status "$work/empty" "$work/empty"
[ $status -eq 2 ] || fail "two empty folders: status $status, expected 2: $output"
echo "pixels compare: equal, changed, resized and missing pictures told apart"
