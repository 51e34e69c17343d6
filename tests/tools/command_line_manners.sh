#!/usr/bin/env bash
# Every author tool keeps the command-line manners: --help and -h print the usage on
# standard output and exit 0; an unknown option prints the problem and the usage on
# standard error and exits 2; an option-like argument is never made into a file or folder.
# Arguments: the tools' paths.
set -u
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

check() {
  local what=$1 expected=$2 got=$3
  if [ "$expected" != "$got" ]; then
    echo "FAIL: $what: expected $expected, got $got"
    failures=$((failures + 1))
  fi
}

for tool in "$@"; do
  name=$(basename "$tool")
  for help in --help -h; do
    "$tool" "$help" >out 2>err
    check "$name $help exit code" 0 $?
    check "$name $help usage on standard output" 1 "$(grep -c -m1 '^usage' out)"
    check "$name $help nothing on standard error" 0 "$(wc -c <err)"
  done
  "$tool" --frobnicate >out 2>err
  check "$name --frobnicate exit code" 2 $?
  check "$name --frobnicate nothing on standard output" 0 "$(wc -c <out)"
  check "$name --frobnicate names the problem" 1 "$(grep -c -m1 -- '--frobnicate' err)"
  check "$name leaves no file named like an option" 0 "$(find . -name '-*' | wc -l)"
done

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "command-line manners: $# tools"
