# Sourced by the start-up benchmarks.
# start_times PROGRAM RUNS: starts PROGRAM RUNS times, one after the other, on the current display and prints the
# milliseconds from each start to its splash being mapped, sorted.
start_times() {
    local start pid
    for _ in $(seq "$2"); do
        start=$(date +%s%N)
        "$1" 2>/dev/null &
        pid=$!
        until xdotool search --onlyvisible --name '^Version$' >/dev/null 2>&1; do sleep 0.005; done
        echo $((($(date +%s%N) - start) / 1000000))
        kill -TERM "$pid"
        wait "$pid" || true
    done | sort -n
}
