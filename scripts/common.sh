# Sourced by the scripts in this folder: build, virtual display and Wine prefix.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

build_all() {
  cmake -S "$ROOT" -B "$BUILD/x64" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-x86_64-w64-mingw32.cmake"
  cmake --build "$BUILD/x64"
  cmake -S "$ROOT" -B "$BUILD/i686" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-w64-mingw32.cmake" \
        -DBUILD_TESTING=OFF
  cmake --build "$BUILD/i686"
}

# Starts Xvfb on a free display number and exports DISPLAY; XVFB_PID names the process.
start_virtual_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

# A new prefix takes half a minute to boot; do it once, before the timed work. A crashing test
# must end with a backtrace, not wait for someone to close the crash dialog.
# managed=N suits the virtual display, which has no window manager: unmanaged windows spare Wine
# a two-second wait for one at every window's end. A real desktop's window manager wants Y.
prepare_wine() {
  local managed=$1
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Debian's Wine does not find its own Marlett, which draws the caption buttons.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
  wineserver -w
}

stop_wine_and_display() {
  wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
