#!/usr/bin/env bash
# Start-up time to the splash, and CPU and peak memory of the running program over a minute after
# the intro, beside the reference window measured in the same run.
#   bench/app/running_cost.sh BUILD_DIR [SECONDS] [SETTINGS...]
# SETTINGS are extra key=value lines for the [Spanish] section (for example visi=1).
# PARLAVO_BENCH_PROGRAM=strip measures the strip without its speaking bird (bench_strip_only).
set -euo pipefail
build=$(cd "${1:-build/ci}" && pwd)
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
root=$(cd "$(dirname "$0")/../.." && pwd)
extra=$(printf '%s\n' "$@")
program=$build/parlavo
[ "${PARLAVO_BENCH_PROGRAM:-}" != strip ] || program=$build/bench/app/bench_strip_only
"$root/scripts/with-x11" bash -s "$build" "$seconds" "$extra" "$program" <<'SCRIPT'
set -euo pipefail
build=$1 seconds=$2 extra=$3 program=$4
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

# measure PID LABEL: CPU seconds per minute and peak RSS over the measuring window.
measure() {
    local before after
    before=$(cpu_ticks "$1")
    sleep "$seconds"
    after=$(cpu_ticks "$1")
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" -v kb="$(peak_kb "$1")" -v l="$2" \
        'BEGIN {printf "%-28s CPU %.3f s per minute (%.2f %% of a core), peak RSS %.1f MB\n", l, t / hz * 60 / s, t / hz / s * 100, kb / 1024}'
}

printf '[Spanish]\nxxx=1\n%s\n' "$extra" >"$XDG_CONFIG_HOME/Orna.conf"
xdotool mousemove 100 600
start=$(date +%s%N)
"$program" 2>/dev/null &
pid=$!
until xdotool search --onlyvisible --name '^Version$' >/dev/null 2>&1; do sleep 0.005; done
echo "process start to splash mapped: $((($(date +%s%N) - start) / 1000000)) ms"
sleep 5 # past the intro
measure "$pid" "$(basename "$program")"
kill -TERM "$pid"; wait "$pid" || true

"$build/bench/app/bench_reference_window" &
ref=$!
sleep 2
measure "$ref" "reference window"
kill "$ref"; wait "$ref" 2>/dev/null || true
SCRIPT
