#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs each of them in turn, one process at a time,
# then prints a table of executions and crashes per target. Exits nonzero when any target
# crashed; the input that did it is kept and named in the table.
#
#   scripts/fuzz.sh [--time SECONDS] [--build-dir DIR] [--no-build] [TARGET...]
#       every target (or those named, e.g. NumberRead) for SECONDS each (default 60); the corpus
#       each run grows is kept under DIR/fuzz-runs/TARGET/corpus and used again next time
#   scripts/fuzz.sh --ci [...]
#       the check for CI: each target over its committed seeds (fuzz/corpus/TARGET) and then a
#       few seconds more (--time, default 5) from a fixed seed, starting from nothing else
#
# DIR defaults to ${PLUMWEIR_BUILD_DIR:-build}/fuzz.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)

ci=0
seconds=
build=
do_build=1
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ci) ci=1 ;;
    --time) seconds=$2; shift ;;
    --build-dir) build=$2; shift ;;
    --no-build) do_build=0 ;;
    -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "unknown option: $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done
[ -n "$seconds" ] || { [ $ci = 1 ] && seconds=5 || seconds=60; }
[ -n "$build" ] || build=${PLUMWEIR_BUILD_DIR:-build}/fuzz
case "$build" in /*) ;; *) build=$root/$build ;; esac
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*Fuzz.cpp; do
    name=$(basename "$source" Fuzz.cpp)
    targets+=("$name")
  done
fi

if [ $do_build = 1 ]; then
  echo "== Building the fuzz targets in $build"
  mkdir -p "$build"
  cmake --preset fuzz -B "$build" >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
  cmake --build "$build" -j2
fi

# The number writer must put a point whatever the locale; a locale with a decimal comma is made
# for it here when the system has none installed.
locales=$build/locales
if [ ! -d "$locales/de_DE.UTF-8" ] && command -v localedef >/dev/null; then
  mkdir -p "$locales"
  localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" >/dev/null 2>&1 || rm -rf "$locales/de_DE.UTF-8"
fi
[ -d "$locales/de_DE.UTF-8" ] && export LOCPATH=$locales

runs=$build/fuzz-runs
rows=()
failed=0
for target in "${targets[@]}"; do
  binary=$build/fuzz/${target}Fuzz
  seeds=$root/fuzz/corpus/$target
  [ -x "$binary" ] || { echo "no fuzz target $binary" >&2; exit 2; }
  [ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 2; }
  work=$runs/$target
  mkdir -p "$work/corpus" "$work/crashes"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$work/crashes/")
  if [ $ci = 1 ]; then
    # New inputs go to a corpus thrown away afterwards; the committed seeds are only read.
    corpus=$(mktemp -d "$work/ci-corpus.XXXXXX")
    options+=(-seed=1)
  else
    corpus=$work/corpus
  fi
  before=$(find "$work/crashes" -type f | wc -l)
  log=$work/last-run.log
  echo "== $target: ${seconds} s"
  started=$SECONDS
  set +e
  "$binary" "${options[@]}" "$corpus" "$seeds" >"$log" 2>&1
  status=$?
  set -e
  elapsed=$((SECONDS - started))
  [ $ci = 1 ] && rm -rf "$corpus"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  [ -n "$executions" ] || executions=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
  crashes=$(( $(find "$work/crashes" -type f | wc -l) - before ))
  artifact=$(sed -n 's/.*Test unit written to //p' "$log" | tail -1)
  if [ $status -ne 0 ]; then
    failed=1
    [ $crashes -gt 0 ] || crashes=1
    grep -E -A4 'property broken|runtime error|ERROR: (Address|libFuzzer|UndefinedBehavior)' "$log" | head -20 || tail -20 "$log"
  fi
  rows+=("$target|$elapsed|${executions:-?}|$crashes|${artifact:--}")
done

echo
printf '%-16s %8s %14s %10s %8s  %s\n' target seconds executions exec/s crashes "crash input"
total=0
for row in "${rows[@]}"; do
  IFS='|' read -r target elapsed executions crashes artifact <<<"$row"
  rate=-
  [[ "$executions" =~ ^[0-9]+$ ]] && [ "$elapsed" -gt 0 ] && rate=$((executions / elapsed))
  [[ "$executions" =~ ^[0-9]+$ ]] && total=$((total + executions))
  printf '%-16s %8s %14s %10s %8s  %s\n' "$target" "$elapsed" "$executions" "$rate" "$crashes" "$artifact"
done
printf '%-16s %8s %14s\n' all "" "$total"
exit $failed
