#!/usr/bin/env bash
# A student looks a term up in the index of the demo course, under Wine and Xvfb, with
# real mouse clicks and keys: a click on INDEX, the terms walked with the keyboard and
# their slides' icons seen, a term chosen, its slide with the term's annotations in both
# views (and nothing of the slide's own script), a click back to the table of contents,
# where the index opens again by itself on the same term, Enter shows that term again, a
# right click goes back, Escape leaves the index and the abstract is drawn again, and
# Quit stores "Lecture" as the last mode.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
clear_program_registry
store_calibration 0
corpus="$course/Corpus"

# Row n (from 1) of index.dat: sets term, series and slide.
index_row() {
  local line
  line=$(sed -n "${1}p" "$corpus/index.dat" | tr -d '\r')
  term=${line%%~*}
  local rest=${line#*~}
  series=${rest% *}
  slide=${rest##* }
}

# The index dialog stands where the table of contents showed its abstract and list.
index_region=170x300+130+150
index_visible() {
  [ "$(differing_pixels "$artifacts/contents.png" "$index_region")" -gt 15000 ]
}

# The icon drawn at (250, 50) equals the slide's icon file (its upper 55 rows, above the
# index list).
icon_shown() {
  local icon shot
  icon=$(ls "$corpus/$1/Slide$2"/*.icn | head -1)
  convert "bmp:$icon" -crop 96x55+0+0 +repage "$artifacts/icon-ref.png"
  shot=$(mktemp --suffix=.png)
  xwd -root -silent | convert xwd:- -crop 96x55+250+50 +repage "$shot"
  local differing
  differing=$(compare -metric AE "$shot" "$artifacts/icon-ref.png" null: 2>&1 || true)
  rm -f "$shot"
  [ "$differing" = "0" ]
}

# The index slide of the chosen term is on the screen: the composed picture with the
# term's annotations in both views and without the slide script's title.
index_slide_shown() {
  local upper lower
  upper=$(differing_pixels "$artifacts/term-composed.png" 1024x364+0+0)
  lower=$(differing_pixels "$artifacts/term-composed.png" 1024x364+0+404)
  [ "$upper" -gt 100 ] && [ "$upper" -lt 60000 ] && [ "$lower" -gt 100 ] && [ "$lower" -lt 60000 ]
}

index_row 2 # the second term: the first Down from the first row reaches it
echo "== the term: $term ($series, slide $slide)"
term_series=$series
term_slide=$slide
"$duo_tool" compose "$(ls "$corpus/$series/Slide$slide"/*.duo | head -1)" \
  "$artifacts/term-composed.png"

run_program_in "$course" "$exe" &
program=$!
wait_for_program_window "CorpusView" 30
press_until_contents 40 || true
sleep 1
screenshot "$artifacts/contents.png"

echo "== a real click on INDEX opens the index"
xdotool mousemove 910 526 click 1
check_within 10 "the index dialog shows over the table of contents" index_visible
sleep 0.5
screenshot "$artifacts/11-index-opened.png"
# Without an icon the place is the dialog's plain face, one colour (its "INDEX" title
# ends above it, its list begins below it).
check "no icon before the highlight moves" \
  test "$(xwd -root -silent | convert xwd:- -crop 96x40+250+55 +repage -format %k info:)" = "1"

echo "== the keyboard walks the terms; each shows its slide's icon"
xdotool key Tab Tab # from OK past Cancel into the list
xdotool key Down
sleep 1
check_within 5 "the icon of '$term'" icon_shown "$term_series" "$term_slide"
index_row 3
xdotool key Down
sleep 1
check_within 5 "the icon of '$term'" icon_shown "$series" "$slide"
xdotool key Up
sleep 1
check_within 5 "the first icon again" icon_shown "$term_series" "$term_slide"
screenshot "$artifacts/12-index-walked.png"

echo "== Enter shows the term's slide with its annotations"
xdotool key Return
check_within 20 "the slide's picture with annotations in both views" index_slide_shown
sleep 1
screenshot "$artifacts/13-index-slide.png"
check "no title of the slide's own script" \
  test "$(differing_pixels "$artifacts/term-composed.png" 1024x30+0+0)" = "0"
check "nor in the lower view" \
  test "$(differing_pixels "$artifacts/term-composed.png" 1024x30+0+404)" = "0"

echo "== a click goes back; the index opens again by itself on the same term"
xdotool mousemove 512 200 click 1
check_within 20 "the index opened again by itself" index_visible
sleep 0.5
screenshot "$artifacts/14-index-again.png"
xdotool key Return # OK holds the focus: the highlighted term is shown again
same_slide_shown() {
  [ "$(differing_pixels "$artifacts/13-index-slide.png" 1024x768+0+0)" = "0" ]
}
check_within 20 "the same term was highlighted: its slide again, pixel for pixel" \
  same_slide_shown

echo "== the right button goes back as the left; Escape leaves the index"
xdotool mousemove 512 200 click 3
wait_until 20 index_visible || true
sleep 0.5
xdotool key Escape
sleep 1.5
screenshot "$artifacts/15-contents-after-cancel.png"
check "the table of contents shows again" contents_visible
check "its abstract is drawn again" \
  test "$(differing_pixels "$artifacts/contents.png" 949x212+38+102)" -lt 200

echo "== Quit"
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Last Mode" "Lecture" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
