#!/usr/bin/env bash
# Installs what is missing, builds everything (the native logic with its unit tests, the x86_64
# and the i686 program) and runs every test: the unit tests natively, the Win32 and end-to-end
# tests under Wine on a display of our own. Exits nonzero on any failure.
#
# PLUMWEIR_BUILD_DIR (default: build) is where the three build folders go.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
started=$SECONDS
build=${PLUMWEIR_BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
mkdir -p "$build"
max_i686_size=$((128 * 1024))  # one small file to download, icon included

bash scripts/setup.sh
source scripts/wine-env.sh

# Tests under Wine other than the end-to-end ones (those make their own prefix) run in this
# throw-away prefix rather than in the user's own.
export WINEPREFIX=$build/wineprefix-tests
mkdir -p "$WINEPREFIX"

cleanup() {
  # The end-to-end suites end their prefix's server themselves; this covers an interrupted run.
  local prefix
  for prefix in "$WINEPREFIX" "$build/mingw-x86_64/e2e-wineprefix"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
  done
  stop_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM   # so that the cleanup runs then too

for preset in native mingw-x86_64 mingw-i686; do
  echo "== Building $preset"
  cmake --preset "$preset" -B "$build/$preset" >"$build/configure-$preset.log" 2>&1 ||
    { cat "$build/configure-$preset.log"; exit 1; }
  cmake --build "$build/$preset" -j2
done

x64_exe=$build/mingw-x86_64/src/Plumweir.exe
i686_exe=$build/mingw-i686/src/Plumweir.exe
x64_size=$(stat -c %s "$x64_exe")
i686_size=$(stat -c %s "$i686_exe")
echo "== Program sizes: x86_64 $x64_size bytes, i686 $i686_size bytes (limit $max_i686_size)"

ensure_display
# One warm wineserver for the Win32 tests; the end-to-end tests keep their own prefix's server.
"$WINESERVER" -p >/dev/null 2>&1 || true

status=0
echo "== Unit tests (native)"
ctest --test-dir "$build/native" --output-on-failure -j2 || status=1
echo "== Fuzz targets over their seed corpora"
bash scripts/fuzz.sh --ci --build-dir "$build/fuzz" || status=1
echo "== Win32 and end-to-end tests (mingw-x86_64 under Wine, DISPLAY=$DISPLAY)"
ctest --test-dir "$build/mingw-x86_64" --output-on-failure || status=1

if [ "$i686_size" -gt "$max_i686_size" ]; then
  echo "FAIL: the i686 program is $i686_size bytes, more than $max_i686_size" >&2
  status=1
fi
echo "== Screenshots of the window: $root/build/screenshots"
echo "== Done in $((SECONDS - started)) s: $([ "$status" -eq 0 ] && echo passed || echo FAILED)"
exit "$status"
