#!/usr/bin/env bash
# The benchmark: the program against a bare window of the same size built the same way (the
# least a window program does here), side by side under Wine (wine64) on a display of its own.
# A third column shows the same bare window loading the common controls (comctl32), which the
# program's status bar, spin control and tooltips need: the floor under the program's own cost.
#   - launch to visible window (median, min, max over several launches, warm wineserver), and
#     the CPU time used in the first 2 s;
#   - memory 2 s after start (RSS, PSS, anonymous, from /proc/<pid>/smaps_rollup);
#   - CPU time (utime + stime from /proc/<pid>/stat) over a spell idle, and over a spell of a
#     running countdown of 9999 minutes, which never ends within it;
#   - the sizes of the program files (i686 and x86_64) and of the bare window's;
# printed as a table with the ratios program / bare window and the goals.
#
# Usage: bench/run.sh [--quick]
#   --quick   10 s spells for the CPU figures instead of 60 s, for trying things out
# Environment:
#   BENCH_RUNS=N                       launches of each program (default 9, at least 5)
#   BENCH_PROGRAM=x86_64 .exe          measure this program file instead of a fresh build
#   BENCH_PROGRAM_I686=i686 .exe       and report this one's size
#
# Builds in build/x64-bench and build/i686-bench; the Wine prefix is build/bench-wineprefix.
# Not part of the test run: figures go here, not into tests. The launch times follow the
# machine's load; run it on an otherwise idle machine.
set -euo pipefail

spell=60
runs=${BENCH_RUNS:-9}
for argument in "$@"; do
  case "$argument" in
    --quick) spell=10 ;;
    *) echo "usage: bench/run.sh [--quick]" >&2; exit 2 ;;
  esac
done
[ "$runs" -ge 5 ] || { echo "BENCH_RUNS must be at least 5" >&2; exit 2; }

cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/wine-env.sh

