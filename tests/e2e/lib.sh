# Shared steps of the end-to-end tests: a course to run on, the program under Wine, waits,
# screenshots, pixel probes and registry reads. Expects DISPLAY and WINEPREFIX from the
# test command's environment.
failures=0

# A temporary directory holding a course the program finds in its current directory.
# With CORPUS_DEMO_COURSE set (a HardDisk directory of the demo course) it is copied.
make_course_dir() {
  local dir
  dir=$(mktemp -d)
  if [ -n "${CORPUS_DEMO_COURSE:-}" ] && [ -d "$CORPUS_DEMO_COURSE/Corpus" ]; then
    cp -r "$CORPUS_DEMO_COURSE/Corpus" "$dir/"
  else
    mkdir -p "$dir/Corpus/program"
  fi
  echo "$dir"
}

# The program's registry values as the 32-bit program sees them (the Wow6432Node view of
# the prefix): plain `wine reg` picks its view by what Wine has installed, so name it.
program_reg() {
  wine reg "$@" /reg:32 </dev/null
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

registry_value() {
  program_reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'index($0, name) { sub(/.*REG_SZ[ \t]*/, ""); print; exit }'
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
