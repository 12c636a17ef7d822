# A restart during a pause comes up as the bare line, silent, without the bird, and all comes back at the stored
# time; the menu pauses, the pause outlives a restart, and the line opens into a strip whose menu resumes.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
heard=$PARLAVO_TMP/heard.wav
silent_for() {
    record "$heard" sleep "$1"
    ! loud "$heard" || fail "the bird is heard during a pause (RMS $(rms "$heard"))"
}
# The pause submenu's first entry (its first length, or Resume while paused); the access key p opens it.
menu_pause_entry() {
    xdotool mousemove 10 500 mousemove $((strip_left + 465)) 0 sleep 0.3 mousemove $((strip_left + 465)) 12
    wait_until "the menu" menu_window
    xdotool key p sleep 0.5 key Return
}

write_settings xxx=1 rd=1 n=1 voice=1 guage=1 guagen=10101 "pauseuntil=$(date -u -d '+15 seconds' +%Y-%m-%dT%H:%M:%SZ)"
xdotool mousemove 900 600
start_program "$1"
is_paused || fail "a restart during a pause shows $(geometry "$(strip_window)")"
silent_for 5
patiently "the timed end of the pause" is_playing
expect_eq "$(setting pauseuntil)" "" "the stored pause after it ended"
patiently "the bird to speak" eval 'record "$heard" sleep 5 && loud "$heard"'

menu_pause_entry
wait_until "the menu's pause" is_paused
xdotool mousemove 900 600
[ -n "$(setting pauseuntil)" ] || fail "the pause is not stored"
silent_for 8
end_program

start_program "$1"
is_paused || fail "the pause did not outlive a restart: $(geometry "$(strip_window)")"
menu_pause_entry
wait_until "Resume" is_playing
expect_eq "$(setting pauseuntil)" "" "the stored pause after Resume"
end_program
echo "pause_x11: passed"
