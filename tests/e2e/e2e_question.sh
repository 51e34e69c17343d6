#!/usr/bin/env bash
# A question of the demo course answered as a student would, under Wine and Xvfb with real
# mouse clicks: Tutorial Mode, the slide chooser to the Skull's "Teeth" slide, its question
# in both views, two wrong answers ("Try Again."), then the right one ("Correct!"); the
# screen under the panel and the pointer is as before the question, and the mouse is free.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

course=$(make_course_dir)
shots=$(mktemp -d)
trap 'rm -rf "$course" "$shots"' EXIT
clear_program_registry
store_calibration 0

slide=6
query="$course/Corpus/Skull/Slide$slide/lower.qer"
lower_top=404 # the lower view's first row with the stored parallax of 0
if [ ! -f "$query" ]; then
  echo "FAIL: the demo course has no question $query"
  exit 1
fi
# The panel (line 1) and the answer region (line 5) as the course's file gives them.
read -r _ left top right bottom depth < <(sed -n 1p "$query" | tr -d '\r')
read -r t_left t_top t_right t_bottom < <(sed -n 5p "$query" | tr -d '\r')
width=$((right - left + 1))
height=$((bottom - top + 1))
upper_panel="${width}x${height}+${left}+${top}"
lower_panel="${width}x${height}+$((left - depth))+$((top + lower_top))"
hit_x=$(((t_left + t_right) / 2))
hit_y=$(((t_top + t_bottom) / 2))
echo "panel $upper_panel (lower $lower_panel), answer region $t_left,$t_top-$t_right,$t_bottom"

# Pixels of one colour ("r,g,b") in a region WxH+X+Y of a picture.
count_colour_in() {
  convert "$1" -crop "$3" +repage -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}
# Pixels differing between two pictures over a region WxH+X+Y.
differing_in() {
  convert "$1" -crop "$3" +repage "$shots/a.png"
  convert "$2" -crop "$3" +repage "$shots/b.png"
  compare -metric AE "$shots/a.png" "$shots/b.png" null: 2>&1 || true
}
# Pure black pixels in a region WxH+X+Y of a picture.
count_black_in() {
  convert "$1" -crop "$2" +repage -fill white +opaque "rgb(0,0,0)" \
    -format "%[fx:int((1-mean)*w*h+0.5)]" info:
}
# The panel shows the question when it is mostly black with white text in both views.
panel_up() {
  local black white
  black=$(count_black_in "$1" "$upper_panel")
  white=$(count_colour_in "$1" 255,255,255 "$lower_panel")
  [ "$black" -gt $((width * height * 3 / 4)) ] && [ "$white" -gt 50 ]
}
run_program_in "$course" "$exe" &
program=$!
wait_for_program_window "CorpusView" 30
press_until_contents 40 || true

echo "== Tutorial Mode, then the slide chooser to slide $slide"
xdotool mousemove 470 646 click 1 # "  Tutorial Mode"
xdotool mousemove 903 689 click 1 # "Begin"
sleep 3
xdotool key n
sleep 2
xdotool mousemove 790 135 click 1 # slide 6's icon in the first row
xdotool mousemove 300 340

echo "== the screen just before the question, then the question"
n=0
found=0
before=""
while [ $n -lt 120 ]; do # screenshots 0.25 s apart, for 30 s at most
  shot="$shots/$n.png"
  n=$((n + 1))
  # A screenshot can fail while a window goes (xwd's BadWindow): take the next one.
  if screenshot "$shot" 2>/dev/null; then
    if panel_up "$shot"; then
      found=1
      break
    fi
    before=$shot
  fi
  sleep 0.25
done
check "the question opens on slide $slide" test $found -eq 1
if [ $found -ne 1 ]; then
  kill "$program" 2>/dev/null || true
  finish
fi
check "a screen was taken before it" test -n "$before"
before=${before:-$shot}
cp "$before" "$artifacts/01-before-question.png"

echo "== the preview's question equals the screen"
# slide-preview of the build under test in Tutorial flow; its standard error names the
# group that shows the question. The mouse rests at (300, 340): the quiz pointer is not
# drawn before it moves, but its places are masked in case the window system moved it.
# The "Upper teeth" line is counted apart, as in the user walk: a sloped line may step one
# pixel apart between Wine's X11 display and the memory screen.
sleep 0.5
screenshot "$artifacts/02-question-unmoved.png"
(cd "$course" && wine "$preview_exe" --groups --mode tutorial \
  "Corpus/Skull/Slide$slide" "$artifacts/preview-question.png" </dev/null >/dev/null \
  2>"$shots/preview.txt") || true
group=$(sed -n 's/.*question lower at group \([0-9]*\),.*/\1/p' "$shots/preview.txt")
check "the preview names the question's group" test -n "$group"
masks=(-fill black -draw "rectangle 300,340 331,371" -draw "rectangle 300,744 331,767"
  -draw "rectangle 590,128 841,180" -draw "rectangle 577,532 826,584")
