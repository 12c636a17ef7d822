# Single copy under pressure: a copy started while the splash is up, exit followed at once by a new
# start, a running copy that does not answer, and fifty copies started at the same moment. Exactly
# one copy runs each time.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
log=$PARLAVO_TMP/copies.log

# A copy started while the splash is up raises the splash and leaves the strip to the intro.
"$program" 2>>"$log" &
current=$!
patiently "the splash" title_viewable Version
status=0
timeout 60 "$program" 2>>"$log" || status=$?
expect_eq "$status" 0 "exit status of a copy started during the splash"
if title_viewable Version; then
    ! title_viewable Parlavo || fail "a copy started during the splash showed the strip under it"
else
    echo "note: the splash closed before the second copy ended; the strip was not checked under it"
fi
patiently "the strip after the splash" title_viewable Parlavo

# The running copy gets SIGTERM and a new one starts at once: the new one must not leave after
# waking the one that is ending.
for round in $(seq 20); do
    kill -TERM "$current"
    "$program" 2>>"$log" &
    next=$!
    status=0
    wait "$current" || status=$?
    expect_eq "$status" 0 "round $round: exit status of the ended copy"
    skip_splash
    patiently "round $round: the new strip" title_viewable Parlavo
    expect_eq "$(running_count "$next")" 1 "round $round: copies running"
    current=$next
done

# A copy that holds the lock but never answers (stopped here) is not joined by a second one: the new
# copy waits for it a while, says so and ends with status 1.
kill -STOP "$current"
status=0
timeout 60 "$program" 2>"$PARLAVO_TMP/unanswered.log" || status=$?
kill -CONT "$current"
expect_eq "$status" 1 "exit status of a copy that got no answer"
expect_eq "$(count_lines "another copy \\(process $current\\) .* does not answer" "$PARLAVO_TMP/unanswered.log")" 1 \
    "lines saying that the running copy does not answer"
end_copy "$current"
expect_eq "$exit_status" 0 "exit status of the last restarted copy"

copies=()
for _ in $(seq 50); do
    "$program" 2>>"$log" &
    copies+=($!)
done
one_left() { [ "$(running_count "${copies[@]}")" -le 1 ]; }
wait_for 120 one_left || fail "$(running_count "${copies[@]}") of fifty copies still run"
expect_eq "$(running_count "${copies[@]}")" 1 "copies running after fifty started at once"
for pid in "${copies[@]}"; do
    if is_running "$pid"; then
        survivor=$pid
    else
        status=0
        wait "$pid" || status=$?
        expect_eq "$status" 0 "exit status of a copy that found another running"
    fi
done
patiently "the survivor's strip" title_viewable Parlavo
expect_eq "$(windows_titled Parlavo | wc -l)" 1 "strips after fifty copies"
end_copy "$survivor"
expect_eq "$exit_status" 0 "exit status of the survivor"
echo "single_copy_race_x11: passed"
