#!/usr/bin/env bash
# The installation as a user meets it, on the demo course's two CDs: drive letters of the
# prefix on the volumes' directories (switched as a CD is changed) and a target drive letter
# on a temporary directory. Accept the offer, choose the target, insert Volume I, then
# Volume II; the copy equals both volumes merged, the record and the Start Menu entry are
# made, and the next start runs from the copy with no CD in any drive. Then a refusal is
# recorded with today's date and not offered again, and with no content anywhere the
# program says so and ends. The prefix's drive letters are put back afterwards.
set -euo pipefail
exe=$1
artifacts=$2
source "$(dirname "$0")/lib.sh"

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
answer_message_box "Installation Opportunity!" "$artifacts/01-offer.png"
choose_drive t
answer_message_box "Ready To Start" "$artifacts/03-ready.png"
# The copy in progress: the text and the bar, drawn over the program's black screen.
copying=""
for _ in $(seq 1 100); do
  if [ "$(pixel_at 312 324)" != "0,0,0" ]; then
    screenshot "$artifacts/04-copying.png"
    copying=yes
    break
  fi
  sleep 0.1
done
expect_equal "the progress bar shown while copying" yes "$copying"
if id=$(wait_for_window "Insert CD" 120); then
  echo "ok: the prompt for Volume II is shown"
  screenshot "$artifacts/05-insert-volume-two.png"
  # The CD is changed: Volume I out of D:, Volume II into E:.
  put_in_drive d: "$work/empty-drive"
  put_in_drive e: "$work/VolumeII"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key Return
else
  echo "FAIL: no prompt for Volume II"
  failures=$((failures + 1))
fi
answer_message_box "Installation Complete!" "$artifacts/06-complete.png"
leave_through_intro_and_quit
wait_for_exit $program 120
expect_equal "exit code" 0 "$program_status"

expected="$work/expected"
cp -r "$demo/HardDisk/Corpus" "$expected"
cp "$exe" "$expected/program/CorpusView.exe"
if diff -r "$expected" "$work/target/Corpus" >"$work/diff.txt"; then
  echo "ok: the copy equals both volumes merged with the combined files"
else
  echo "FAIL: the copy differs from both volumes merged:"
  head -20 "$work/diff.txt"
  failures=$((failures + 1))
fi
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

echo "== no content anywhere"
put_in_drive d: "$work/empty-drive"
forget_program_registry
store_calibration 0
start_program
answer_message_box "No Program Directory!" "$artifacts/09-no-program-directory.png"
wait_for_exit $program 60
expect_equal "exit code (the program could not start)" 1 "$program_status"
finish
