#!/usr/bin/env bash
# The installation as a user meets it, on the demo course's two CDs: drive letters of the
# prefix on the volumes' directories (switched as a CD is changed) and a target drive letter
# on a temporary directory. Accept the offer, choose the target, insert Volume I, then
# Volume II; the copy equals both volumes merged (a link on the CD copied as nothing), the
# record and the Start Menu entry are made, and the next start runs from the copy with no CD
# in any drive. Then a refusal is recorded with today's date and not offered again. Then,
# with the target drive's letter before the CD's: a copy that fails partway (a file on the
# CD that the copy cannot take) leaves nothing behind and the course runs from the CD, then
# and at the next start; tried again with the CD mended it completes. A close from outside
# during the copy ends the program and leaves nothing behind, and the next start runs.
# Last, with no content anywhere the program says so and ends. The prefix's drive letters
# are put back afterwards.
set -euo pipefail
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
begin_walk "$@"

product='HKLM\Software\ORBANA\CorpusView'
demo=$demo_course_dir
dosdevices="$WINEPREFIX/dosdevices"
letters="d: e: t:"
work=$(mktemp -d)
saved="$work/saved-dosdevices"
mkdir -p "$saved"

# The prefix's own links of the letters this walk uses, put back when it ends.
for letter in $letters; do
  if [ -e "$dosdevices/$letter" ] || [ -L "$dosdevices/$letter" ]; then
    mv "$dosdevices/$letter" "$saved/$letter"
  fi
done
# Wine's mount manager learns the drive letters when the wineserver starts: the letters are
# made with the server stopped, and only their targets change while it runs (a CD change).
restart_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p </dev/null >/dev/null 2>&1 # not holding the test's output open
  wine wineboot </dev/null >/dev/null 2>&1
}
restore_drives() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  for letter in $letters; do
    rm -f "$dosdevices/$letter"
    if [ -e "$saved/$letter" ] || [ -L "$saved/$letter" ]; then
      mv "$saved/$letter" "$dosdevices/$letter"
    fi
  done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
  wineserver -p </dev/null >/dev/null 2>&1 # not holding the test's output open
  wine wineboot </dev/null >/dev/null 2>&1
}
trap restore_drives EXIT

# The CDs: the volumes with the program file on Volume II, read-only as files on a CD are.
for volume in VolumeI VolumeII; do
  cp -r "$demo/$volume" "$work/$volume"
done
cp "$exe" "$work/VolumeII/Corpus/program/CorpusView.exe"
# A link on Volume I back up its own tree: Wine shows a host symbolic link as a reparse
# point; entered, it would copy the tree again and again.
ln -s .. "$work/VolumeI/Corpus/Heart/loop"
chmod -R a-w "$work/VolumeI" "$work/VolumeII"
mkdir -p "$work/empty-drive" "$work/target" "$work/nowhere"

# What a drive holds: a CD, or nothing.
put_in_drive() {
  rm -f "$dosdevices/$1"
  ln -s "$2" "$dosdevices/$1"
}

# Chooses the row of `drive` in the drive selection (the list has the focus; typing a
# letter selects its drive), then OK by the keyboard (Enter does nothing there).
choose_drive() {
  local id
  if ! id=$(wait_for_window "Drive Select" 20); then
    echo "FAIL: no drive selection"
    failures=$((failures + 1))
    return 0
  fi
  echo "ok: the drive selection is shown"
  sleep 0.3
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key "$1"
  sleep 0.3
  screenshot "$artifacts/02-drive-select.png"
  xdotool key Return
  sleep 0.5
  if ! xdotool search --name "^Drive Select\$" >/dev/null 2>&1; then
    echo "FAIL: Enter ended the drive selection"
    failures=$((failures + 1))
    return 0
  fi
  xdotool key Tab space
}

# The copy screen's bar has been drawn.
copy_screen_shown() {
  [ "$(pixel_at 312 324)" != "0,0,0" ]
}

