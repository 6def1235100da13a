#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 and generates the Chinese locale.
# Idempotent: whatever is already there is skipped, so a second run takes about a second.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest          # native build and unit tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64   # the two Windows programs (both thread models)
  wine wine64                               # runs the x86_64 program and its tests
  xvfb xauth xdotool imagemagick            # a display of our own, real input, screenshots
  fonts-wqy-microhei locales                # Chinese glyphs and the zh_CN.UTF-8 locale
  python3                                   # the end-to-end harness
  clang libclang-rt-14-dev                  # the fuzz targets (libFuzzer, sanitizers)
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  # Recommends would add hundreds of megabytes of Wine's optional libraries; none is needed.
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine uses code page 936 only when the process runs under a Chinese locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# A locale whose decimal point is a comma, so that the unit tests can show the amount is still
# read and written with ".", whatever the locale (without one that test is skipped).
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
