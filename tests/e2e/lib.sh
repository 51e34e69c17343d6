# Shared steps of the end-to-end tests: a course to run on, the program under Wine, waits,
# screenshots, pixel probes and registry reads. Expects DISPLAY and WINEPREFIX from the
# test command's environment.
failures=0

# Where the builds put the program's tools, the native author tools and the demo course
# (`preview_exe`, `duo_tool`, `native_tools_dir`, ...), and `registry_view_of`.
# shellcheck source=../../scripts/build-layout.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../../scripts/build-layout.sh"

# The opening of every walk, from the script's arguments (the program under test, the
# artifacts' directory): sets `exe`, `artifacts` (made) and `here` (the walks' folder).
begin_walk() {
  exe=$1
  artifacts=$2
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  mkdir -p "$artifacts"
}

# The start of a walk on a copy of the demo course: begin_walk, then `course` (removed at
# the end); no settings of the program but a stored calibration of 0, so that none runs
# and the lower view starts at row 404.
start_walk_on_course_copy() {
  begin_walk "$@"
  course=$(make_course_dir)
  trap 'rm -rf "$course"' EXIT
  clear_program_registry
  store_calibration 0
}

# A temporary directory holding a course the program finds in its current directory: a
# copy of the demo course's hard-disk copy (or of CORPUS_DEMO_COURSE, a directory holding
# Corpus), else an empty Corpus.
make_course_dir() {
  local dir source=${CORPUS_DEMO_COURSE:-$demo_course_dir/HardDisk}
  dir=$(mktemp -d)
  if [ -d "$source/Corpus" ]; then
    cp -r "$source/Corpus" "$dir/"
  else
    mkdir -p "$dir/Corpus/program"
  fi
  echo "$dir"
}

# The program's registry values as the program under test (`exe`) sees them: the 32-bit
# program sees the prefix's Wow6432Node view, a 64-bit build the other one. Plain `wine reg`
# picks its view by what Wine has installed, so the view is named, read from the program
# file itself.
program_reg() {
  local view
  if ! view=$(registry_view_of "$exe"); then
    echo "FAIL: $exe is not a Windows program file: no registry view" >&2
    return 1
  fi
  wine reg "$@" "/reg:$view" </dev/null
}

# Forgets everything the program recorded.
forget_program_registry() {
  program_reg delete 'HKLM\Software\ORBANA' /f >/dev/null 2>&1 || true
}

# Every drive letter of the prefix lies on a host directory and reports the host's free
# space, so the program offers to install the course at every start without a record. The
# walks that are not about the installation begin on a computer where the program has
# recorded nothing but a refusal of that offer today.
clear_program_registry() {
  forget_program_registry
  program_reg add 'HKLM\Software\ORBANA\CorpusView' /v Path /t REG_SZ /d Declined /f \
    >/dev/null 2>&1
  program_reg add 'HKLM\Software\ORBANA\CorpusView' /v LastDeclined /t REG_SZ \
    /d "$(date -u +%-d:%-m:%Y)" /f >/dev/null 2>&1
}

# A calibration stored as a calibrated computer has it, so that none runs.
store_calibration() {
  program_reg add 'HKLM\Software\ORBANA\Vertical Parallax' /v 768 /t REG_SZ /d "$1" /f \
    >/dev/null 2>&1
}

# Waits up to `seconds` for a window titled `title`; prints its id.
wait_for_window() {
  local title=$1 seconds=$2 waited=0 id
  while [ $waited -lt $((seconds * 10)) ]; do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  return 1
}

# Answers the message box titled `title` with Return (or the keys given third), after a
# screenshot of it.
answer_message_box() {
  local title=$1 shot=$2 keys=${3:-Return} id
  if ! id=$(wait_for_window "$title" 20); then
    echo "FAIL: no message box \"$title\""
    failures=$((failures + 1))
    return 0
  fi
  echo "ok: message box \"$title\" shown"
  sleep 0.3
  screenshot "$shot"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  # shellcheck disable=SC2086 # several keys
  xdotool key $keys
}

