#!/usr/bin/env bash
# Start-up time to the splash, then CPU, wake-ups and peak memory over a stretch of playback after the
# intro, one after the other in the same run: the whole program without a sound device, the whole program
# playing into a PulseAudio null sink, the strip without its bird (bench_strip_only) and the reference
# window (an empty Qt window that reads the pointer every 60 ms); then each against the reference.
#   bench/app/running_cost.sh BUILD_DIR [SECONDS] [SETTINGS...]
# SETTINGS are extra key=value lines for the [Spanish] section (for example visi=1; a pauseuntil= time some
# minutes ahead measures the paused program, which starts without its splash). With PARLAVO_ANSWERS=N the
# programs start on a progress database of N answers (Review play is rd=2).
set -euo pipefail
build=$(cd "${1:-build/ci}" && pwd)
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
root=$(cd "$(dirname "$0")/../.." && pwd)
extra=$(printf '%s\n' "$@")
"$root/scripts/with-x11" "$root/scripts/with-pulse" bash -s "$build" "$seconds" "$extra" <<'SCRIPT'
set -euo pipefail
build=$1 seconds=$2 extra=$3
[ -z "${PARLAVO_ANSWERS:-}" ] ||
    "$build/bench/lessons/bench_fill_progress" "$PARLAVO_ANSWERS" "$XDG_DATA_HOME/parlavo/progress.sqlite"
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
# Context switches of all the process's threads: how often it woke the processor.
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n + 0}'; }

# measure PID LABEL: CPU, wake-ups per second and peak RSS over the measuring window, also kept in
# figures.txt for the comparison at the end.
measure() {
    local before after woken
    before=$(cpu_ticks "$1")
    woken=$(switches "$1")
    sleep "$seconds"
    after=$(cpu_ticks "$1")
    woken=$(($(switches "$1") - woken))
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" -v kb="$(peak_kb "$1")" -v l="$2" -v w="$woken" \
        'BEGIN {printf "%-18s CPU %.3f s per minute (%.2f %% of a core), %.0f wake-ups/s, peak RSS %.1f MB\n", l, t / hz * 60 / s, t / hz / s * 100, w / s, kb / 1024}'
    echo "$2|$((after - before))|$woken|$(peak_kb "$1")" >>"$PARLAVO_TMP/figures.txt"
}

# run PROGRAM LABEL [VAR=VALUE...]: starts it on fresh settings and the given environment, past its intro,
# and measures it.
run() {
    printf '[Spanish]\nxxx=1\n%s\n' "$extra" >"$XDG_CONFIG_HOME/Orna.conf"
    xdotool mousemove 100 600
    local start pid
    start=$(date +%s%N)
    env "${@:3}" "$1" 2>/dev/null &
    pid=$!
    until xdotool search --onlyvisible --name '^(Version|Parlavo)$' >/dev/null 2>&1; do sleep 0.005; done
    [ "$2" != parlavo ] || echo "process start to splash mapped: $((($(date +%s%N) - start) / 1000000)) ms"
    sleep 5 # past the intro
    measure "$pid" "$2"
    kill -TERM "$pid"
    wait "$pid" || true
}

run "$build/parlavo" parlavo PULSE_SERVER="unix:$PARLAVO_TMP/no-sound-server"
run "$build/parlavo" "parlavo, null sink"
run "$build/bench/app/bench_strip_only" "strip alone"
"$build/bench/app/bench_reference_window" &
ref=$!
sleep 2
measure "$ref" "reference window"
kill "$ref"
wait "$ref" 2>/dev/null || true

echo "against the reference window (CPU, wake-ups, peak RSS):"
awk -F'|' '{cpu[NR] = $2; woken[NR] = $3; kb[NR] = $4; name[NR] = $1}
    END {for (i = 1; i < NR; ++i)
        printf "  %-18s CPU x%.2f, wake-ups x%.2f, peak RSS x%.2f\n", name[i], cpu[i] / (cpu[NR] ? cpu[NR] : 1), woken[i] / woken[NR], kb[i] / kb[NR]}' \
    "$PARLAVO_TMP/figures.txt"
SCRIPT
