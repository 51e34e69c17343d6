#!/usr/bin/env bash
# A course author's way from a stereo camera's picture to a checked slide, each step one
# command: a side-by-side picture packed with --align, put into a slide, previewed as an
# anaglyph with the program's own code, and the whole course at a glance in a contact
# sheet. Slides the program cannot show whole make the preview fail with a reason.
set -euo pipefail
exe=$1
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
tools="$here/../../build/native/tools"
# The launcher runs the Windows preview of the build under test.
export CORPUS_PREVIEW_EXE
CORPUS_PREVIEW_EXE="$(dirname "$exe")/tools/slide-preview.exe"
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
expect_equal "contact-sheet exit status" 0 "$status"
tail -2 "$artifacts/sheet.txt"
slides=$(ls -d "$course"/Corpus/*/Slide* | wc -l)
check "progress for each slide" test "$(grep -c "^\[[0-9]*/$slides\]" "$artifacts/sheet.txt")" = "$slides"
check "every series on the page" test "$(grep -c '<h2>' "$artifacts/sheet/index.html")" = 4
check "a thumbnail for every slide" test "$(ls "$artifacts"/sheet/*/Slide*-thumb.jpg | wc -l)" = "$slides"
check "group pictures linked" grep -q 'href="Skull/Slide1-step2.png"' "$artifacts/sheet/index.html"
check "the element counts per mode" grep -q "elements: lecture [0-9]*, tutorial [0-9]*, quiz" \
  "$artifacts/sheet/index.html"
check "no external assets" test "$(grep -c 'http' "$artifacts/sheet/index.html")" = 0
finish
