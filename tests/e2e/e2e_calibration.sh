#!/usr/bin/env bash
# The first start on a computer without a stored calibration, under Wine and Xvfb, answered
# with real keys and clicks as a user would: "No" to the first question ends the program; a
# close request (Alt+F4) on the alignment screen ends it; a colour test not seen as yellow
# ends it with the troubleshooting text; none of these writes anything. A whole calibration
# (the colour test, the red line moved with the arrow keys, a click) stores the correction
# and the switching settings, and the next start asks nothing and puts the lower view of
# the first slide where the stored correction says, exactly as `duo compose --parallax`.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
parallax_key='HKLM\Software\ORBANA\Vertical Parallax'
codes_key='HKLM\Software\ORBANA\Error Codes'
red=255,0,0 green=0,255,0 black=0,0,0

key_missing() {
  ! program_reg query "$1" >/dev/null 2>&1
}

# After a start that ended the program: the shutdown ran and nothing was stored. The exit
# code is 1 where the program could not start (a refusal, a failed colour test) and 0 for a
# close request.
expect_ended_with_nothing_stored() { # what, exit code
  wait_for_exit $program 60
  expect_equal "$1: exit code" "$2" "$program_status"
  check "$1: no correction key" key_missing "$parallax_key"
  check "$1: no switching settings" key_missing "$codes_key"
  expect_equal "$1: the shutdown stored the mode" "Lecture" \
    "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
}

# A start with no calibration stored, up to the first question, answered with `key`.
start_uncalibrated() {
  clear_program_registry
  run_program_in "$course" "$exe" &
  program=$!
  wait_for_window "No Calibration!" 90 >/dev/null || true # Wine starts slowly on a busy host
  answer_message_box "No Calibration!" "$artifacts/$1-first-question.png" "$2"
}

# From "Glasses Off!" through the colour test to the "Test Results" question (not answered).
through_the_colour_test() {
  answer_message_box "Glasses Off!" "$artifacts/$1-glasses-off.png"
  answer_message_box "About to test." "$artifacts/$1-about-to-test.png"
  local shot="$artifacts/$1-colour-test.png"
  if shot_when 512,100 $red "$shot"; then
    # Rows across the whole screen, the middle included, where the message box stood.
    expect_equal "$1: red rows 0 to 363, the band black, green rows 404 to 767" \
      "$red $red $red $black $black $green $green $green" \
      "$(pixels_of_one_shot "$shot" 0,0 512,330 1023,363 512,364 1023,403 0,404 512,440 1023,767)"
  else
    echo "FAIL: $1: the colour test was not seen"
    failures=$((failures + 1))
  fi
  # The halves stay for 10 seconds, then the question comes.
  sleep 5
  check "$1: still the colour test after 5 s" test "$(pixel_at 512 600)" = "$green"
}

focus_program_window() {
  local id
  id=$(xdotool search --name '^CorpusView$' 2>/dev/null | head -1 || true)
  [ -n "$id" ] && xdotool windowfocus --sync "$id" 2>/dev/null || true
}

# The red line's row: the first red pixel of column 512 in the lower view, seen from above.
red_line_top() {
  local shot
  shot=$(mktemp --suffix=.png)
  screenshot "$shot"
  convert "$shot" -crop 1x404+512+364 +repage -fill black +opaque "rgb($red)" txt:- |
    awk -F'[,:]' '/#FF0000/ { print $2 + 364; exit }'
  rm -f "$shot"
}

# Through the alignment question to the alignment screen.
to_the_alignment_screen() {
  answer_message_box "Test Results" "$artifacts/$1-test-results.png" y
  answer_message_box "Vertical Alignment." "$artifacts/$1-vertical-alignment.png"
  if ! shot_when 512,180 $green "$artifacts/$1-alignment.png"; then
    echo "FAIL: $1: the alignment screen was not seen"
    failures=$((failures + 1))
  fi
  focus_program_window
}