differing_masked() { # screenshot, preview: pixels differing outside the masks
  convert "$1" "$2" -compose difference -composite -separate -evaluate-sequence max \
    -threshold 0 "${masks[@]}" -format "%[fx:int(mean*w*h+0.5)]" info:
}
preview="$artifacts/preview-question-step${group:-0}.png"
if [ -f "$preview" ]; then
  expect_equal "pixels differing from the preview's question, the line aside" 0 \
    "$(differing_masked "$artifacts/02-question-unmoved.png" "$preview")"
  check "the question's panel in the preview" \
    test "$(count_colour_in "$preview" 255,255,255 "$upper_panel")" -gt 50
else
  check "the preview wrote the question's group $preview" false
fi

xdotool mousemove 320 300 # the quiz's pointer appears once the mouse moves
sleep 0.7
screenshot "$artifacts/02-question.png"
check "the question in the upper view" \
  test "$(count_colour_in "$artifacts/02-question.png" 255,255,255 "$upper_panel")" -gt 50
check "the quiz pointer in the upper view" \
  test "$(pixel_at 335 316)" = "255,255,255"
check "and in the lower view, without disparity" \
  test "$(pixel_at 335 $((316 + lower_top)))" = "255,255,255"
check "the mouse is confined to the upper view" \
  sh -c "xdotool mousemove 320 700; sleep 0.3; xdotool getmouselocation | grep -q 'y:349 '"

echo "== two wrong answers, then the right one"
for attempt in 1 2; do
  xdotool mousemove 100 300 click 1
  sleep 0.7
  screenshot "$artifacts/03-try-again-$attempt.png"
  check "wrong answer $attempt is answered in the panel" \
    test "$(differing_in "$artifacts/02-question.png" "$artifacts/03-try-again-$attempt.png" \
      "$upper_panel")" -gt 100
  sleep 2
  screenshot "$shots/again-$attempt.png"
  check "the question shows again after 2 seconds" panel_up "$shots/again-$attempt.png"
done
check "both wrong answers read the same" \
  test "$(differing_in "$artifacts/03-try-again-1.png" "$artifacts/03-try-again-2.png" \
    "$upper_panel")" -eq 0
xdotool mousemove "$hit_x" "$hit_y" click 1
sleep 0.7
screenshot "$artifacts/04-correct.png"

# The slide goes on 2 seconds after the question closes: the screen is taken as soon as
# the panel is gone, and the answer is looked at afterwards.
after=""
for i in $(seq 1 40); do
  screenshot "$shots/after-$i.png" 2>/dev/null || continue
  if [ "$(count_black_in "$shots/after-$i.png" "$upper_panel")" -lt $((width * height / 4)) ]; then
    after="$artifacts/05-after-question.png"
    cp "$shots/after-$i.png" "$after"
    break
  fi
  sleep 0.05
done
echo "== the question closes 2 seconds after the answer"
check "the right answer reads otherwise than a wrong one" \
  test "$(differing_in "$artifacts/03-try-again-1.png" "$artifacts/04-correct.png" \
    "$upper_panel")" -gt 100
check "the answer is in the lower view too" \
  test "$(count_colour_in "$artifacts/04-correct.png" 255,255,255 "$lower_panel")" -gt 50
check "the question closed" test -n "$after"
[ -n "$after" ] || after="$shots/after-40.png"
for region in "$upper_panel" "$lower_panel"; do
  check "the screen under the panel at $region is as before the question" \
    test "$(differing_in "$before" "$after" "$region")" -eq 0
done
# The slide goes on at once with its "Lower teeth" label and line, in both views, at the
# places its script gives: everywhere else the screen is as before, under the pointer's
# places included. The box left out reaches from the text (drawn from its x, up to its
# baseline y) to the line's ends, the lower view's copy shifted left by its disparity.
label_box=$(awk -F'[ ,]+' '
  $1 == "Text" && $2 == "Lower" { tx = $4; ty = $5 }
  $1 == "Line" && tx != "" && lx == "" { lx = $2; ly = $3; mx = $5; my = $6 }
  END {
    left = (tx < lx ? tx : lx); right = (mx > lx ? mx : lx); right = (right > tx + 120 ? right : tx + 120)
    top = (my < ly ? my : ly); top = (top < ty - 24 ? top : ty - 24)
    bottom = (ly > ty ? ly : ty)
    print left - 80, top - 10, right + 20, bottom + 10
  }' "$course/Corpus/Skull/Slide6/"*.scp)
read -r box_left box_top box_right box_bottom <<<"$label_box"
mask_label() {
  convert "$1" -fill black -draw "rectangle $box_left,$box_top $box_right,$box_bottom" \
    -draw "rectangle $box_left,$((box_top + lower_top)) $box_right,$((box_bottom + lower_top))" "$2"
}
mask_label "$before" "$shots/before-masked.png"
mask_label "$after" "$shots/after-masked.png"
check "the whole screen but the new label is as before the question" \
  test "$(differing_in "$shots/before-masked.png" "$shots/after-masked.png" 1024x768+0+0)" -eq 0
xdotool mousemove 500 700
sleep 0.3
check "the mouse is free again" sh -c "xdotool getmouselocation | grep -q 'y:700 '"

echo "== Table of Contents and Quit"
xdotool key n
sleep 1.5
xdotool mousemove 232 672 click 1 # "Table of Contents"
press_until_contents 20 || true
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
finish