echo "Building ..."
for preset in mingw-x86_64:x64-bench mingw-i686:i686-bench; do
  dir=build/${preset#*:}
  log=build/${preset#*:}.log
  targets="Plumweir BareWindow BareWindowCommonControls"
  [ "$dir" = build/x64-bench ] && targets="$targets bench_driver"
  { cmake --preset "${preset%%:*}" -B "$dir" && cmake --build "$dir" -j2 --target $targets; } \
    >"$log" 2>&1 || { cat "$log"; exit 1; }
done
program=${BENCH_PROGRAM:-$root/build/x64-bench/src/Plumweir.exe}
program_i686=${BENCH_PROGRAM_I686:-$root/build/i686-bench/src/Plumweir.exe}
bare=$root/build/x64-bench/bench/BareWindow.exe
bare_i686=$root/build/i686-bench/bench/BareWindow.exe
bare_cc=$root/build/x64-bench/bench/BareWindowCommonControls.exe
driver=$root/build/x64-bench/bench/bench_driver.exe

# Our own display, so that nothing else on screen takes part, and our own prefix.
unset DISPLAY
ensure_display
ensure_prefix "$root/build/bench-wineprefix"
"$WINESERVER" -w   # a new prefix finishes setting itself up first

results=$(mktemp)
driver_pid=
cleanup() {
  if [ -n "$driver_pid" ]; then
    echo quit >&"${DRIVER[1]}" 2>/dev/null || true
    wait "$driver_pid" 2>/dev/null || true
  fi
  "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_display
  rm -f "$results"
}
trap cleanup EXIT

# One warm wineserver for the whole run.
"$WINESERVER" -p
coproc DRIVER { "$WINE64" "$driver" 2>/dev/null; }
driver_pid=$DRIVER_PID

# Sends one command to the driver and puts its answer into $answer.
ask() {
  echo "$*" >&"${DRIVER[1]}"
  answer=
  IFS= read -r -t 60 answer <&"${DRIVER[0]}" || true
  answer=${answer%$'\r'}
  case "$answer" in
    "" | error=*) echo "The driver failed on '$*': ${answer:-no answer}" >&2; exit 1 ;;
  esac
}
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$answer"; }

windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

# The Linux process behind a Wine process: the one of our prefix whose command line is the
# program's Windows path.
linux_pid() {
  local wanted=$1 pid command
  for _ in $(seq 200); do
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
      command=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline" | head -n 1) || continue
      [ "${command,,}" = "${wanted,,}" ] || continue
      grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null || continue
      echo "$pid"
      return 0
    done
    sleep 0.02
  done
  echo "No Linux process found for $wanted" >&2
  exit 1
}

# /proc/<pid>/stat after the command name: field 3 (state) is word 1 here.
stat_words() { sed 's/.*) //' "/proc/$1/stat"; }
cpu_ticks() { stat_words "$1" | awk '{print $12 + $13}'; }
ticks_per_second=$(getconf CLK_TCK)

# Waits until the process has run for 2 s, then prints "RSS PSS anonymous" in kB and the CPU
# time its threads have used so far in ms (from schedstat, in ns: finer than the clock ticks of
# /proc/<pid>/stat, and unlike the launch time not stretched by other work on the machine).
at_2s() {
  local pid=$1 start now
  start=$(stat_words "$pid" | awk -v hz="$ticks_per_second" '{print $20 / hz}')
  now=$(cut -d' ' -f1 /proc/uptime)
  sleep "$(awk -v s="$start" -v n="$now" 'BEGIN { d = s + 2 - n; print (d > 0 ? d : 0) }')"
  echo "$(awk '/^Rss:/ {r = $2} /^Pss:/ {p = $2} /^Anonymous:/ {a = $2} END {print r, p, a}' "/proc/$pid/smaps_rollup")" \
    "$(cat "/proc/$pid"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {print ns / 1e6}')"
}

launch() {  # .exe; leaves the driver's slot and the Linux pid in $slot and $pid
  ask launch "$(windows_path "$1")"
  slot=$(field slot)
  pid=$(linux_pid "$(windows_path "$1")")
}

declare -A exe_of=([program]=$program [bare]=$bare [bare_cc]=$bare_cc)
names=(program bare bare_cc)

echo "Warming up ..."
for name in "${names[@]}"; do
  launch "${exe_of[$name]}"
  ask close "$slot"
done

echo "Launching each $runs times ..."
for run in $(seq "$runs"); do
  # Rotate which one goes first, so that none always follows another.
  for i in 0 1 2; do
    name=${names[$(((run + i) % 3))]}
    launch "${exe_of[$name]}"
    echo "launch $name $(field ms)" >>"$results"
    echo "at_2s $name $(at_2s "$pid")" >>"$results"
    ask close "$slot"
  done
done

echo "CPU time over $spell s idle, then $spell s of a countdown ..."
launch "$program"
program_slot=$slot program_pid=$pid
launch "$bare"
bare_slot=$slot bare_pid=$pid
sleep 2   # past the start
p0=$(cpu_ticks "$program_pid") b0=$(cpu_ticks "$bare_pid")
sleep "$spell"
p1=$(cpu_ticks "$program_pid") b1=$(cpu_ticks "$bare_pid")
echo "cpu_idle program $((p1 - p0))" >>"$results"
echo "cpu_idle bare $((b1 - b0))" >>"$results"
ask countdown "$program_slot" 9999
p0=$(cpu_ticks "$program_pid")
sleep "$spell"
p1=$(cpu_ticks "$program_pid")
echo "cpu_counting program $((p1 - p0))" >>"$results"
ask status "$program_slot"
echo "status program $(field text)" >>"$results"
ask close "$program_slot"
ask close "$bare_slot"

for file in program:"$program" program_i686:"$program_i686" bare:"$bare" bare_i686:"$bare_i686"; do
  echo "size ${file%%:*} $(stat -c %s "${file#*:}")" >>"$results"
done

python3 - "$results" "$spell" "$ticks_per_second" <<'REPORT'
import statistics, sys

rows = [line.split() for line in open(sys.argv[1])]
spell, hz = int(sys.argv[2]), int(sys.argv[3])
names = ("program", "bare", "bare_cc")

def values(kind, name, column=0):
    return [float(r[2 + column]) for r in rows if r[0] == kind and r[1] == name]

def one(kind, name):
    return next(r[2] for r in rows if r[0] == kind and r[1] == name)

def verdict(ok):
    return "met" if ok else "MISSED"

lines = []
def row(label, program, bare, ratio, floor="", floor_ratio="", goal=""):
    lines.append(f"{label:<32}{program:>11}{bare:>11}{ratio:>7}{floor:>13}{floor_ratio:>7}   {goal}")

row("", "program", "bare", "ratio", "bare+comctl", "ratio", "goal (program / bare)")
launches = {name: values("launch", name) for name in names}
for label, pick in ((f"launch to visible, median (n={len(launches['program'])})", statistics.median),
                    ("  min", min), ("  max", max)):
    p, b, c = (pick(launches[name]) for name in names)
    goal = f"<= 1.10x: {verdict(p <= 1.1 * b)}" if pick is statistics.median else ""
    row(label, f"{p:.1f} ms", f"{b:.1f} ms", f"{p / b:.2f}", f"{c:.1f} ms", f"{p / c:.2f}", goal)
p, b, c = (statistics.median(values("at_2s", name, 3)) for name in names)
row("CPU in the first 2 s (median)", f"{p:.1f} ms", f"{b:.1f} ms", f"{p / b:.2f}", f"{c:.1f} ms", f"{p / c:.2f}")
for column, label in enumerate(["RSS", "PSS", "anonymous"]):
    p, b, c = (statistics.median(values("at_2s", name, column)) for name in names)
    row(f"memory at 2 s, {label} (median)", f"{p:.0f} kB", f"{b:.0f} kB", f"{p / b:.2f}", f"{c:.0f} kB",
        f"{p / c:.2f}", f"<= 1.10x: {verdict(p <= 1.1 * b)}")
ms = 1000 / hz
idle_p, idle_b = int(one("cpu_idle", "program")), int(one("cpu_idle", "bare"))
row(f"CPU over {spell} s idle", f"{idle_p * ms:.0f} ms", f"{idle_b * ms:.0f} ms", "",
    goal=f"none: {verdict(idle_p == 0)}")
counting = int(one("cpu_counting", "program"))
row(f"CPU over {spell} s counting", f"{counting * ms:.0f} ms", "-", "",
    goal=f"<= 1 clock tick ({ms:.0f} ms) a second: {verdict(counting <= spell)}")
size = {r[1]: int(r[2]) for r in rows if r[0] == "size"}
row("file size, x86_64", f"{size['program']} B", f"{size['bare']} B", f"{size['program'] / size['bare']:.1f}")
row("file size, i686 (icon included)", f"{size['program_i686']} B", f"{size['bare_i686']} B",
    f"{size['program_i686'] / size['bare_i686']:.1f}",
    goal=f"<= 131072 B: {verdict(size['program_i686'] <= 131072)}")
print()
print("\n".join(lines))
print()
for name in names:
    print(f"launches, {name + ' (ms):':<18}", " ".join(f"{v:.1f}" for v in launches[name]))
status = one("status", "program")
print("status bar after the countdown spell:", bytes.fromhex(status).decode("gbk") if status != "-" else "(empty)")
REPORT
