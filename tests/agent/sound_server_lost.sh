# The sound server fails while the program runs (PARLAVO_SOUND_FAULT): killed while the bird speaks a line
# (kill), or stopped before the program starts, so that it takes connections but never answers and the
# voice misses its deadline (stop). Either way the lines go on silently with their balloons, standard error
# says so once, and SIGTERM ends the program with status 0. Run by scripts/with-x11 and scripts/with-pulse.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
fault=${PARLAVO_SOUND_FAULT:-kill}
# The server scripts/with-pulse started, found by the socket only it listens on.
server=$(pgrep -f -- "socket=$PULSE_RUNTIME_PATH/native" | head -n 1 || true)
[ -n "$server" ] || fail "no sound server"
balloon_showing() { title_viewable "Parlavo balloon"; }

[ "$fault" = kill ] || kill -STOP "$server"
"$1" 2>"$PARLAVO_TMP/stderr.log" &
pid=$!
# A stopped server must go on before scripts/with-pulse can end it.
trap 'kill "$pid" 2>/dev/null || true; kill -CONT "$server" 2>/dev/null || true' EXIT
case "$fault" in
kill)
    expected="parlavo: no sound output could be opened; the bird speaks without sound"
    wait_for 60 eval '[ -n "$(pactl list short sink-inputs 2>/dev/null)" ]' || fail "the bird never spoke to the sound server"
    balloon_showing || fail "the bird speaks without its balloon"
    kill -KILL "$server"
    sleep 0.5
    balloon_showing || fail "the line stopped when the sound server went away"
    ;;
stop) expected="parlavo: the voice did not answer in time; the bird speaks without sound until it does" ;;
*) fail "unknown fault '$fault'" ;;
esac

for line in first second third; do
    wait_for 60 balloon_showing || fail "no $line line after the sound server failed"
    wait_for 30 eval '! balloon_showing' || fail "the $line line's balloon stayed"
done
is_running "$pid" || fail "the program ended by itself"
end_program
expect_eq "$(cat "$PARLAVO_TMP/stderr.log")" "$expected" "standard error"
echo "sound server failing ($fault): all checks passed"
