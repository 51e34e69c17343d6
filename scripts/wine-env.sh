# Sourced by the test and demo scripts: a project-local Wine prefix configured for the
# program (Wine's own fonts, the Windows font names, no sound drivers) and an Xvfb screen
# of 1024 x 768. Functions: start_screen, prepare_prefix, start_wine, stop_wine_and_screen.

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$project_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64

started_xvfb_pid=""

# Starts Xvfb on a free display number unless `DISPLAY` is already set (or $1 is "own").
start_screen() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "own" ]; then
    return 0
  fi
  local number=90
  while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
  done
  Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  started_xvfb_pid=$!
  export DISPLAY=":${number}"
  local tries=0
  until xdpyinfo >/dev/null 2>&1 || xwd -root -silent >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
      echo "wine-env: Xvfb did not start on $DISPLAY" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Creates the prefix once and configures it; safe to call again.
prepare_prefix() {
  local marker="$WINEPREFIX/.corpusview-configured-5"
  if [ -f "$marker" ]; then
    return 0
  fi
  mkdir -p "$WINEPREFIX"
  # A prefix is marked as configured only when every step worked: a prefix made while Wine
  # could not run would otherwise lack the fonts and settings for good.
  if ! wine wineboot -i </dev/null >/dev/null 2>&1; then
    echo "wine-env: 'wine wineboot -i' failed: Wine cannot run here (see docs/wine.md)" >&2
    return 1
  fi
  wineserver -w
  # Debian's Wine does not load its own fonts: put them where Windows keeps fonts, so that
  # the System font gives the dialog base units Windows gives (8 x 16 at 96 DPI).
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  local settings="$WINEPREFIX/corpusview-settings.reg"
  cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Times"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
  # Unmanaged windows: with no window manager on the test screen, Wine otherwise waits
  # two seconds for every full-screen window to be withdrawn when it is destroyed.
  if ! wine regedit /S "$settings" </dev/null >/dev/null 2>&1; then
    echo "wine-env: the prefix's settings could not be imported" >&2
    return 1
  fi
  wineserver -w
  touch "$marker"
}

# A persistent wineserver with Wine's services already started, so that the test
# programs do not wait for the services' inherited pipes.
start_wine() {
  wineserver -p
  wine wineboot </dev/null >/dev/null 2>&1
}

stop_wine_and_screen() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "$started_xvfb_pid" ]; then
    kill "$started_xvfb_pid" 2>/dev/null || true
    wait "$started_xvfb_pid" 2>/dev/null || true
    started_xvfb_pid=""
  fi
}
