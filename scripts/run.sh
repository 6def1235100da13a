#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 program and starts it under Wine with the Chinese
# code page. With a display, the window opens there and this script waits until it is closed.
# Without one, the program runs on a display of our own: the script saves a screenshot of the
# window, says where, and closes the program.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
source scripts/wine-env.sh

echo "Building the program ..."
mkdir -p build
cmake --preset mingw-x86_64 >build/configure-run.log 2>&1 || { cat build/configure-run.log; exit 1; }
cmake --build build/mingw-x86_64 -j2 --target Plumweir
exe=$root/build/mingw-x86_64/src/Plumweir.exe

headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  ensure_display
fi
# After the display: the prefix's first processes bind to it.
ensure_prefix "$root/build/wineprefix-run"

cleanup() {
  [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
  if [ "$headless" -eq 1 ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    stop_display
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM   # so that the cleanup runs then too

echo "Starting $exe"
"$WINE64" "$exe" >/dev/null 2>&1 &
program=$!

if [ "$headless" -eq 0 ]; then
  wait "$program" || true
  program=
  exit 0
fi

# The window's X window, found by its title (xdotool reads it as UTF-8).
window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '定时重启.*Plumweir' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || { echo "The program ended before showing its window." >&2; exit 1; }
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "The window did not appear within 20 s." >&2
  exit 1
fi
sleep 1   # let it paint

mkdir -p build/screenshots
shot=$root/build/screenshots/run.png
import -window "$window" "$shot"
echo "The program is running on the virtual display $DISPLAY (no display was set)."
echo "Screenshot of its window: $shot"

# Close it as a user would (Alt+F4 with the pointer over the window), then wait for its end.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 8)) key alt+F4
for _ in $(seq 50); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$program" 2>/dev/null; then
  echo "The window did not close; ending the program." >&2
  kill "$program"
fi
if wait "$program"; then
  echo "Closed the program."
else
  echo "The program ended with exit code $?." >&2
fi
program=
