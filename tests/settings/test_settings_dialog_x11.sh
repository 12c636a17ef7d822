# The settings dialog as a real window under a window manager: titled "Setting...", framed with a close
# box, its client area's top-left corner 266.67 pixels left of and 200 above the screen's middle, fixed at the
# size its layout asked for, and ticking "Start with windows start" then pressing Escape writes the autostart entry.
# $1 is the program that opens the dialog over a caption window.
set -euo pipefail

probe=$(realpath "$1")
entry="$XDG_CONFIG_HOME/autostart/Spanish.desktop"

source "$(dirname "$0")/../support/x11.sh"

dialog_window() { xdotool search --onlyvisible --name '^Setting\.\.\.$' 2>/dev/null | head -n 1; }
dialog_is_up() { [ -n "$(dialog_window)" ]; }
entry_exists() { [ -f "$entry" ]; }
probe_has_quit() { ! is_running "$probe_pid"; }

"$probe" >"$PARLAVO_TMP/probe.out" &
probe_pid=$!
trap 'kill "$probe_pid" 2>/dev/null || true' EXIT

wait_until "the dialog to be mapped" dialog_is_up
read -r logon_x logon_y <"$PARLAVO_TMP/probe.out"
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
# Openbox is still finishing the restore for a moment after the window is mapped again; a click that lands then
# sends the focus to openbox itself, and the Escape below would be lost.
sleep 1

entry_exists && fail "an autostart entry exists before the dialog wrote one"
xdotool mousemove --window "$window" "$logon_x" "$logon_y" click 1
xdotool key Escape
wait_until "the dialog to close and the program to quit" probe_has_quit
wait "$probe_pid" || fail "the program ended with status $?"
trap - EXIT

entry_exists || fail "no autostart entry at $entry"
grep -qx "Exec=$probe" "$entry" || fail "Exec line is '$(grep Exec "$entry")', expected the program $probe"
desktop-file-validate "$entry" || fail "the entry is not a valid desktop entry"
grep -qx 'mark=1' "$XDG_CONFIG_HOME/Orna.conf" || fail "the store does not hold mark=1"
echo "PASS"
