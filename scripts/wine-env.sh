# Sourced by run.sh and test.sh: the environment the program needs under Wine, and a display
# of our own when there is none.

export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko prompts in a new prefix
# Only under a Chinese locale is Wine's ANSI code page 936, which the program's GBK texts need.
export LC_ALL=zh_CN.UTF-8

XVFB_PID=
# Starts Xvfb on a free display number and exports DISPLAY, unless a display is already there.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local numbers
  numbers=$(mktemp -u)
  mkfifo "$numbers"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number=
  read -r -t 20 number <"$numbers" || true
  rm -f "$numbers"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

stop_display() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Makes a prefix if it is not there yet. Wine draws the window frames itself, and no window
# waits for a window manager (without one, each hidden window would cost about 2 s).
ensure_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once) ..."
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1
    local value
    for value in Decorated Managed; do
      "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /t REG_SZ /d N /f >/dev/null 2>&1
    done
  fi
}
