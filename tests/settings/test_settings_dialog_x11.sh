# The settings dialog, opened from the program's menu, as a real window under a window manager: titled
# "Setting...", framed with a close box, its client area's top-left corner 266.67 pixels left of and 200 above
# the screen's middle, fixed at the size its layout asked for, back when minimised, and Escape closes it and
# saves its settings while the program runs on.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

dialog_window() { xdotool search --onlyvisible --name '^Setting\.\.\.$' 2>/dev/null | head -n 1; }
dialog_is_up() { [ -n "$(dialog_window)" ]; }

write_settings xxx=1 # not a first run, so only the dialog writes the timings
start_program "$1"
open_menu
click_menu_item 6
wait_until "the dialog to be mapped" dialog_is_up
window=$(dialog_window)

# The window manager may still be reparenting the window; the client's position settles with its frame.
frame_is_up() { xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
wait_until "the window manager's frame" frame_is_up
read -r frame_left frame_right frame_top frame_bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
((frame_top > 0)) || fail "no title bar (frame extents $frame_left $frame_right $frame_top $frame_bottom)"

client_geometry() {
    xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                  /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print x, y, w, h}'
}
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
read -r width height < <(sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\)/\1 \2/p' <<<"$hints") || fail "$hints"
grep -q "maximum size: $width by $height" <<<"$hints" || fail "resizable: $hints"
placed() { [ "$(client_geometry)" = "693 340 $width $height" ]; }
wait_until "the client area at 693,340 sized ${width}x$height (last seen at $(client_geometry))" placed

# Motif functions the dialog asks for: close (0x20) but neither minimise (0x08) nor maximise (0x10).
# Openbox keeps its own iconify button whatever a window asks; the request is what the program controls.
read -r _ motif_functions _ < <(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
((motif_functions & 0x20 && !(motif_functions & 0x18))) || fail "window functions $motif_functions"

# Minimised by the window manager all the same, the dialog comes back: while it is open, Exit is out of reach.
xdotool windowminimize "$window"
dialog_viewable() { is_viewable "$window"; }
wait_until "the minimised dialog to come back" dialog_viewable
dialog_active() { xprop -root _NET_ACTIVE_WINDOW | grep -q "$(hex_id "$window")\$"; }
wait_until "the dialog that came back to have the keyboard" dialog_active
# Openbox is still finishing the restore for a moment after the window is mapped again; a key that lands then
# goes to openbox itself.
sleep 1

expect_eq "$(setting etime)" "" "the timings stored before the dialog closed"
xdotool key Escape
wait_until "the dialog to close" eval '! dialog_is_up'
expect_eq "$(setting etime) $(setting ctime)" "5 3" "the timings the closed dialog saved"
is_running "$pid" || fail "the program ended with the dialog"
end_program
echo "PASS"
