# Auto-hide and dragging of the real strip under Xvfb + openbox.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
write_settings xxx=1 visi=1
strip_at() { [ "$(geometry "$(strip_window)" | cut -d' ' -f1-2)" = "$1" ]; }

xdotool mousemove 100 600
start_program "$program"
wait_for 15 eval '[ "$(strip_height)" -le 2 ]' ||
    fail "the strip does not collapse with the pointer away (height $(strip_height))"
xdotool mousemove 900 2
wait_for 5 eval '[ "$(strip_height)" = 23 ]' || fail "pushing against the top edge over the strip does not open it"

# Dragged from the Spanish line (73 px right of the strip's left edge) down the screen, held still (X sends no
# movement then), and released: back at the top edge with its left edge under the pointer.
xdotool mousemove 900 10
sleep 0.2
xdotool mousedown 1
for step in 800,100 600,250 400,350; do
    xdotool mousemove "${step%,*}" "${step#*,}"
    sleep 0.15
done
xdotool mousemove 300 400
sleep 1
xdotool mouseup 1
wait_for 5 strip_at "227 0" || fail "the strip is at $(geometry "$(strip_window)") after the drag, not 227 0"
end_program
expect_eq "$(setting left)" 3405 "saved left edge"

# The next start puts the strip at the same left edge.
start_program "$program"
strip_at "227 0" || fail "the strip is at $(geometry "$(strip_window)") on the next start, not 227 0"
end_program
echo "autohide_drag_x11: passed"