# Accepts the offer, chooses the drive and answers "Ready To Start".
install_onto() { # drive letter, screenshot of the offer, screenshot of the ready box
  answer_message_box "Installation Opportunity!" "$2"
  choose_drive "$1"
  answer_message_box "Ready To Start" "$3"
}

start_program() {
  run_program_in "$work/nowhere" "$exe" &
  program=$!
}

echo "== accept the offer, choose the target drive, insert Volume I, then Volume II"
forget_program_registry
store_calibration 0
put_in_drive d: "$work/VolumeI"
put_in_drive e: "$work/empty-drive"
put_in_drive t: "$work/target"
restart_wineserver
start_program
install_onto t "$artifacts/01-offer.png" "$artifacts/03-ready.png"
# The copy in progress: the text and the bar, drawn over the program's black screen.
check_within 10 "the progress bar shown while copying" copy_screen_shown
screenshot "$artifacts/04-copying.png"
# The CD is changed: Volume I out of D:, Volume II into E:.
change_to_volume_two() {
  put_in_drive d: "$work/empty-drive"
  put_in_drive e: "$work/VolumeII"
}
wait_for_window "Insert CD" 120 >/dev/null && change_to_volume_two
answer_message_box "Insert CD" "$artifacts/05-insert-volume-two.png"
answer_message_box "Installation Complete!" "$artifacts/06-complete.png"
leave_through_intro_and_quit
wait_for_exit $program 120
expect_equal "exit code" 0 "$program_status"

expected="$work/expected"
cp -r "$demo/HardDisk/Corpus" "$expected"
cp "$exe" "$expected/program/CorpusView.exe"
# Whether a copy equals both volumes merged with the combined files.
check_copy() { # what, the copy
  if diff -r "$expected" "$2" >"$work/diff.txt"; then
    echo "ok: $1 equals both volumes merged with the combined files"
  else
    echo "FAIL: $1 differs from both volumes merged:"
    head -20 "$work/diff.txt"
    failures=$((failures + 1))
  fi
}
check_copy "the copy" "$work/target/Corpus"
# Read-only is cleared on everything copied; the three combined files keep the CD's flag.
expect_equal "read-only files in the copy" \
  "config.dat index.dat program/intro.bmp" \
  "$(cd "$work/target/Corpus" && find . -type f ! -perm -u+w | sed 's|^\./||' | sort | xargs)"
expect_equal "Path" 'T:\Corpus' "$(registry_value "$product" Path)"
start_menu=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' \
  /v 'Start Menu' </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[ \t]*//p')
start_menu_unix=$(winepath -u "$start_menu" 2>/dev/null </dev/null)
if cmp -s "$exe" "$start_menu_unix/CorpusView.exe"; then
  echo "ok: the program is in the Start Menu folder ($start_menu)"
else
  echo "FAIL: no program in the Start Menu folder '$start_menu'"
  failures=$((failures + 1))
fi
rm -f "$start_menu_unix/CorpusView.exe"

echo "== the next start runs from the copy with no CD in any drive"
put_in_drive e: "$work/empty-drive"
start_program
press_until_contents 40 || true
screenshot "$artifacts/07-contents-from-the-copy.png"
expect_equal "an offer on a computer with the installation" "" \
  "$(xdotool search --name '^Installation Opportunity!$' 2>/dev/null || true)"
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"

echo "== No is recorded with today's date, and the next start makes no offer"
chmod -R u+w "$work/target" && rm -rf "$work/target/Corpus"
put_in_drive d: "$work/VolumeI"
forget_program_registry
store_calibration 0
start_program
answer_message_box "Installation Opportunity!" "$artifacts/08-offer-declined.png" n
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Path" Declined "$(registry_value "$product" Path)"
expect_equal "LastDeclined" "$(date -u +%-d:%-m:%Y)" "$(registry_value "$product" LastDeclined)"
start_program
press_until_contents 40 || true
expect_equal "an offer after today's refusal" "" \
  "$(xdotool search --name '^Installation Opportunity!$' 2>/dev/null || true)"
