# The strip beside a native window on a real Wayland desktop (scripts/with-wayland, the program as $1): it collapses
# once the pointer leaves for the native window, its menu closes with it or with a click there, and the strip and the
# bird step aside while a film holds an idle inhibitor or (KDE) the native window is full screen. sway: the collapse.
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"

write_settings xxx=1 visi=1
strip_height() { geometry "$(strip_window)" | awk '{print $4}'; }
height_is() { [ "$(strip_height)" = "$1" ]; }
collapsed() { [ "$(strip_height)" -le 2 ]; }
top_is() { [ "$(geometry "$(strip_window)" | awk '{print $2}')" = "$1" ]; }
menu_closed() { ! menu_window; }
both_aside() { ! title_viewable Parlavo && ! title_viewable "Parlavo bird"; }
both_back() { title_viewable Parlavo && title_viewable "Parlavo bird"; }
native_windowed() { ! native_full_screen; }
# Pushing against the top of the strip opens it: the screen's top edge, or the top bar's lower edge on GNOME.
open_strip() { pointer_to $((strip_left + 100)) "$strip_top" && wait_for 10 height_is 23; }
open_strip_menu() { open_strip && pointer_to $((strip_left + 465)) $((strip_top + 12)) && wait_for 10 menu_window; }

pointer_to 960 600
start_program "$1"
patiently "the bird" title_viewable "Parlavo bird"
patiently "the intro to end with the strip collapsed" collapsed
screenshot started
[ "$PARLAVO_DESKTOP" != gnome ] || expect 10 "the strip's top at y=32, below the top bar" top_is 32
read -r strip_left strip_top _ < <(geometry "$(strip_window)")

open_strip || fail "pushing against the top of the strip does not open it"
screenshot strip-open
pointer_to $((strip_left + 200)) $((strip_top + 10)) # a look along the line before going
pointer_to $((strip_left + 200)) 600
expect 20 "the strip collapses once the pointer is on the native window" collapsed
if [ "$PARLAVO_DESKTOP" = sway ]; then finish && exit 0; fi

open_strip_menu || fail "the menu does not open from the strip's picture"
screenshot menu-open
pointer_to $((strip_left + 465)) 600
expect 20 "the menu closes when the strip collapses" menu_closed
open_strip_menu || fail "the menu does not open again"
pointer_to 300 600
click
expect 10 "the menu closes after a click on the native window" menu_closed
screenshot menu-closed

hold_idle_inhibitor
patiently "the desktop to hold the idle inhibitor" inhibitor_held
expect 30 "the strip and the bird step aside while an idle inhibitor is held" both_aside
screenshot inhibited
release_idle_inhibitor
expect 30 "the strip and the bird come back once the inhibitor is released" both_back

if [ "$PARLAVO_DESKTOP" = kde ]; then
    press F11
    patiently "the native window to go full screen" native_full_screen
    expect 20 "the strip and the bird step aside while the native window is full screen" both_aside
    screenshot full-screen
    press F11
    patiently "the native window to leave full screen" native_windowed
    expect 20 "the strip and the bird come back after full screen" both_back
fi
finish
