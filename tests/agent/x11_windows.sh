# The demo's bird under openbox or i3, without a compositor: in the free area's corner, only the bird showing, above
# normal windows without frames, taskbar entries or the keyboard; its balloon beside it; dragged, hidden, shown.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
work=$PARLAVO_TMP

titled() { xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
found() { [ -n "$(titled "$1")" ]; }
pixel() { convert "$work/screen.png" -format "%[pixel:p{$1,$2}]" info:; }
shoot() { import -window root "$work/screen.png"; }
is_white() { [[ "$(pixel "$1" "$2")" =~ ^(white|srgb\(255,255,255\))$ ]]; }
drawn_at() { shoot && ! is_white "$1" "$2"; }
placed_at() { [ "$(geometry "$1" | cut -d' ' -f1-2)" = "$2 $3" ]; }
hidden() { ! is_viewable "$1"; }
# keeps_focus_on ID: it has the keyboard focus and the window manager calls it active.
keeps_focus_on() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] &&
        [ "$(printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')" 2>/dev/null)" = "$1" ]
}

# stays_out_of_the_way ID WHAT: placed by the program, without a frame, never taking the keyboard, out of taskbars.
stays_out_of_the_way() {
    xwininfo -id "$1" | grep -q 'Override Redirect State: yes' || fail "the $2 is placed by the window manager"
    [ "$(frame_of "$1")" = "$(hex_id "$1")" ] || fail "the $2 has a frame"
    xprop -id "$1" WM_HINTS | grep -q 'accepts input or input focus: False' || fail "the $2 would take the keyboard"
    xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_UTILITY' || fail "the $2 is no utility window"
    xprop -id "$1" WM_TRANSIENT_FOR | grep -q 'window id' || fail "the $2 would show in the taskbar"
}

# normal_window NAME: shows a plain white window and prints its id once it is there.
normal_window() {
    xmessage -name "$1" -title "$1" -geometry 700x500-0-0 -bg white -fg white "$1" >/dev/null 2>&1 &
    wait_for 10 found "$1" || fail "the normal window $1 did not show"
    titled "$1"
}

# The free area: the window manager's work area where it says, else the whole screen.
read -r area_x area_y area_w area_h _ <<<"$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //; s/,//gp')"
[ -n "${area_h:-}" ] || read -r area_x area_y area_w area_h <<<"0 0 $(xdotool getdisplaygeometry)"

# A plain white window under the bird's corner: anything of the bird's window but the bird would hide it.
normal=$(normal_window under)
mkfifo "$work/commands"
exec 3<>"$work/commands"
"$1" <&3 >"$work/demo.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wait_for 20 found "Parlavo bird" || fail "the bird's window did not show"
bird=$(titled "Parlavo bird")
read -r x y w h _ <<<"$(geometry "$bird")"
expect_eq "$((x + w)) $((y + h))" "$((area_x + area_w)) $((area_y + area_h))" \
    "the bird's bottom-right corner under $PARLAVO_WM"
wait_for 10 drawn_at $((x + w / 2)) $((y + h / 2)) || fail "the bird was not drawn"

# Only the bird shows: the window's corners let the white window through.
is_white $((x + 1)) $((y + 1)) && is_white $((x + w - 2)) $((y + 1)) || fail "the bird's window shows at its corners"

stays_out_of_the_way "$bird" bird
xdotool windowactivate --sync "$normal" windowraise "$normal"
wait_for 10 is_above "$bird" "$normal" || fail "the bird went below a normal window"
wait_for 10 keeps_focus_on "$normal" || fail "the normal window did not get the focus"
# A window mapped after the bird goes on top of the window manager's stack; the bird comes back above it.
newer=$(normal_window newer)
wait_for 10 is_above "$bird" "$newer" || fail "the bird stayed below a newly mapped window"
# Some window managers (i3, not openbox) raise a frame to the very top of the stack, as this does.
xdotool windowraise "$(frame_of "$newer")"
wait_for 10 is_above "$bird" "$newer" || fail "the bird stayed below a window raised to the top"
wait_for 10 keeps_focus_on "$newer" || fail "the newly mapped window did not get the focus"

echo "say ¿Qué tal estás hoy? Muy bien, gracias. Hace un día estupendo para pasear por el parque." >&3
wait_for 20 found "Parlavo balloon" || fail "no balloon while speaking"
balloon=$(titled "Parlavo balloon")
read -r bx by bw bh _ <<<"$(geometry "$balloon")"
# Its right edge reaches just over the bird's window, its bottom ends at the bird's head.
[ "$((bx + bw))" -gt "$x" ] && [ "$((bx + bw))" -lt "$((x + w / 2))" ] && [ "$((by + bh))" -gt "$y" ] &&
    [ "$((by + bh))" -lt "$((y + h / 2))" ] || fail "the balloon is not beside the bird: $bx $by ${bw}x$bh"
stays_out_of_the_way "$balloon" balloon
is_above "$balloon" "$newer" || fail "the balloon is below a normal window"
keeps_focus_on "$newer" || fail "the balloon took the focus from the normal window"

# Dragged while it speaks, the bird takes the balloon along and leaves the focus where it was.
xdotool mousemove $((x + w / 2)) $((y + h / 2)) mousedown 1 mousemove $((x + w / 2 - 300)) $((y + h / 2 - 200)) \
    mouseup 1
wait_for 10 placed_at "$bird" $((x - 300)) $((y - 200)) || fail "the bird was not dragged: $(geometry "$bird")"
wait_for 10 placed_at "$balloon" $((bx - 300)) $((by - 200)) ||
    fail "the balloon did not come along: $(geometry "$balloon")"
keeps_focus_on "$newer" || fail "the bird took the focus when clicked"

wait_for 30 hidden "$balloon" || fail "the balloon stayed after the speech"
# No sound server here: the bird speaks silently and says so once.
expect_eq "$(cat "$work/demo.log")" "parlavo: no sound output could be opened; the bird speaks without sound" \
    "standard error without sound"

echo hide >&3
wait_for 10 hidden "$bird" || fail "the bird did not hide"
echo show >&3
wait_for 10 is_viewable "$bird" || fail "the bird did not show again"
placed_at "$bird" $((x - 300)) $((y - 200)) || fail "the bird came back elsewhere: $(geometry "$bird")"
echo quit >&3
wait "$pid" || fail "the demo did not end cleanly"
echo "bird windows: all checks passed"
