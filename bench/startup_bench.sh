#!/usr/bin/env bash
# Starts the viewer under Xvfb RUNS times and prints the median time from launch until its main
# window is mapped (the table is drawn by then: the first resize draws it before the window
# shows), and the median peak memory (VmHWM) of the process.
#   bench/startup_bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build_dir=${1:-build}
runs=${2:-15}
program="$build_dir/bin/Table"
[ -x "$program" ] || { echo "no program at $program: build first" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is missing: run scripts/setup" >&2; exit 1; }

display=:97
Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
# Each run starts from the same configuration.
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config

times=()
peaks=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  # xdotool's own --sync polls only twice a second: ask again every few milliseconds.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  peaks+=($(awk '/VmHWM/ {print $2}' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
rm -rf "$config"

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "runs: $runs"
echo "start-up median: $(median "${times[@]}") ms (all: ${times[*]})"
echo "peak memory median: $(( $(median "${peaks[@]}") / 1024 )) MiB (VmHWM)"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
