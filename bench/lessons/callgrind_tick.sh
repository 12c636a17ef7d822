#!/usr/bin/env bash
# Prints the instructions callgrind counts for one playback tick that chooses the next sentence,
# once for the first such tick of a run (it reads the lesson file), once for a later one, and once for a later one
# in an own lesson of 100,000 sentences.
#   bench/lessons/callgrind_tick.sh BUILD_DIR/bench/lessons/bench_selecting_tick
set -euo pipefail
driver=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for kind in cold warm own; do
    valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$scratch/$kind.out" \
        "$driver" "$kind" >/dev/null 2>"$scratch/$kind.log"
    instructions=$(sed -n 's/^summary: //p' "$scratch/$kind.out")
    printf '%s selecting tick: %s instructions\n' "$kind" "$instructions"
done