# Waits until a window of that name exists.
wait_for_program_window() {
  local name=$1 seconds=$2 waited=0
  until xdotool search --name "$name" >/dev/null 2>&1; do
    if [ $waited -ge $((seconds * 10)) ]; then
      echo "FAIL: no window '$name' within ${seconds} s"
      failures=$((failures + 1))
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

# Whether the table of contents is on the screen: its face around the abstract's black
# band.
contents_visible() {
  local shot
  shot=$(xwd -root -silent | convert xwd:- -format \
    "%[fx:int(255*p{300,60}.r)],%[fx:int(255*p{60,600}.g)],%[fx:int(255*p{512,200}.b)]" info:)
  [ "$shot" = "245,245,0" ]
}

# Presses Shift (a key that ends the intro and does nothing in the table of contents)
# until the table of contents shows; 1 when it never does within `seconds`.
press_until_contents() {
  local seconds=$1 tries=0
  while [ $tries -lt $((seconds * 2)) ]; do
    if contents_visible; then
      return 0
    fi
    xdotool key shift
    sleep 0.5
    tries=$((tries + 1))
  done
  echo "FAIL: the table of contents did not show within ${seconds} s"
  failures=$((failures + 1))
  return 1
}

# As a user who only wants out: a key ends the intro, then "Quit" of the table of
# contents (the large template at 8 x 16 dialog base units puts it at 39,666-202,712).
leave_through_intro_and_quit() {
  press_until_contents 40 || return 0
  xdotool mousemove 120 690 click 1
}

# From a slide back to the table of contents: a key opens the slide chooser, then its
# "Table of Contents" button. Nothing is pressed when the table of contents already shows
# (a series that ran to its end), where that button's place is another control's.
back_to_contents() {
  if ! contents_visible; then
    xdotool key n
    sleep 1.5
    xdotool mousemove 232 672 click 1
  fi
  press_until_contents 30 || true
}

# Checks a mode in the table of contents ("Lecture" or "Tutorial") and begins.
begin_in_mode() {
  case $1 in
  Lecture) xdotool mousemove 470 604 click 1 ;; # "  Lecture Mode"
  Tutorial) xdotool mousemove 470 646 click 1 ;; # "  Tutorial Mode"
  esac
  xdotool mousemove 903 689 click 1 # "Begin"
}

# Runs the program with `dir` as its current directory (in the foreground; add &).
run_program_in() {
  local dir=$1 exe=$2
  (cd "$dir" && exec wine "$exe" </dev/null >/dev/null 2>&1)
}

# Waits for a background program to end; sets program_status (124 on time-out).
wait_for_exit() {
  local pid=$1 seconds=$2 waited=0
  while kill -0 "$pid" 2>/dev/null; do
    if [ $waited -ge $((seconds * 10)) ]; then
      echo "FAIL: the program did not end within ${seconds} s"
      failures=$((failures + 1))
      kill "$pid" 2>/dev/null || true
      # Ending the wine command leaves the Windows program running, and a running copy
      # would send every later start of this prefix away: end it inside the prefix.
      wine taskkill /f /im CorpusView.exe </dev/null >/dev/null 2>&1 || true
      program_status=124
      return 0
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  program_status=0
  wait "$pid" || program_status=$?
}

screenshot() {
  mkdir -p "$(dirname "$1")"
  xwd -root -silent | convert xwd:- "$1"
}