xdotool mousemove 120 690 click 1
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "target drive untouched" "" "$(ls "$work/target")"

echo "== a copy that fails partway: the target drive D: before the CD in E:"
# The CD has a file the copy cannot take: its path is over the 199 characters the copy
# allows. (A file made unreadable would not do: the tests run as root, and Wine reads it.)
chmod -R u+w "$work/VolumeI"
long_name="$work/VolumeI/Corpus/Heart/$(printf 'n%.0s' $(seq 1 190)).txt"
echo "too long" >"$long_name"
mkdir -p "$work/early-target"
put_in_drive d: "$work/early-target"
put_in_drive e: "$work/VolumeI"
forget_program_registry
store_calibration 0
start_program
install_onto d "$artifacts/10-offer.png" "$artifacts/11-ready.png"
if wait_for_window "Installation Not Completed" 120 >/dev/null; then
  answer_message_box "Installation Not Completed" "$artifacts/12-not-completed.png"
else
  echo "FAIL: no box saying the installation was not completed"
  failures=$((failures + 1))
fi
leave_through_intro_and_quit # the course runs, from the CD
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "what the failed copy left on the target" "" "$(ls -A "$work/early-target")"
expect_equal "Path after a failed copy" "" "$(registry_value "$product" Path)"

echo "== the next start offers again and runs from the CD"
start_program
answer_message_box "Installation Opportunity!" "$artifacts/13-offer-again.png" n
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"

echo "== tried again with the CD readable, the installation completes"
rm -f "$long_name"
forget_program_registry
store_calibration 0
start_program
install_onto d "$artifacts/14-offer.png" "$artifacts/15-ready.png"
wait_for_window "Insert CD" 120 >/dev/null && put_in_drive e: "$work/VolumeII"
answer_message_box "Insert CD" "$artifacts/16-insert-volume-two.png"
answer_message_box "Installation Complete!" "$artifacts/17-complete.png"
leave_through_intro_and_quit
wait_for_exit $program 120
expect_equal "exit code" 0 "$program_status"
check_copy "the second attempt's copy" "$work/early-target/Corpus"
expect_equal "Path after the second attempt" 'D:\Corpus' "$(registry_value "$product" Path)"
expect_equal "what is beside the copy" "Corpus" "$(ls -A "$work/early-target")"
rm -f "$start_menu_unix/CorpusView.exe"

echo "== a close from outside during the copy ends the program and leaves nothing"
chmod -R u+w "$work/early-target" && rm -rf "$work/early-target/Corpus"
# A Volume I with many small files, so that the copy lasts.
cp -r "$work/VolumeI" "$work/VolumeI-long"
mkdir -p "$work/VolumeI-long/Corpus/many"
(cd "$work/VolumeI-long/Corpus/many" && seq 1 4000 | xargs touch)
put_in_drive e: "$work/VolumeI-long"
forget_program_registry
store_calibration 0
start_program
install_onto d "$artifacts/18-offer.png" "$artifacts/19-ready.png"
check_within 10 "the copy under way" copy_screen_shown
# As the task bar's Close or End task does: WM_CLOSE to the program's window.
wine taskkill /im CorpusView.exe </dev/null >/dev/null 2>&1 || true
wait_for_exit $program 60
expect_equal "exit code after the close" 0 "$program_status"
expect_equal "what the closed copy left on the target" "" "$(ls -A "$work/early-target")"
expect_equal "Path after the close" "" "$(registry_value "$product" Path)"

echo "== the next start runs"
put_in_drive e: "$work/VolumeI"
start_program
answer_message_box "Installation Opportunity!" "$artifacts/20-offer-after-close.png" n
leave_through_intro_and_quit
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"

echo "== no content anywhere"
put_in_drive d: "$work/empty-drive"
put_in_drive e: "$work/empty-drive"
forget_program_registry
store_calibration 0
start_program
answer_message_box "No Program Directory!" "$artifacts/09-no-program-directory.png"
wait_for_exit $program 60
expect_equal "exit code (the program could not start)" 1 "$program_status"
finish
