# Exactly one copy runs when one starts during the splash, one right as the last is ending, one beside a copy
# that does not answer, and fifty at the same moment.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
log=$PARLAVO_TMP/copies.log

# A copy started while the splash is up raises the splash and leaves the strip to the intro.
"$program" 2>>"$log" &
pid=$!
patiently "the splash" title_viewable Version
timeout 60 "$program" 2>>"$log" || fail "a copy started during the splash ended with status $?"
if title_viewable Version; then
    ! title_viewable Parlavo || fail "a copy started during the splash showed the strip under it"
else
    echo "note: the splash closed before the second copy ended; the strip was not checked under it"
fi
patiently "the strip after the splash" title_viewable Parlavo

# SIGTERM, and a new copy at once: it must not leave after waking the one that is ending.
for round in $(seq 20); do
    kill -TERM "$pid"
    "$program" 2>>"$log" &
    next=$!
    wait "$pid" || fail "round $round: the ended copy's exit status is $?"
    pid=$next
    skip_splash
    patiently "round $round: the new strip" title_viewable Parlavo
    is_running "$pid" || fail "round $round: the new copy left"
done

# A copy that holds the lock but never answers (stopped here): a new one waits a while, says so and ends with 1.
kill -STOP "$pid"
status=0
timeout 60 "$program" 2>"$PARLAVO_TMP/unanswered.log" || status=$?
kill -CONT "$pid"
expect_eq "$status" 1 "exit status of a copy that got no answer"
expect_eq "$(count_lines "another copy \\(process $pid\\) .* does not answer" "$PARLAVO_TMP/unanswered.log")" 1 \
    "lines saying that the running copy does not answer"
end_program

copies=() survivor=""
for _ in $(seq 50); do
    "$program" 2>>"$log" &
    copies+=($!)
done
wait_for 120 eval '[ "$(running_count "${copies[@]}")" -le 1 ]' ||
    fail "$(running_count "${copies[@]}") of fifty copies still run"
for pid in "${copies[@]}"; do
    is_running "$pid" && survivor=$pid && continue
    wait "$pid" || fail "a copy that found another running ended with status $?"
done
expect_eq "$(running_count "$survivor")" 1 "copies running after fifty started at once"
patiently "the survivor's strip" title_viewable Parlavo
expect_eq "$(windows_titled Parlavo | wc -l)" 1 "strips after fifty copies"
pid=$survivor
end_program
echo "single_copy_race_x11: passed"