# The colour of one screen pixel as "r,g,b".
pixel_at() {
  xwd -root -silent | convert xwd:- -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# The colours of several pixels of one screenshot, "r,g,b" each, space-separated.
pixels_of_one_shot() {
  local file=$1 expression="" point
  shift
  for point in "$@"; do
    expression+="%[fx:int(255*p{${point}}.r)],%[fx:int(255*p{${point}}.g)],%[fx:int(255*p{${point}}.b)] "
  done
  convert "$file" -format "${expression% }" info:
}
# Takes screenshots until the pixel at $1 has colour $2 (at most 15 s); 1 when it never does.
shot_when() {
  local point=$1 colour=$2 file=$3 tries=0
  while [ $tries -lt 60 ]; do
    screenshot "$file"
    if [ "$(pixels_of_one_shot "$file" "$point")" = "$colour" ]; then
      return 0
    fi
    sleep 0.25
    tries=$((tries + 1))
  done
  return 1
}

registry_value() {
  program_reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'index($0, name) { sub(/.*REG_SZ[ \t]*/, ""); print; exit }'
}

# Pixels of the screen differing from an image file, over a region WxH+X+Y.
differing_pixels() {
  local reference=$1 region=$2 shot
  shot=$(mktemp --suffix=.png)
  xwd -root -silent | convert xwd:- -crop "$region" +repage "$shot"
  convert "$reference" -crop "$region" +repage "$shot.ref.png"
  compare -metric AE "$shot" "$shot.ref.png" null: 2>&1 || true
  rm -f "$shot" "$shot.ref.png"
}

# Waits until the screen's region matches the reference exactly (at most `seconds`).
wait_for_match() {
  local reference=$1 region=$2 seconds=$3 tries=0
  while [ $tries -lt $((seconds * 4)) ]; do
    [ "$(differing_pixels "$reference" "$region")" = "0" ] && return 0
    sleep 0.25
    tries=$((tries + 1))
  done
  return 1
}

# Pixels of the whole screen differing from a reference, leaving out rectangles
# "x0,y0 x1,y1" (blacked out in both before the comparison).
differing_except() {
  local reference=$1 shot draw=()
  shift
  for rectangle in "$@"; do draw+=(-draw "rectangle $rectangle"); done
  shot=$(mktemp --suffix=.png)
  xwd -root -silent | convert xwd:- -fill black "${draw[@]}" "$shot"
  convert "$reference" -fill black "${draw[@]}" "$shot.ref.png"
  compare -metric AE "$shot" "$shot.ref.png" null: 2>&1 || true
  rm -f "$shot" "$shot.ref.png"
}

# Waits until the whole screen is the reference but for the rectangles given (at most
# `seconds`).
wait_for_screen() { # reference, seconds, rectangles...
  local reference=$1 seconds=$2 tries=0
  shift 2
  while [ $tries -lt $((seconds * 4)) ]; do
    [ "$(differing_except "$reference" "$@")" = "0" ] && return 0
    sleep 0.25
    tries=$((tries + 1))
  done
  return 1
}

# The screen a viewing method shows for the adapter's screen `in` (its lower view from row
# 404), with the eyes exchanged when "swap" follows.
converted() { # method, in, out, [swap]
  convert "$2" -depth 8 rgb:- | "$conversion" "$1" 404 ${4:-} |
    convert -size 1024x768 -depth 8 rgb:- "$3"
}

# Checks that the whole screen becomes the reference but for the rectangles given, within
# `seconds`; a failure keeps the screen it saw.
expect_screen() { # description, reference, seconds, rectangles left out...
  local description=$1 reference=$2 seconds=$3
  shift 3
  if wait_for_screen "$reference" "$seconds" "$@"; then
    echo "ok: $description"
  else
    echo "FAIL: $description ($(differing_except "$reference" "$@") pixels differ)"
    failures=$((failures + 1))
    screenshot "$artifacts/failed-$(date +%s%N)-$(basename "$reference")"
  fi
}

# Lecture Mode shows the stereo pointer where the mouse stands, in both views; a mouse
# move reaches the program whenever a dialog or a box leaves the mouse over its window.
# `park_pointer` moves the mouse to (512, 200), so that the pointer's 32 x 32 squares are
# at (512, 200) and, at depth 0 with the lower view from row 404, at (512, 604): the two
# rectangles that whole-screen comparisons of Lecture slides leave out.
pointer_squares=("512,200 543,231" "512,604 543,635")
park_pointer() {
  xdotool mousemove 512 200
  sleep 0.5
}

# Pixels of one colour ("r,g,b") in a region WxH+X+Y of the screen.
count_colour() {
  xwd -root -silent | convert xwd:- -crop "$2" +repage -fill black +opaque "rgb($1)" \
    -fill white -opaque "rgb($1)" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Waits until a condition (a command) holds, at most `seconds`; 1 when it never does.
wait_until() {
  local seconds=$1 tries=0
  shift
  while [ $tries -lt $((seconds * 4)) ]; do
    "$@" && return 0
    sleep 0.25
    tries=$((tries + 1))
  done
  return 1
}

# check, for a condition that may take up to `seconds` to come true.
check_within() { # seconds, description, condition
  check "$2" wait_until "$1" "${@:3}"
}

check() { # description, condition (a command)
  if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

expect_equal() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  else
    echo "ok: $1 = '$3'"
  fi
}

finish() {
  if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
