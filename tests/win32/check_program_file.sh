#!/usr/bin/env bash
# The built program file as Windows will see it: a 32-bit (i386) GUI program that imports
# only Windows' own DLLs and whose resources request no execution level. A manifest with
# requestedExecutionLevel would turn off registry virtualization, and a standard user's
# settings under HKEY_LOCAL_MACHINE\SOFTWARE would then be lost.
set -euo pipefail
exe=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

headers=$("$objdump" -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit (pei-i386) program"
grep -Eq '^Magic[[:space:]]+010b' <<<"$headers" || fail "optional header is not PE32 (010b)"
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" ||
  fail "subsystem is not the Windows GUI (2)"

allowed=" ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL WINMM.DLL "
while read -r dll; do
  case "$allowed" in
    *" ${dll^^} "*) ;;
    *) fail "imports $dll, which is not one of Windows' own DLLs" ;;
  esac
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

if LC_ALL=C grep -aq 'requestedExecutionLevel' "$exe"; then
  fail "a manifest requests an execution level"
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "ok: $(basename "$exe") is a 32-bit GUI program importing only Windows' DLLs, no execution level requested"
