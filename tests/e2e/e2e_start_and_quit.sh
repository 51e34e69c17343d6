#!/usr/bin/env bash
# The real program under Wine and Xvfb, from its start to Quit as a user would: the intro
# picture until a key, the table of contents, a second start that ends at once and leaves
# the screen to the running copy, Quit. Its exit code is 0 and "Last Mode" is stored. It
# is started as an author starts it on a course of their own: scripts/run on a content
# directory of another name.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
clear_program_registry
store_calibration 0

mv "$course/Corpus" "$course/My Course"
CORPUSVIEW_EXE="$exe" "$(dirname "$0")/../../scripts/run" "$course/My Course" \
  </dev/null >/dev/null 2>&1 &
program=$!
wait_for_program_window "CorpusView" 30
sleep 1
screenshot "$artifacts/01-intro.png"
press_until_contents 30 || true
screenshot "$artifacts/02-contents.png"

# A second start while the program runs ends at once; the running copy keeps the screen.
started=$(date +%s%N)
run_program_in "$course" "$exe" &
second=$!
wait_for_exit $second 20
echo "a second start ended after $((($(date +%s%N) - started) / 1000000)) ms"
expect_equal "exit code of a second start" 0 "$program_status"
if kill -0 $program 2>/dev/null && contents_visible; then
  echo "ok: the first copy runs on with its table of contents"
else
  echo "FAIL: the first copy lost its table of contents to a second start"
  failures=$((failures + 1))
fi
# "Quit" of the large table of contents template, at 8 x 16 dialog base units.
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
