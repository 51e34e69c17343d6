#!/usr/bin/env bash
# The demo's walk in a viewing method (./scripts/demo --headless --view NAME [--swap]): a run
# in the adapter method takes the screens the method must convert (slide 1 and its first two
# clicks in Lecture Mode); then a run with /view NAME shows the table of contents as
# designed and each of those screens converted by the method, and the choice is kept.
# Arguments: the program, the artifacts' directory, the method, and "swap" or nothing.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
method=$3
swap=${4:-}
start_walk_on_course_copy "$1" "$2"
# Both runs open the table of contents with Lecture Mode checked, so that it reads the same.
program_reg add 'HKLM\Software\ORBANA\Lectern' /v "Last Mode" /t REG_SZ /d Lecture /f \
  >/dev/null 2>&1
view_args=(/view "$method")
[ "$swap" = swap ] && view_args+=(/swap)

# Places a comparison leaves out, in the adapter's screen: the stereo pointer's squares and
# the frontal bone's line (a sloped line may step one pixel apart where Wine's X11 display
# draws it by the X server's rule and a memory frame by Windows' rule). The method's mask
# is the same places converted: white wherever the output shows one of them.
convert -size 1024x768 xc:black -fill white -draw "rectangle 512,200 543,231" \
  -draw "rectangle 512,604 543,635" -draw "rectangle 388,108 516,112" \
  -draw "rectangle 379,512 509,516" "$artifacts/mask-adapter.png"
converted "$method" "$artifacts/mask-adapter.png" "$artifacts/mask-converted.png" $swap
convert "$artifacts/mask-converted.png" -threshold 0 "$artifacts/mask.png"
# Pixels of the screen differing from a reference outside the mask.
differing_outside_mask() { # reference
  xwd -root -silent | convert xwd:- "$1" -compose difference -composite -separate \
    -evaluate-sequence max -threshold 0 \( "$artifacts/mask.png" -negate \) \
    -compose multiply -composite -format "%[fx:int(mean*w*h+0.5)]" info:
}
matches_outside_mask() { test "$(differing_outside_mask "$1")" = 0; }

slide1_steps() { # prefix of the screenshots
  begin_in_mode Lecture
  park_pointer
  sleep 4
  screenshot "$artifacts/$1-slide1.png"
  for click in 1 2; do
    xdotool mousemove 512 200 click 1
    sleep 1.5
    screenshot "$artifacts/$1-slide1-click$click.png"
  done
}
quit_from_slide() {
  back_to_contents
  xdotool mousemove 120 690 click 1 # Quit
  wait_for_exit $program 60
}

echo "== the adapter method: the screens to convert"
(cd "$course" && exec wine "$exe" /view adapter </dev/null >/dev/null 2>&1) &
program=$!
wait_for_program_window "CorpusView" 30
press_until_contents 40 || true
xdotool mousemove 1000 20
sleep 1
screenshot "$artifacts/adapter-contents.png"
slide1_steps adapter
quit_from_slide

echo "== $method: the table of contents as designed"
(cd "$course" && exec wine "$exe" "${view_args[@]}" </dev/null >/dev/null 2>&1) &
program=$!
wait_for_program_window "CorpusView" 30
press_until_contents 40 || true
xdotool mousemove 1000 20
check "the table of contents is the adapter method's" \
  wait_for_match "$artifacts/adapter-contents.png" 1024x768+0+0 10

echo "== $method: slide 1 and two clicks, each the adapter's screen converted"
begin_in_mode Lecture
park_pointer
for step in slide1 slide1-click1 slide1-click2; do
  converted "$method" "$artifacts/adapter-$step.png" "$artifacts/expected-$step.png" $swap
  [ "$step" = slide1 ] || { xdotool mousemove 512 200 click 1; }
  check_within 20 "$step is the $method screen of the adapter's" \
    matches_outside_mask "$artifacts/expected-$step.png"
  screenshot "$artifacts/$method-$step.png"
done

echo "== the choice is kept"
quit_from_slide
expect_equal "exit code" 0 "$program_status"
expect_equal "Viewing" "$method${swap:+ swap}" \
  "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Viewing')"
finish
