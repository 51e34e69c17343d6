#!/usr/bin/env bash
# The real program under Wine and Xvfb walks from its start to its end by itself on a
# course: its exit code is 0 and "Last Mode" is stored.
set -euo pipefail
exe=$1
artifacts=$2
source "$(dirname "$0")/lib.sh"

course=$(make_course_dir)
trap 'rm -rf "$course"' EXIT
clear_program_registry

run_program_in "$course" "$exe" &
program=$!
sleep 1
screenshot "$artifacts/start.png"
wait_for_exit $program 60
expect_equal "exit code" 0 "$program_status"
expect_equal "Last Mode" "Tutorial" "$(registry_value 'HKLM\Software\ORBANA\Lectern' 'Last Mode')"
finish
