# A lesson imported through the settings dialog, on a real display: Import... (Alt+I), the file dialog, the
# preview and the summary, each answered from the keyboard; the imported lesson is the one chosen, and once the
# dialog closes the strip plays its lines, which moves the reading position in it on.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
samples=$(realpath "$(dirname "$0")/samples")
write_settings xxx=1 rd=1 psave=1 n=1 etime=5 ctime=3 guage=1 guagen=10101 ce=1 ssave=1 visi=0 voice=1 red=0 \
    mark=0 sspeed=150 left=0 stepaside=0

window_up() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
# answer TITLE KEYS...: waits for the window, gives it the keyboard and sends the keys.
answer() {
    wait_until "the window '$1'" window_up "$1"
    local window
    window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    shift
    xdotool "$@"
}

start_program "$1" skip-splash
xdotool mousemove 10 500 mousemove $((strip_left + 465)) 12
wait_until "the menu" menu_window
read -r menu_left menu_top menu_width menu_height _ < <(geometry "$(menu_window)")
xdotool mousemove $((menu_left + menu_width / 2)) $((menu_top + menu_height * 6 / 100)) click 1

answer 'Setting\.\.\.' key alt+i
answer 'Import a lesson' type --delay 20 "$samples/english_first.tsv"
xdotool key Return
answer 'Lesson preview' key Return
answer 'Lesson imported' key Return
wait_until "the summary to go" eval "! window_up 'Lesson imported'"
answer 'Setting\.\.\.' key Escape
wait_until "the dialog to close" eval "! window_up 'Setting\.\.\.'"
expect_eq "$(setting ownlesson)" english_first "the own lesson saved on closing"
[ -f "$XDG_DATA_HOME/parlavo/lessons/english_first.lesson" ] || fail "no lesson in $XDG_DATA_HOME/parlavo/lessons"

# The sentence showing goes on for its cycle (8 s); the next ones are the own lesson's.
sleep 20
end_program
place=$(setting ownplace)
[ -n "$place" ] && [ "$place" -ge 2 ] || fail "reading position in the own lesson '$place' after 20 seconds"
echo "PASS"
