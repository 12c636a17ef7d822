# Auto-hide and dragging of the real strip under Xvfb + openbox.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1

printf '[Spanish]\nxxx=1\nvisi=1\n' >"$XDG_CONFIG_HOME/Orna.conf"
strip_height() { geometry "$(strip_window)" | awk '{print $4}'; }
strip_x() { geometry "$(strip_window)" | awk '{print $1}'; }
height_is() { [ "$(strip_height)" = "$1" ]; }
collapsed() { [ "$(strip_height)" -le 2 ]; }

xdotool mousemove 100 600
"$program" 2>"$PARLAVO_TMP/run1.log" &
pid=$!
wait_for 10 title_viewable Parlavo || fail "the strip never shows"
wait_for 15 collapsed || fail "the strip does not collapse with the pointer away (height $(strip_height))"

xdotool mousemove 900 2
wait_for 5 height_is 23 || fail "pushing against the top edge over the strip does not open it"

# Press on the Spanish line, drag down the screen and release: back at the top edge, left edge
# where the move put it (the grab was 73 px right of the strip's left edge). A move follows the
# pointer as last sampled by the 60 ms tick, so the final nudge lands on the sample of (300, 400).
xdotool mousemove 900 10
sleep 0.2
xdotool mousedown 1
for step in 800,100 600,250 400,350 300,400 300,401; do
    xdotool mousemove "${step%,*}" "${step#*,}"
    sleep 0.15
done
xdotool mouseup 1
wait_for 5 sh -c "[ \"\$(xwininfo -id $(strip_window) | awk '/Absolute upper-left X/ {print \$NF}')\" = 227 ]" ||
    fail "the strip is at x $(strip_x) after the drag, not 227"
read -r x y _ <<<"$(geometry "$(strip_window)")"
expect_eq "$x,$y" "227,0" "strip after the release"

kill -TERM "$pid"
wait "$pid" || fail "exit status $? after SIGTERM"
expect_eq "$(setting left)" "3405" "saved left edge"

# The next start puts the strip at the same left edge.
"$program" 2>"$PARLAVO_TMP/run2.log" &
pid=$!
wait_for 10 title_viewable Parlavo || fail "the strip never shows on the second start"
read -r x y _ <<<"$(geometry "$(strip_window)")"
expect_eq "$x,$y" "227,0" "strip on the next start"
kill -TERM "$pid"
wait "$pid" || true
echo "autohide_drag_x11: passed"
