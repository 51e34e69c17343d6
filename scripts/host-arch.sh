# Sourced by the scripts: whether this host can run 32-bit x86 Linux programs, which 32-bit
# Wine (Debian's wine32) needs to run the 32-bit Windows program. Some kernels are built
# without that ability; there the Wine tests run a 64-bit build of the same sources.

# 0 when a minimal 32-bit x86 Linux program (it only exits with 0) runs here.
host_runs_32bit() {
  local probe status=0
  probe=$(mktemp)
  # ELF header (52 bytes), one loadable segment header (32 bytes), then the code:
  # xor eax,eax; inc eax; xor ebx,ebx; int 0x80 (exit 0).
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$probe"
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' >>"$probe"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' >>"$probe"
  printf '\x00\x00\x00\x00' >>"$probe"
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' >>"$probe"
  printf '\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
  printf '\x31\xc0\x40\x31\xdb\xcd\x80' >>"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=1
  rm -f "$probe"
  return $status
}

# The Windows build whose programs Wine runs here: the 32-bit program where the host runs
# 32-bit code, otherwise the 64-bit build of the same sources.
wine_test_preset() {
  if host_runs_32bit; then echo win32; else echo win64; fi
}
