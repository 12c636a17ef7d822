#!/usr/bin/env bash
# Instructions per pointerTimer tick after the intro, open and collapsed, counted by callgrind.
#   bench/app/pointer_tick.sh BUILD_DIR
set -euo pipefail
build=${1:-build/ci}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
for state in open collapsed; do
    "$root/scripts/with-x11" bash -c "
        valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=\$PARLAVO_TMP/cg.out \
            '$build/bench/app/bench_pointer_tick' $state >/dev/null 2>&1
        total=\$(callgrind_annotate \$PARLAVO_TMP/cg.out 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(\",\",\"\",\$1); print \$1}')
        echo \"pointer tick, $state strip: \$((total / 100)) instructions\""
done
