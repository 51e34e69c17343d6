#!/usr/bin/env bash
# Bad content on disk and a course CD taken out during a presentation, under Wine and
# Xvfb: a picture cut short, a script and a picture that are directories, then the whole
# course taken away in the middle of a Tutorial slide and put back. The program goes on
# with what it can read, never crashes or hangs, and the user can still reach the table
# of contents and Quit, which ends the program cleanly.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
clear_program_registry
store_calibration 0
skull="$course/Corpus/Skull"

# Slide 2's picture cut to half its length; slide 3's script and slide 4's picture
# replaced by directories of the same names.
picture=$(ls "$skull"/Slide2/*.duo | head -1)
truncate -s $(($(stat -c %s "$picture") / 2)) "$picture"
script=$(ls "$skull"/Slide3/*.scp | head -1)
rm -f "$script" && mkdir "$script"
picture=$(ls "$skull"/Slide4/*.duo | head -1)
rm -f "$picture" && mkdir "$picture"

check_alive() {
  if kill -0 "$program" 2>/dev/null && xdotool search --name CorpusView >/dev/null 2>&1; then
    echo "ok: the program is running ($1)"
  else
    echo "FAIL: the program is gone ($1)"
    failures=$((failures + 1))
  fi
}

run_program_in "$course" "$exe" &
program=$!
wait_for_program_window "CorpusView" 30
press_until_contents 30 || true

echo "== Lecture Mode through the bad slides"
begin_in_mode Lecture
sleep 2
for _ in $(seq 1 14); do
  xdotool mousemove 512 200 click 1
  sleep 0.5
done
screenshot "$artifacts/01-after-bad-slides.png"
check_alive "after slides with a cut picture, a script and a picture that are directories"
back_to_contents

echo "== Tutorial Mode: the course taken away in the middle of a slide, then put back"
begin_in_mode Tutorial
sleep 3
mv "$course/Corpus" "$course/Corpus.out"
sleep 12
screenshot "$artifacts/02-course-taken-away.png"
check_alive "with the course taken away"
mv "$course/Corpus.out" "$course/Corpus"
back_to_contents
screenshot "$artifacts/03-contents-again.png"
xdotool mousemove 120 690 click 1 # "Quit"
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
