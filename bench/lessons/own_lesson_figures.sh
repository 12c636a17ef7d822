#!/usr/bin/env bash
# Figures for the user's own lessons; nothing here asserts.
#  1. Importing a 100,000-row Anki export (headers, HTML, quoted fields) with `parlavo --import`: wall time and the
#     command's peak RSS (getrusage of the child), beside the peak RSS of `--list-lessons` as the floor.
#  2. Start-up to the splash being mapped, median of RUNS, with no own lessons and with 50 of 2,000 sentences each.
#  3. RSS after SECONDS of sequence play: a built-in lesson against a 100,000-sentence own lesson.
#   bench/lessons/own_lesson_figures.sh BUILD_DIR [RUNS] [SECONDS]
set -euo pipefail
build=$(cd "${1:-build/ci}" && pwd)
runs=${2:-7}
seconds=${3:-30}
root=$(cd "$(dirname "$0")/../.." && pwd)
program=$build/parlavo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# anki_export ROWS FILE: an export as the "Notes in Plain Text" option writes one, with HTML kept.
anki_export() {
    awk -v rows="$1" 'BEGIN {
        print "#separator:tab"; print "#html:true"; print "#deck:Frases"; print "#notetype column:1"
        for (i = 1; i <= rows; i++) {
            if (i % 10 == 0) printf "Basic\t\"¿Dónde está <b>la estación</b> número %d?\"\t\"Where is station <i>%d</i>?\"\n", i, i
            else printf "Basic\tMañana comemos&nbsp;%d tapas en el bar\tTomorrow we eat %d tapas at the bar<br>\n", i, i
        }
    }' >"$2"
}

# measured COMMAND...: runs it and prints "seconds peak-kB" for it alone.
measured() {
    python3 -c 'import resource, subprocess, sys, time
start = time.monotonic()
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
print("%.3f %d" % (time.monotonic() - start, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss))' "$@"
}

anki_export 100000 "$scratch/big.txt"
export XDG_DATA_HOME=$scratch/data
read -r floor_s floor_kb < <(measured "$program" --list-lessons)
read -r import_s import_kb < <(measured "$program" --import "$scratch/big.txt" --name Big)
printf 'import of a 100,000-row Anki export (%d bytes): %.2f s, peak RSS %.1f MB (--list-lessons: %.1f MB)\n' \
    "$(stat -c %s "$scratch/big.txt")" "$import_s" "$((import_kb))e-3" "$((floor_kb))e-3"

anki_export 2000 "$scratch/small.txt"
mkdir -p "$scratch/fifty"
for n in $(seq 50); do
    XDG_DATA_HOME=$scratch/fifty "$program" --import "$scratch/small.txt" --name "Lesson $n" >/dev/null
done

"$root/scripts/with-x11" bash -s "$program" "$runs" "$seconds" "$scratch" "$root" <<'SCRIPT'
set -euo pipefail
program=$1 runs=$2 seconds=$3 scratch=$4
source "$5/bench/start_times.sh"
median_start_ms() { start_times "$program" "$runs" | awk '{t[NR] = $1} END {print t[int((NR + 1) / 2)]}'; }
without=$(XDG_DATA_HOME=$scratch/empty median_start_ms)
with=$(XDG_DATA_HOME=$scratch/fifty median_start_ms)
awk -v a="$without" -v b="$with" -v r="$runs" \
    'BEGIN {printf "start to splash mapped, median of %d: %d ms without own lessons, %d ms with 50 of 2,000 sentences (%.2fx)\n", r, a, b, b / a}'

# rss_after SETTINGS...: RSS and peak RSS in kB after the given seconds of sequence play.
rss_after() {
    printf '%s\n' '[Spanish]' xxx=1 rd=1 psave=1 n=1 "$@" >"$XDG_CONFIG_HOME/Orna.conf"
    XDG_DATA_HOME=$scratch/data "$program" 2>/dev/null &
    local pid=$!
    sleep "$seconds"
    awk '/VmRSS/ {rss = $2} /VmHWM/ {peak = $2} END {print rss, peak}' "/proc/$pid/status"
    kill -TERM "$pid"
    wait "$pid" || true
}
read -r builtin_rss builtin_peak < <(rss_after guage=1)
read -r own_rss own_peak < <(rss_after guage=1 ownlesson=Big)
awk -v a="$builtin_rss" -v b="$own_rss" -v pa="$builtin_peak" -v pb="$own_peak" -v s="$seconds" \
    'BEGIN {printf "RSS after %d s of play: built-in lesson %.1f MB (peak %.1f), 100,000-sentence own lesson %.1f MB (peak %.1f): %+.1f MB\n", s, a / 1024, pa / 1024, b / 1024, pb / 1024, (b - a) / 1024}'
SCRIPT