echo "== No to the first question: the program ends"
start_uncalibrated refusal n
answer_message_box "Connect Hardware" "$artifacts/refusal-connect-hardware.png"
expect_ended_with_nothing_stored "refusal" 1

echo "== Alt+F4 on the alignment screen: the program ends"
start_uncalibrated close Return
through_the_colour_test close
to_the_alignment_screen close
xdotool key Down Down
sleep 0.5
xdotool key alt+F4
expect_ended_with_nothing_stored "Alt+F4" 0

echo "== the colour test not seen as yellow: the troubleshooting text, the program ends"
start_uncalibrated failed Return
through_the_colour_test failed
answer_message_box "Test Results" "$artifacts/failed-test-results.png" n
answer_message_box "Troubleshooting." "$artifacts/failed-troubleshooting.png"
expect_ended_with_nothing_stored "failed test" 1

echo "== a whole calibration"
start_uncalibrated calibration Return
through_the_colour_test calibration
to_the_alignment_screen calibration
shot="$artifacts/calibration-alignment.png"
expect_equal "the green line on row 180 from 412 to 612, the red one on row 584" \
  "$black $green $green $black $red $black" \
  "$(pixels_of_one_shot "$shot" 405,180 413,180 611,180 619,180 512,584 512,300)"
check "the two white texts in the upper view" \
  test "$(count_colour 255,255,255 1024x40+0+110)" -gt 200 -a \
  "$(count_colour 255,255,255 1024x40+0+210)" -gt 100
start=$(red_line_top)
xdotool key Up Up Up Up Up
sleep 0.5
expect_equal "five Ups move the red line up five rows" $((start - 5)) "$(red_line_top)"
xdotool key Down
sleep 0.5
expect_equal "one Down moves it back one row" $((start - 4)) "$(red_line_top)"
xdotool key Left Return space
xdotool mousemove 300 500
sleep 0.5
expect_equal "other keys and a mouse move leave it" $((start - 4)) "$(red_line_top)"
screenshot "$artifacts/calibration-aligned.png"
xdotool click 1
answer_message_box "Put on glasses!." "$artifacts/calibration-glasses-on.png"
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "the stored correction" "-4" "$(registry_value "$parallax_key" 768)"
expect_equal "LinesToGo" 64 "$(registry_value "$codes_key" LinesToGo)"
expect_equal "LinesToNoGo" 40 "$(registry_value "$codes_key" LinesToNoGo)"
expect_equal "TimeToGo" 300 "$(registry_value "$codes_key" TimeToGo)"

echo "== the next start asks nothing and shows the lower view at the correction"
slide1="$course/Corpus/Skull/Slide1/front.duo"
"$duo_tool" compose --parallax -4 "$slide1" "$artifacts/slide1-parallax-4.png"
"$duo_tool" compose "$slide1" "$artifacts/slide1-parallax-0.png"
run_program_in "$course" "$exe" &
program=$!
press_until_contents 40 || true
check "no calibration question" test -z "$(xdotool search --name '^No Calibration!$' 2>/dev/null || true)"
xdotool mousemove 470 604 click 1 # "  Lecture Mode"
xdotool mousemove 903 689 click 1 # "Begin"
if wait_for_match "$artifacts/slide1-parallax-4.png" 1024x768+0+0 20; then
  echo "ok: the screen is the first slide composed with a correction of -4"
else
  echo "FAIL: the first slide is not the picture composed with -4 ($(differing_pixels \
    "$artifacts/slide1-parallax-4.png" 1024x768+0+0) pixels differ)"
  failures=$((failures + 1))
fi
screenshot "$artifacts/next-start-slide1.png"
check "and not the picture without the correction" \
  test "$(differing_pixels "$artifacts/slide1-parallax-0.png" 1024x768+0+0)" -gt 1000
xdotool key n
sleep 1.5
xdotool mousemove 232 672 click 1 # "Table of Contents"
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "the correction stays" "-4" "$(registry_value "$parallax_key" 768)"
finish
