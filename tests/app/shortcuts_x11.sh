# The default keys start their commands while another program's window has the keyboard, with Caps Lock and Num
# Lock on as well as off. A second copy, in a runtime folder of its own so that it runs beside the first, finds the
# keys held and says so once for each.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
lock_is() { xset q | grep -q "$1: *$2"; }

# Not read aloud: only the repeat key makes the bird speak, and its balloon show.
write_settings xxx=1 rd=1 n=1 voice=0 guage=1 guagen=10101
start_program "$1" skip-splash
wait_until "the bird" title_viewable "Parlavo bird"
xmessage -name editor -title editor 'another program' &
editor=$!
wait_until "the other window" xdotool search --name '^editor$'
xdotool windowactivate --sync "$(xdotool search --name '^editor$' | head -n 1)"
expect_eq "$(xdotool getactivewindow getwindowname)" editor "the window with the keyboard"

xdotool key ctrl+alt+r
wait_until "the balloon of the repeated line" title_viewable "Parlavo balloon"
# The answer keys answer for the sentence on the strip, once the first has come: the answers reach the database.
answered() { xdotool key "$1" && "$program" --export-progress - 2>/dev/null | grep -q ",$2,"; }
wait_until "the answer of the knew-it key" answered ctrl+alt+k good
wait_until "the answer of the didn't-know-it key" answered ctrl+alt+n again
xdotool key ctrl+alt+p
wait_until "the pause key to pause" is_paused
xdotool key Caps_Lock
wait_until "Caps Lock on" lock_is "Caps Lock" on
xdotool key ctrl+alt+p
wait_until "the pause key to resume with Caps Lock on" is_playing
xdotool key Caps_Lock Num_Lock
wait_until "Num Lock on" lock_is "Num Lock" on
xdotool key ctrl+alt+p
wait_until "the pause key to pause with Num Lock on" is_paused
xdotool key Num_Lock

mkdir -m 700 "$PARLAVO_TMP/second-runtime" "$PARLAVO_TMP/second-config"
XDG_RUNTIME_DIR=$PARLAVO_TMP/second-runtime XDG_CONFIG_HOME=$PARLAVO_TMP/second-config "$1" 2>"$PARLAVO_TMP/second.log" &
second=$!
patiently "the second copy to find the keys held" grep -q 'Ctrl+Alt+P is held' "$PARLAVO_TMP/second.log"
sleep 1
expect_eq "$(count_lines 'Ctrl\+Alt\+(R|P|K|N) is held by another program' "$PARLAVO_TMP/second.log")" 4 \
    "reports of held keys"
end_copy "$second"
xdotool key ctrl+alt+p
wait_until "the first copy's keys to work on" is_playing
kill "$editor"
end_program
echo "shortcuts_x11: passed"
