#!/usr/bin/env bash
# The course seen without the 3D adapter, under Wine and Xvfb with real clicks and keys.
# A first run in the adapter method takes the screens a software method must convert: the
# table of contents, slide 1 before and after two clicks, and the "Script File Error" box
# of a slide with a typo. Then:
#  - anaglyph (/view anaglyph) on a computer never calibrated: no calibration runs and none
#    is stored; the table of contents is the adapter's; each slide screen is the anaglyph
#    conversion of the adapter's at the same step; the
#    message box is the adapter's over the converted screen; Alt+F4 on a slide leaves the
#    desktop as it was; "Viewing" holds "anaglyph";
#  - side-by-side (/VIEW SIDE-BY-SIDE): the slide screens again, and a question whose pointer
#    follows the mouse, answered by a click in its region;
#  - a start without arguments keeps side-by-side;
#  - an unknown name: a message box, exit code 2, the choice kept.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
start_walk_on_course_copy "$@"
skull="$course/Corpus/Skull"
shots=$(mktemp -d)
trap 'rm -rf "$course" "$shots"' EXIT
# Slide 2 gets a typo: the "Script File Error" box shows in the middle of a presentation.
printf 'Imagee typo\r\n' >>"$(ls "$skull"/Slide2/*.scp | head -1)"

run_with() { # arguments of the program...
  (cd "$course" && exec wine "$exe" "$@" </dev/null >/dev/null 2>&1) &
  program=$!
}
start_with() { # arguments of the program...
  run_with "$@"
  wait_for_program_window "CorpusView" 30
}
# The frontal bone's line drawn at the second click, (388,108)-(516,112) in the upper view
# and (379,512)-(509,516) in the lower: a sloped line may step one pixel apart where Wine's
# X11 display draws it by the X server's rule and the memory frame by Windows' rule (as the
# user walk measures), so the output rows that show view rows 108 to 112 are counted apart.
line_box_anaglyph="379,226 516,240"
line_boxes_side_by_side=("194,226 258,240" "701,226 766,240")
# After two clicks: the screen equals the reference but for the line's boxes, where at most
# 64 pixels step apart: the user walk allows 16 stepped pixels in each view, each view row
# shows on up to three output rows, and the anaglyph mixes both views into each pixel.
expect_two_clicks() { # reference, boxes...
  local reference=$1 inside
  shift
  expect_screen "after two clicks too, the line aside" "$reference" 10 "$@"
  inside=$(($(differing_except "$reference") - $(differing_except "$reference" "$@")))
  check "at most 64 of the line's pixels step apart ($inside)" test "$inside" -le 64
}
# Lecture Mode, slide 1: the first screen, then two clicks.
slide1_steps() { # prefix of the screenshots
  begin_in_mode Lecture
  park_pointer
  sleep 4
  screenshot "$artifacts/$1-slide1.png"
  xdotool mousemove 512 200 click 1
  sleep 1
  xdotool mousemove 512 200 click 1
  sleep 1.5
  screenshot "$artifacts/$1-slide1-two-clicks.png"
}
# The chooser to slide 2, whose script has the typo; the box's place as "x0,y0 x1,y1".
to_slide2_box() { # screenshot
  box=""
  xdotool key n
  sleep 1.5
  xdotool mousemove 230 135 click 1 # slide 2's icon
  local id
  if ! id=$(wait_for_window "Script File Error" 20); then
    echo "FAIL: no \"Script File Error\" box"
    failures=$((failures + 1))
    return 0
  fi
  sleep 0.5
  screenshot "$1"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  box="$X,$Y $((X + WIDTH - 1)),$((Y + HEIGHT - 1))"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key Return
}

screenshot "$shots/desktop.png"

echo "== the adapter method: the screens to convert"
start_with
press_until_contents 40 || true
xdotool mousemove 1000 20 # away from the controls
sleep 1
screenshot "$artifacts/adapter-contents.png"
slide1_steps adapter
to_slide2_box "$artifacts/adapter-box.png"
adapter_box=${box:-}
sleep 2
back_to_contents
xdotool mousemove 120 690 click 1 # Quit
wait_for_exit $program 60
expect_equal "Viewing after the adapter run" "" \
  "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Viewing')"

