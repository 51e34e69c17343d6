#!/usr/bin/env bash
# A student's first complete use of the program on the demo course, under Wine and Xvfb,
# with real mouse clicks and keys: the intro, the table of contents and its abstracts, a
# Lecture presentation click by click, the slide chooser with Help, a jump to slide 9, a
# narrated Tutorial slide, and Quit. Screens are checked by pixel probes and against the
# screen image that `duo compose` makes of the same picture file.
set -euo pipefail
exe=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
duo_tool="$here/../../build/native/tools/duo"
mkdir -p "$artifacts"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
clear_program_registry
store_calibration 0
skull="$course/Corpus/Skull"

"$duo_tool" compose "$skull/Slide1/front.duo" "$artifacts/slide1-composed.png"
slide9_duo=$(ls "$skull"/Slide9/*.duo | head -1)
"$duo_tool" compose "$slide9_duo" "$artifacts/slide9-composed.png"

run_program_in "$course" "$exe" &
program=$!
wait_for_program_window "CorpusView" 30

echo "== the intro picture, then a key"
sleep 2
screenshot "$artifacts/01-intro.png"
check "the intro picture is drawn" test "$(pixel_at 512 300)" != "245,245,245"
press_until_contents 30 || true
screenshot "$artifacts/02-contents.png"
check "the abstract text of the first series in its colour" \
  test "$(count_colour 255,50,200 600x180+40+105)" -gt 200

echo "== the abstract follows the selection"
before=$(mktemp --suffix=.png)
xwd -root -silent | convert xwd:- -crop 949x212+38+102 +repage "$before"
xdotool mousemove 400 352 click 1 # the second row of the list
sleep 1
screenshot "$artifacts/03-second-series.png"
check "a new abstract is drawn" test "$(differing_pixels "$before" 949x212+38+102)" -gt 1000
xdotool mousemove 400 320 click 1 # back to the first series
sleep 0.5

echo "== Lecture Mode, Begin: the first picture in both views and nothing else"
xdotool mousemove 470 604 click 1 # "  Lecture Mode"
xdotool mousemove 903 689 click 1 # "Begin"
if wait_for_match "$artifacts/slide1-composed.png" 1024x768+0+0 20; then
  echo "ok: the screen is exactly the composed picture of slide 1"
else
  echo "FAIL: slide 1 is not the composed picture ($(differing_pixels \
    "$artifacts/slide1-composed.png" 1024x768+0+0) pixels differ)"
  failures=$((failures + 1))
fi
screenshot "$artifacts/04-lecture-slide1.png"

echo "== each click draws the next group, in both views"
xdotool mousemove 512 200 click 1
sleep 1
screenshot "$artifacts/05-lecture-first-click.png"
check "the title is drawn in the upper view" \
  test "$(differing_pixels "$artifacts/slide1-composed.png" 1024x30+0+0)" -gt 100
check "and in the lower view" \
  test "$(differing_pixels "$artifacts/slide1-composed.png" 1024x30+0+404)" -gt 100
check "the frontal bone label waits for the next click" \
  test "$(count_colour 255,255,0 160x30+236+95)" -eq 0
xdotool mousemove 512 200 click 1
sleep 1
screenshot "$artifacts/06-lecture-second-click.png"
check "the frontal bone label is drawn in yellow" \
  test "$(count_colour 255,255,0 160x30+236+95)" -gt 20
check "and in the lower view, shifted by its disparity" \
  test "$(count_colour 255,255,0 160x30+227+499)" -gt 20

echo "== a key opens the slide chooser"
xdotool key n
sleep 1.5
screenshot "$artifacts/07-chooser.png"
check "the current slide's label is red" test "$(count_colour 255,0,0 100x20+40+75)" -gt 20
check "the other labels are black" test "$(count_colour 255,0,0 100x20+180+75)" -eq 0
check "icons are drawn" test "$(pixel_at 90 140)" != "245,245,245"

echo "== Help and Continue"
xdotool mousemove 798 672 click 1
sleep 1.5
screenshot "$artifacts/08-help.png"
xdotool mousemove 897 685 click 1
sleep 1.5

echo "== a click on slide 9 shows slide 9"
xdotool mousemove 230 280 click 1
if wait_for_match "$artifacts/slide9-composed.png" 1024x768+0+0 20; then
  echo "ok: slide 9's picture is on the screen"
else
  echo "FAIL: slide 9 is not on the screen"
  failures=$((failures + 1))
fi
screenshot "$artifacts/09-slide9.png"

echo "== Table of Contents, Tutorial Mode: a narrated slide runs by itself"
xdotool key n
sleep 1.5
xdotool mousemove 232 672 click 1 # "Table of Contents"
press_until_contents 20 || true
xdotool mousemove 470 646 click 1 # "  Tutorial Mode"
xdotool mousemove 903 689 click 1 # "Begin"
sleep 6
screenshot "$artifacts/10-tutorial.png"
check "the title came without a click" \
  test "$(differing_pixels "$artifacts/slide1-composed.png" 1024x30+0+0)" -gt 100

echo "== back to the table of contents and Quit"
xdotool key n
sleep 1.5
xdotool mousemove 232 672 click 1
press_until_contents 20 || true
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
