#!/usr/bin/env bash
# A course author's way from a stereo camera's picture to a checked slide, each step one
# command: a side-by-side picture packed with --align, put into a slide, previewed as an
# anaglyph with the program's own code, and the whole course at a glance in a contact
# sheet. Slides the program cannot show whole make the preview fail with a reason.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"
tools=$native_tools_dir
# The launcher runs the Windows preview of the build under test.
export CORPUS_PREVIEW_EXE
CORPUS_PREVIEW_EXE=$preview_exe
rm -rf "$artifacts"
mkdir -p "$artifacts"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
skull="$course/Corpus/Skull"

echo "== a side-by-side camera picture (made here from a demo picture for cross viewing)"
picture=$(ls "$skull"/Slide2/*.duo | head -1)
"$tools/duo" compose --style cross "$picture" "$artifacts/camera-cross.png" >/dev/null
"$tools/duo" pack --side-by-side cross --align "$artifacts/camera-cross.png" \
  "$artifacts/aligned.duo" >"$artifacts/pack.txt"
cat "$artifacts/pack.txt"
check "pack measured the vertical misalignment" grep -q "^align: the two pictures stand on the same rows" \
  "$artifacts/pack.txt"
check "and placed the nearest part at the screen" grep -q "the nearest part now sits at the screen" \
  "$artifacts/pack.txt"
cp "$artifacts/aligned.duo" "$picture"

echo "== the slide with its new picture, as an anaglyph"
"$tools/slide-preview" --style anaglyph "$skull/Slide2" "$artifacts/slide2-anaglyph.png"
check "an anaglyph of 1024 x 728" test "$(identify -format %wx%h "$artifacts/slide2-anaglyph.png")" = 1024x728

echo "== slides the program cannot show whole"
cp -r "$skull/Slide3" "$artifacts/unknown-keyword"
mkdir -p "$course/Corpus/Broken"
for case in unknown-keyword no-script not-duo no-query; do
  rm -rf "$course/Corpus/Broken/Slide1"
  source=Slide3
  mode=lecture
  [ $case = no-query ] && source=Slide6 && mode=tutorial # the question of the Teeth slide
  cp -r "$skull/$source" "$course/Corpus/Broken/Slide1"
  slide="$course/Corpus/Broken/Slide1"
  case $case in
  unknown-keyword) printf 'Image front\nWobble 3\n' >"$(ls "$slide"/*.scp)" ;;
  no-script) rm "$slide"/*.scp ;;
  not-duo) cp "$course/Corpus/program/intro.bmp" "$(ls "$slide"/*.duo | head -1)" ;;
  no-query) rm "$slide"/*.qer ;;
  esac
  status=0
  "$tools/slide-preview" --mode $mode "$slide" "$artifacts/broken-$case.png" \
    2>"$artifacts/broken-$case.txt" || status=$?
  check "$case: the preview fails" test "$status" = 1
  check "$case: and says why" grep -q "cannot be shown whole" "$artifacts/broken-$case.txt"
done
rm -rf "$course/Corpus/Broken"

echo "== the course at a glance"
status=0
"$tools/contact-sheet" "$course/Corpus" "$artifacts/sheet" >"$artifacts/sheet.txt" || status=$?
# The Orbits slide's labels lie on its new picture now, where some read poorly: the one
# slide with problems, so the sheet exits with 1.
expect_equal "contact-sheet exit status" 1 "$status"
check "the slide with the new picture is the one with problems" \
  grep -q ": 21 slides, 1 with problems$" "$artifacts/sheet.txt"
tail -2 "$artifacts/sheet.txt"
slides=$(ls -d "$course"/Corpus/*/Slide* | wc -l)
check "progress for each slide" test "$(grep -c "^\[[0-9]*/$slides\]" "$artifacts/sheet.txt")" = "$slides"
check "every series on the page" test "$(grep -c '<h2>' "$artifacts/sheet/index.html")" = 4
check "a thumbnail for every slide" test "$(ls "$artifacts"/sheet/*/Slide*-thumb.jpg | wc -l)" = "$slides"
check "group pictures linked" grep -q 'href="Skull/Slide1-step2.png"' "$artifacts/sheet/index.html"
check "the element counts per mode" grep -q "elements: lecture [0-9]*, tutorial [0-9]*, quiz" \
  "$artifacts/sheet/index.html"
check "no external assets" test "$(grep -c 'http' "$artifacts/sheet/index.html")" = 0

echo "== a new course in one command, checked, at a glance and running"
mine="$course/MyCourse"
"$tools/new-course" "$mine" >"$artifacts/new-course.txt"
expect_equal "a second new-course into it is refused" 1 \
  "$("$tools/new-course" "$mine" >/dev/null 2>&1; echo $?)"
expect_equal "coursecheck finds nothing in the new course" 0 \
  "$("$tools/coursecheck" "$mine" >"$artifacts/new-course-check.txt" 2>&1; echo $?)"
expect_equal "its contact sheet lists no problem" 0 \
  "$("$tools/contact-sheet" "$mine" "$artifacts/new-sheet" >/dev/null 2>&1; echo $?)"
# A slide whose picture is no DUO file: the sheet exits 1 (0 with --no-fail), and its card
# names the picture as the author's path, never Wine's Z:\ form.
cp "$mine/program/intro.bmp" "$mine/MySeries/Slide1/picture.duo"
expect_equal "a sheet with a problem exits with 1" 1 \
  "$("$tools/contact-sheet" "$mine" "$artifacts/broken-sheet" >/dev/null 2>&1; echo $?)"
expect_equal "and with --no-fail with 0" 0 \
  "$("$tools/contact-sheet" --no-fail "$mine" "$artifacts/broken-sheet" >/dev/null 2>&1; echo $?)"
check "the card names the picture by its host path" \
  grep -q "$mine/MySeries/Slide1/picture.duo" "$artifacts/broken-sheet/index.html"
check "and never by Wine's drive letter" test "$(grep -c 'Z:' "$artifacts/broken-sheet/index.html")" = 0
rm -rf "$mine"
"$tools/new-course" "$mine" >/dev/null
clear_program_registry
store_calibration 0
CORPUSVIEW_EXE=$exe "$here/../../scripts/run" "$mine" >/dev/null 2>&1 &
program=$!
wait_for_program_window "CorpusView" 30
convert "$mine/program/intro.bmp" "$artifacts/new-intro.png"
check "./scripts/run shows the new course's intro picture" \
  wait_for_match "$artifacts/new-intro.png" "$(identify -format "%wx%h" "$artifacts/new-intro.png")+0+0" 20
press_until_contents 30 || true
screenshot "$artifacts/new-course-contents.png"
check "and its series' abstract in the table of contents" \
  test "$(count_colour 255,50,200 600x180+40+105)" -gt 200
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "the program ends with Quit" 0 "$program_status"
finish
