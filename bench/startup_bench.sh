#!/usr/bin/env bash
# Starts the viewer and gperiodic under Xvfb RUNS times each, one after the other in turn, and
# prints for each the median time from launch until its main window is mapped (the first window
# that is not a splash screen; the viewer's table is drawn by then: the first resize draws it
# before the window shows), the median peak memory (VmHWM) and private memory (RssAnon), both read
# once the window has drawn itself, and the ratios of the start-up and private-memory medians.
# launch_until_mapped waits on the X server's map notifications, so that nothing polls beside the
# program measured.
#   bench/startup_bench.sh [BUILD_DIR] [RUNS]
# STARTUP_BENCH_ALSO="PROGRAM..." takes further programs into the same turns, each with its
# medians: another build of the viewer to compare with, or bench/bare_qt_window, the floor.
set -euo pipefail
build_dir=${1:-build}
runs=${2:-15}
program="$build_dir/bin/Table"
[ -x "$program" ] || { echo "no program at $program: build first" >&2; exit 1; }
watcher="$build_dir/bench/launch_until_mapped"
[ -x "$watcher" ] || { echo "no $watcher: build first" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is missing: run scripts/setup" >&2; exit 1; }
peer=$(command -v gperiodic || true)
[ -n "$peer" ] || { echo "gperiodic is missing: run scripts/setup" >&2; exit 1; }

# A display number of its own, away from the low numbers other servers and scripts use.
config=$(mktemp -d)
number=$(( 200 + $$ % 500 ))
while [ -e "/tmp/.X$number-lock" ]; do number=$(( number + 1 )); done
# -noreset: the server must not restart each time its last client (a program just killed) goes.
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$config/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$config"' EXIT
export DISPLAY=":$number"
for _ in $(seq 400); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
# Each run starts from the same configuration.
export XDG_CONFIG_HOME=$config

# Starts one program and waits until its main window is mapped; sets ms, peak and private (KiB).
launch() {
  local result
  result=$("$watcher" "$@" 2>"$config/err") || {
    echo "$1 showed no window:" >&2; cat "$config/err" "$config/xvfb.log" >&2; exit 1; }
  read -r ms peak private <<<"$result"
}

# One untimed start of each first: the server settles and both programs' files are in the cache.
sleep 0.5
launch "$program"
launch "$peer"
read -r -a others <<<"${STARTUP_BENCH_ALSO:-}"
for other in "${others[@]}"; do launch "$other"; done

times=(); peaks=(); privates=(); peer_times=(); peer_peaks=(); peer_privates=()
declare -A other_times=() other_peaks=() other_privates=()
for _ in $(seq "$runs"); do
  launch "$program"
  times+=("$ms"); peaks+=("$peak"); privates+=("$private")
  launch "$peer"
  peer_times+=("$ms"); peer_peaks+=("$peak"); peer_privates+=("$private")
  for other in "${others[@]}"; do
    launch "$other"
    other_times[$other]+="$ms "; other_peaks[$other]+="$peak "; other_privates[$other]+="$private "
  done
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
table_median=$(median "${times[@]}")
peer_median=$(median "${peer_times[@]}")
table_private=$(median "${privates[@]}")
peer_private=$(median "${peer_privates[@]}")
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "runs: $runs each, alternating"
echo "Table start-up median: $table_median ms (all: ${times[*]})"
echo "Table peak memory median: $(mib "$(median "${peaks[@]}")") MiB (VmHWM)"
echo "Table private memory median: $(mib "$table_private") MiB (RssAnon)"
echo "gperiodic start-up median: $peer_median ms (all: ${peer_times[*]})"
echo "gperiodic peak memory median: $(mib "$(median "${peer_peaks[@]}")") MiB (VmHWM)"
echo "gperiodic private memory median: $(mib "$peer_private") MiB (RssAnon)"
echo "ratio Table / gperiodic: $(ratio "$table_median" "$peer_median")"
echo "private memory ratio Table / gperiodic: $(ratio "$table_private" "$peer_private")"
for other in "${others[@]}"; do
  read -r -a values <<<"${other_times[$other]}"
  echo "$other start-up median: $(median "${values[@]}") ms (all: ${values[*]})"
  read -r -a values <<<"${other_peaks[$other]}"
  echo "$other peak memory median: $(mib "$(median "${values[@]}")") MiB (VmHWM)"
  read -r -a values <<<"${other_privates[$other]}"
  echo "$other private memory median: $(mib "$(median "${values[@]}")") MiB (RssAnon)"
done
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