echo "== anaglyph on a computer never calibrated"
program_reg delete 'HKLM\Software\ORBANA\Vertical Parallax' /f >/dev/null 2>&1 || true
# The mode the first start showed, so that the table of contents reads the same.
program_reg add 'HKLM\Software\ORBANA\Lectern' /v "Last Mode" /t REG_SZ /d Tutorial /f \
  >/dev/null 2>&1
start_with /view anaglyph
press_until_contents 40 || true
check "no calibration question" sh -c '! xdotool search --name "^No Calibration!\$" >/dev/null'
xdotool mousemove 1000 20
expect_screen "the table of contents is the adapter method's" \
  "$artifacts/adapter-contents.png" 10
for step in slide1 slide1-two-clicks; do
  converted anaglyph "$artifacts/adapter-$step.png" "$shots/expected-$step.png"
done
begin_in_mode Lecture
park_pointer
expect_screen "slide 1 is the anaglyph of the adapter's screen" "$shots/expected-slide1.png" 20
xdotool mousemove 512 200 click 1
sleep 1
xdotool mousemove 512 200 click 1
expect_two_clicks "$shots/expected-slide1-two-clicks.png" "$line_box_anaglyph"
screenshot "$artifacts/anaglyph-slide1-two-clicks.png"

echo "== a message box over the converted screen"
to_slide2_box "$artifacts/anaglyph-box.png"
if [ -n "$adapter_box" ] && [ -n "${box:-}" ]; then
  expect_equal "the box's place" "$adapter_box" "$box"
  # The script is read before anything is drawn: the adapter's screen around the box is the
  # black of the switch to 3D, so the converted screen around it is black too, and the
  # whole screen must be the adapter's.
  check "around the adapter's box the screen is black" test "$(convert \
    "$artifacts/adapter-box.png" -fill black -draw "rectangle ${box}" -format "%[max]" info:)" = 0
  expect_equal "pixels differing from the adapter's screen with the box" 0 \
    "$(compare -metric AE "$artifacts/adapter-box.png" "$artifacts/anaglyph-box.png" null: 2>&1 || true)"
fi

echo "== Alt+F4 on the slide"
sleep 2
xdotool key alt+F4
wait_for_exit $program 30
expect_equal "exit code after Alt+F4" 0 "$program_status"
expect_screen "the desktop is as it was" "$shots/desktop.png" 5
expect_equal "Viewing" "anaglyph" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Viewing')"
no_calibration_stored() { ! program_reg query 'HKLM\Software\ORBANA\Vertical Parallax' >/dev/null 2>&1; }
check "no calibration was stored" no_calibration_stored

echo "== side-by-side, and a question"
start_with /VIEW SIDE-BY-SIDE
press_until_contents 40 || true
for step in slide1 slide1-two-clicks; do
  converted side-by-side "$artifacts/adapter-$step.png" "$shots/sbs-expected-$step.png"
done
begin_in_mode Lecture
park_pointer
expect_screen "slide 1 is the side-by-side screen of the adapter's" \
  "$shots/sbs-expected-slide1.png" 20
xdotool mousemove 512 200 click 1
sleep 1
xdotool mousemove 512 200 click 1
expect_two_clicks "$shots/sbs-expected-slide1-two-clicks.png" "${line_boxes_side_by_side[@]}"
screenshot "$artifacts/side-by-side-slide1-two-clicks.png"

echo "== the stereo pointer side by side: shown after Up and a move, its depth changed by Up"
# A slide begins with the pointer hidden; Up shows it at the next mouse move, one step in
# step deeper. At (600, 250) its copies cover view columns 600 to 631 (the lower one as
# many columns further right as its depth) and rows 250 to 281: output columns 300 to 315
# of the left half and 812 to 830 of the right half, rows 527 to 593.
pointer_left="24x77+296+522"
pointer_right="30x77+804+522"
pixels_changed() { # before, after, region WxH+X+Y
  convert "$1" "$2" -compose difference -composite -crop "$3" +repage -threshold 0 \
    -format "%[fx:int(mean*w*h+0.5)]" info:
}
xdotool key Up
xdotool mousemove 600 250
sleep 1
screenshot "$shots/pointer-depth1.png"
before="$artifacts/side-by-side-slide1-two-clicks.png"
check "the pointer shows for the left eye" \
  test "$(pixels_changed "$before" "$shots/pointer-depth1.png" "$pointer_left")" -gt 20
