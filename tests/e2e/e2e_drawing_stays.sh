#!/usr/bin/env bash
# What the program draws stays on the screen, on content bright where the windows and
# boxes stand (dark pictures hide a window face or a hole drawn over them): a copy of the
# demo course whose Skull series has pictures bright to every corner and band edge and
# bright help pictures, written here. One run of the program walks through: the first
# picture after the table of contents, compared whole; the help picture of each mode
# opened six times, each time checked a second after Help; "Image Load Error" over the
# help dialog; a slide with a script typo ("Script File Error") over a bright picture;
# "Obsolete file warning!" in the middle of a slide.
#
# Whole-screen comparisons take in every pixel but those named where they are made: the
# help dialog's Continue button, drawn over the help picture on purpose, and in Lecture
# Mode the stereo pointer's two squares where the test parks the mouse (lib.sh).
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
start_walk_on_course_copy "$@"
work="$course/pictures-made-here"
mkdir -p "$work"
program="$course/Corpus/program"
skull="$course/Corpus/Skull"

# --- the bright course -------------------------------------------------------------
# Views of 1024 x 364 are packed pixel for pixel: gradients bright from corner to corner,
# different in the two views so that a view in the wrong place shows.
convert -size 1024x364 gradient:'rgb(255,250,170)-rgb(170,250,255)' "$work/upper.png"
convert -size 1024x364 gradient:'rgb(250,200,255)-rgb(255,255,190)' -rotate 180 "$work/lower.png"
convert -size 1024x364 gradient:'rgb(200,255,200)-rgb(255,220,220)' "$work/upper2.png"
"$duo_tool" pack "$work/upper.png" "$work/lower.png" "$skull/Slide1/bright.duo" >/dev/null
"$duo_tool" pack "$work/upper2.png" "$work/lower.png" "$skull/Slide2/bright2.duo" >/dev/null
cp "$skull/Slide1/bright.duo" "$skull/Slide3/bright.duo"
"$duo_tool" compose "$skull/Slide1/bright.duo" "$artifacts/bright-composed.png"
"$duo_tool" compose "$skull/Slide2/bright2.duo" "$artifacts/bright2-composed.png"
# A ".duo" that is really a BMP file: the obsolete-file warning.
convert -size 64x64 xc:white BMP3:"$skull/Slide3/old.duo"
rm -f "$skull"/Slide[123]/*.scp
printf 'Image bright\nDelay 1000\nMark\n' >"$skull/Slide1/bright.scp"
printf 'Image bright2\nImagee typo\nDelay 1000\n' >"$skull/Slide2/typo.scp"
printf 'Image old\nImage bright\nDelay 1000\nMark\n' >"$skull/Slide3/old.scp"
for slide in "$skull"/Slide*; do
  case "$slide" in */Slide[123]) ;; *) rm -rf "$slide" ;; esac
done
# Help pictures of 256 colours, one per mode, bright to the edges.
help_picture() { # file, gradient
  convert -size 1024x768 gradient:"$2" -colors 200 -type Palette -compress None BMP3:"$1"
  convert "$1" "$1.png"
}
help_picture "$work/helplect.bmp" 'rgb(255,255,140)-rgb(255,255,255)'
help_picture "$work/helpauto.bmp" 'rgb(140,255,255)-rgb(255,180,255)'
cp "$work/helplect.bmp" "$work/helpauto.bmp" "$program/"
check "the help pictures are 8-bit" test "$(od -An -tu2 -j28 -N2 "$work/helplect.bmp" | tr -d ' ')" = 8

# --- checks ------------------------------------------------------------------------

# Waits for the message box of that caption, notes where it stands (box_region as
# WxH+X+Y) and answers OK.
answer_box() { # caption
  local box
  wait_for_program_window "$1" 20
  box=$(xdotool search --name "$1" | head -1)
  [ -n "$box" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$box")"
  box_region="${WIDTH}x${HEIGHT}+${X}+${Y}"
  screenshot "$artifacts/box-$(echo "$1" | tr -c 'A-Za-z' '-').png"
  xdotool windowfocus --sync "$box"
  xdotool key Return
}

# The help picture of the mode in use, opened and left `times` times from the chooser;
# each time the screen a second after Help is the picture, the Continue button aside.
open_help_repeatedly() { # picture, times
  local picture=$1 times=$2 round whole=0 differing
  for round in $(seq 1 "$times"); do
    xdotool mousemove 798 672 click 1 # the chooser's "Help"
    sleep 1
    differing=$(differing_except "$picture" "810,655 985,715")
    if [ "$differing" = "0" ]; then
      whole=$((whole + 1))
    else
      echo "help picture round $round: $differing pixels differ"
      screenshot "$artifacts/help-round-$round.png"
    fi
    xdotool mousemove 897 685 click 1 # "Continue"
    sleep 0.7
  done
  expect_equal "help pictures whole a second after Help" "$times" "$whole"
}

# --- the walk ----------------------------------------------------------------------
run_program_in "$course" "$exe" &
program_pid=$!
wait_for_program_window "CorpusView" 30
press_until_contents 40 || true

echo "== Lecture: the first picture after the table of contents, every pixel"
begin_in_mode Lecture
park_pointer
expect_screen "slide 1 is the composed bright picture, the pointer aside" \
  "$artifacts/bright-composed.png" 20 "${pointer_squares[@]}"
screenshot "$artifacts/01-lecture-slide1.png"

echo "== Lecture: the help picture six times"
xdotool key n
sleep 1.5
open_help_repeatedly "$work/helplect.bmp.png" 6

echo "== Image Load Error over the help dialog"
convert "$work/helplect.bmp" -type TrueColor -compress None BMP3:"$program/helplect.bmp"
xdotool mousemove 798 672 click 1
sleep 1
face=$(pixel_at 400 40)
answer_box "Image Load Error"
sleep 1
screenshot "$artifacts/02-after-image-load-error.png"
box_width=${box_region%%x*}
box_height=${box_region#*x}
box_height=${box_height%%+*}
check "where the box stood the help dialog's face ($face) shows again" \
  test "$(count_colour "$face" "$box_region")" -eq $((box_width * box_height))
xdotool mousemove 897 685 click 1 # "Continue"
sleep 1

echo "== Script File Error over a bright picture"
xdotool mousemove 230 140 click 1 # slide 2
answer_box "Script File Error"
park_pointer
expect_screen "after OK slide 2 is its whole picture, the pointer aside" \
  "$artifacts/bright2-composed.png" 10 "${pointer_squares[@]}"
screenshot "$artifacts/03-after-script-error.png"

echo "== Tutorial: the help picture six times"
back_to_contents
begin_in_mode Tutorial
expect_screen "Tutorial slide 1 is the composed bright picture" \
  "$artifacts/bright-composed.png" 20
xdotool key n
sleep 1.5
open_help_repeatedly "$work/helpauto.bmp.png" 6

echo "== Obsolete file warning! in the middle of a slide"
xdotool mousemove 370 140 click 1 # slide 3
answer_box "Obsolete file warning!"
expect_screen "the picture after the warning is whole" "$artifacts/bright-composed.png" 10
screenshot "$artifacts/04-after-obsolete-warning.png"

echo "== back to the table of contents and Quit"
back_to_contents
xdotool mousemove 120 690 click 1 # "Quit"
wait_for_exit $program_pid 60
expect_equal "exit code" 0 "$program_status"
finish
