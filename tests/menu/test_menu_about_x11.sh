# The menu drops under the picture, and About shows the version picture in the screen's middle until
# it is clicked or Escape is pressed; the menu opens again afterwards, and goes by itself once the pointer
# has left it and the strip.
set -euo pipefail
source "$(dirname "$0")/x11_menu_helpers.sh"

about_window() {
    xdotool search --onlyvisible --name '^Version$' 2>/dev/null | while read -r window; do
        [ "$(geometry "$window" | cut -d" " -f1-4)" = "855 400 210 280" ] && echo "$window"
    done | head -n 1
}
about_is_up() { [ -n "$(about_window)" ]; }
about_is_gone() { [ -z "$(about_window)" ]; }

start_program "$1"

open_menu
picture_right=$((strip_left + 474))
menu_right=$((menu_left + menu_width))
((menu_right >= picture_right - 2 && menu_right <= picture_right + 2)) ||
    fail "menu's right edge at $menu_right, the picture's at $picture_right"
((menu_top >= strip_top + strip_height - 1 && menu_top <= strip_top + strip_height + 2)) ||
    fail "menu's top at $menu_top, the strip's bottom at $((strip_top + strip_height))"

click_menu_item "$about_item"
wait_until "the About window centred on the screen" about_is_up
xdotool mousemove 960 540 click 1
wait_until "the About window to go after a click" about_is_gone

open_menu
click_menu_item "$about_item"
wait_until "the About window shown again" about_is_up
xdotool key Escape
wait_until "the About window to go on Escape" about_is_gone

open_menu
xdotool mousemove 960 700
menu_is_closed() { ! menu_is_open; }
wait_until "the menu to go with the pointer away" menu_is_closed
echo "PASS"