check "and for the right eye" \
  test "$(pixels_changed "$before" "$shots/pointer-depth1.png" "$pointer_right")" -gt 20
xdotool key Up Up Up Up
sleep 1
screenshot "$artifacts/side-by-side-pointer-depth5.png"
check "four steps nearer, the left eye's copy stays" \
  test "$(pixels_changed "$shots/pointer-depth1.png" "$artifacts/side-by-side-pointer-depth5.png" "$pointer_left")" -eq 0
check "and the right eye's copy moves" \
  test "$(pixels_changed "$shots/pointer-depth1.png" "$artifacts/side-by-side-pointer-depth5.png" "$pointer_right")" -gt 0

query="$skull/Slide6/lower.qer"
read -r _ left top right bottom _ < <(sed -n 1p "$query" | tr -d '\r')
read -r t_left t_top t_right t_bottom < <(sed -n 5p "$query" | tr -d '\r')
# The panel's upper view in the left half: columns halved, rows times 768 / 364.
panel="$(((right - left) / 2))x$(((bottom - top) * 768 / 364))+$((left / 2))+$((top * 768 / 364 + 1))"
panel_black() { # more than three quarters of the panel black
  local black
  black=$(xwd -root -silent | convert xwd:- -crop "$panel" +repage -fill white \
    +opaque "rgb(0,0,0)" -format "%[fx:int((1-mean)*w*h+0.5)]" info:)
  [ "$black" -gt $(((right - left) / 2 * (bottom - top) * 768 / 364 * 3 / 4)) ]
}
panel_not_black() { ! panel_black; }
back_to_contents
begin_in_mode Tutorial
sleep 3
xdotool key n
sleep 2
xdotool mousemove 790 135 click 1 # slide 6's icon
xdotool mousemove 300 340
check_within 30 "the question's panel shows in the left half" panel_black
screenshot "$artifacts/side-by-side-question.png"
# The quiz's pointer follows the mouse: at (320, 300) its two copies cover view rows 300 to
# 331, columns 320 to 351, which side by side are output rows 632 to 700 and columns 160 to
# 175 of the left half and 672 to 687 of the right half.
xdotool mousemove 320 300
changed_pixels() { # region WxH+X+Y, or "outside" for all but the pointer's places
  local region=(-crop "$1" +repage)
  [ "$1" = outside ] && region=(-fill black -draw "rectangle 156,630 179,702"
    -draw "rectangle 668,630 691,702")
  screenshot "$shots/pointer.png"
  convert "$artifacts/side-by-side-question.png" "$shots/pointer.png" -compose difference \
    -composite "${region[@]}" -threshold 0 -format "%[fx:int(mean*w*h+0.5)]" info:
}
pointer_at() { test "$(changed_pixels "$1")" -gt 20; }
check_within 5 "the pointer shows where the mouse is, for the left eye" pointer_at 24x73+156+630
check "and for the right eye" pointer_at 24x73+668+630
check "and nowhere else" test "$(changed_pixels outside)" -eq 0
xdotool mousemove $(((t_left + t_right) / 2)) $(((t_top + t_bottom) / 2)) click 1
answered() { test "$(differing_pixels "$artifacts/side-by-side-question.png" "$panel")" -gt 50; }
check_within 3 "the click in the answer region is answered in the panel" answered
check_within 10 "and the question closes" panel_not_black
back_to_contents
xdotool mousemove 120 690 click 1 # Quit
wait_for_exit $program 60
expect_equal "Viewing" "side-by-side" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Viewing')"

echo "== the next start without arguments keeps side-by-side"
start_with
press_until_contents 40 || true
begin_in_mode Lecture
park_pointer
expect_screen "slide 1 in side-by-side" "$shots/sbs-expected-slide1.png" 20
xdotool key alt+F4
wait_for_exit $program 30

echo "== an unknown name"
run_with /view wiggle
answer_message_box "Unknown viewing method" "$artifacts/unknown-method.png"
wait_for_exit $program 20
expect_equal "exit code" 2 "$program_status"
expect_equal "Viewing is kept" "side-by-side" \
  "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Viewing')"
finish
