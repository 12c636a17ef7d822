#!/usr/bin/env bash
# The sound server fails while the program runs, in one of two ways (PARLAVO_SOUND_FAULT):
#   kill  it is killed while the bird speaks a line: the rest of that line and the lines after it play silently
#         with their balloons, and standard error says so once;
#   stop  it is stopped before the program starts, so it takes connections but never answers them: the voice,
#         whose library waits for the server when it starts, misses its deadline, and the lines come silently with
#         their balloons, said once.
# Either way the interface goes on and SIGTERM ends the program with status 0.
# Run by scripts/with-x11 and scripts/with-pulse with the program as $1.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
work=$PARLAVO_TMP
fault=${PARLAVO_SOUND_FAULT:-kill}

# The server scripts/with-pulse started, found by the socket only it listens on.
server=$(pgrep -f -- "socket=$PULSE_RUNTIME_PATH/native" | head -n 1 || true)
[ -n "$server" ] || fail "no sound server"

balloon_showing() { title_viewable "Parlavo balloon"; }
balloon_gone() { ! balloon_showing; }
sound_going_out() { [ -n "$(pactl list short sink-inputs 2>/dev/null)" ]; }
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# A stopped server must go on before scripts/with-pulse can end it.
[ "$fault" = kill ] || { kill -STOP "$server" && trap 'kill -CONT "$server" 2>/dev/null || true' EXIT; }

"$program" 2>"$work/stderr.log" &
program_pid=$!
trap 'kill "$program_pid" 2>/dev/null || true; kill -CONT "$server" 2>/dev/null || true' EXIT

case "$fault" in
kill)
    expected="parlavo: no sound output could be opened; the bird speaks without sound"
    wait_for 60 sound_going_out || fail "the bird never spoke to the sound server"
    balloon_showing || fail "the bird speaks without its balloon"
    kill -KILL "$server"
    sleep 0.5
    balloon_showing || fail "the line stopped when the sound server went away"
    ;;
stop)
    expected="parlavo: the voice did not answer in time; the bird speaks without sound until it does"
    ;;
*) fail "unknown fault '$fault'" ;;
esac

# Lines come, with their balloons, without sound.
for line in first second third; do
    wait_for 60 balloon_showing || fail "no $line line after the sound server failed"
    wait_for 30 balloon_gone || fail "the $line line's balloon stayed"
done
kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself"

kill -TERM "$program_pid"
wait_for 30 program_ended || fail "the program did not end after SIGTERM"
status=0
wait "$program_pid" || status=$?
expect_eq "$status" 0 "the exit status after SIGTERM"
expect_eq "$(cat "$work/stderr.log")" "$expected" "standard error"
echo "sound server failing ($fault): all checks passed"
