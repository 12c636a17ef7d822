#!/usr/bin/env bash
# Instructions per Timer1 tick after the intro, open and collapsed, counted by callgrind.
#   bench/core/timer1_tick.sh BUILD_DIR
set -euo pipefail
build=${1:-build/ci}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for state in open collapsed; do
    "$root/scripts/with-x11" bash -c "
        valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=\$PARLAVO_TMP/cg.out \
            '$build/bench/core/bench_timer1_tick' $state >/dev/null 2>&1
        total=\$(callgrind_annotate \$PARLAVO_TMP/cg.out 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(\",\",\"\",\$1); print \$1}')
        echo \"Timer1 tick, $state strip: \$((total / 100)) instructions\""
done
