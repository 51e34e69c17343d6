# Sourced by the scripts and the end-to-end tests: where the builds put the program, its
# tools and the demo course, and which registry view a program file sees. The demo, the
# run command and the tests take every such path from here, so that they agree on every
# kind of host.

build_layout_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=host-arch.sh
source "$build_layout_root/scripts/host-arch.sh"

# The Windows build that Wine runs here (win32 where the host runs 32-bit code, else win64),
# asked once per shell.
if [ -z "${CORPUS_WINE_PRESET:-}" ]; then
  CORPUS_WINE_PRESET=$(wine_test_preset)
  export CORPUS_WINE_PRESET
fi
wine_build_dir="$build_layout_root/build/$CORPUS_WINE_PRESET"
program_exe="$wine_build_dir/CorpusView.exe"
preview_exe="$wine_build_dir/tools/slide-preview.exe"
native_tools_dir="$build_layout_root/build/native/tools"
duo_tool="$native_tools_dir/duo"
# The end-to-end walks' converter of an adapter screen into a viewing method's screen.
conversion="$build_layout_root/build/native/tests/screen-conversion"
demo_course_dir="$build_layout_root/build/native/demo-course"

# The registry view ("32" or "64") that a Windows program file sees: a 32-bit program's
# HKEY_LOCAL_MACHINE\SOFTWARE is the prefix's Wow6432Node, a 64-bit program's is not. Read
# from the file's own PE header (the machine field), so that no caller can disagree with the
# program it runs.
registry_view_of() {
  local file=$1 header machine
  header=$(od -An -t u4 -j 60 -N 4 "$file" 2>/dev/null | tr -d ' ')
  [ -n "$header" ] || return 1
  machine=$(od -An -t x2 -j $((header + 4)) -N 2 "$file" 2>/dev/null | tr -d ' ')
  case $machine in
  014c) echo 32 ;;
  8664) echo 64 ;;
  *) return 1 ;;
  esac
}
