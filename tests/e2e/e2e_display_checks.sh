#!/usr/bin/env bash
# The real start-up checks under Wine and Xvfb: the project prefix's system font and the test
# screen pass them and the newest version is recorded; a newer recorded version is warned of
# and the program goes on; without a course anywhere the program says so and ends with
# exit code 1.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

product='HKLM\Software\ORBANA\CorpusView'
course=$(make_course_dir)
nowhere=$(mktemp -d)
trap 'rm -rf "$course" "$nowhere"' EXIT

echo "== a first run records the program's version"
clear_program_registry
store_calibration 0
run_program_in "$course" "$exe" &
program=$!
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Newest Version" "5.0" "$(registry_value "$product" 'Newest Version')"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"

echo "== a newer version recorded: the warning, then the program goes on"
program_reg add "$product" /v 'Newest Version' /t REG_SZ /d 9.9 /f >/dev/null 2>&1
run_program_in "$course" "$exe" &
program=$!
answer_message_box "Obsolete Version Warning!" "$artifacts/obsolete-version.png"
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Newest Version" "9.9" "$(registry_value "$product" 'Newest Version')"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"

echo "== the off code at start-up, held long enough to be seen"
clear_program_registry
store_calibration 0
program_reg add 'HKLM\Software\ORBANA\Error Codes' /v TimeToGo /t REG_SZ /d 4000 /f \
  >/dev/null 2>&1
run_program_in "$course" "$exe" &
program=$!
red=255,0,0 green=0,255,0 yellow=255,255,0 white=255,255,255 black=0,0,0
if shot_when 512,0 $red "$artifacts/off-code-colours.png"; then
  expect_equal "coloured rows 0, 2, 4, 7, 8 and the band row 364" \
    "$red $green $yellow $yellow $black $black" \
    "$(pixels_of_one_shot "$artifacts/off-code-colours.png" 1,0 1,2 1000,4 1,7 1,8 1,364)"
else
  echo "FAIL: the off code's coloured rows were not seen"
  failures=$((failures + 1))
fi
if shot_when 512,380 $white "$artifacts/off-code-band.png"; then
  expect_equal "rows 7, 363, 364, 403 and 404" "$yellow $black $white $white $black" \
    "$(pixels_of_one_shot "$artifacts/off-code-band.png" 1,7 1,363 1023,364 1,403 1,404)"
else
  echo "FAIL: the off code's white band was not seen"
  failures=$((failures + 1))
fi
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"

echo "== no course here or on any drive"
clear_program_registry
store_calibration 0
run_program_in "$nowhere" "$exe" &
program=$!
answer_message_box "No Program Directory!" "$artifacts/no-program-directory.png"
wait_for_exit $program 60
expect_equal "exit code of a program that could not start" 1 "$program_status"
expect_equal "Newest Version" "" "$(registry_value "$product" 'Newest Version')"
expect_equal "Last Mode" "Lecture" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
