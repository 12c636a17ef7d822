# The menu drops under the picture; About shows the version picture in the screen's middle until it is
# clicked or Escape is pressed; the menu opens again afterwards and goes by itself once the pointer has left
# it and the strip; Exit ends the program with status 0, the strip's left edge saved in twips.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

about_is_up() {
    for w in $(xdotool search --onlyvisible --name '^Version$' 2>/dev/null); do geometry "$w"; done | grep -q '^855 400 210 280 '
}

start_program "$1"
open_menu
menu_right=$((menu_left + menu_width)) picture_right=$((strip_left + 474)) strip_bottom=$((strip_top + strip_height))
((menu_right >= picture_right - 2 && menu_right <= picture_right + 2)) ||
    fail "menu's right edge at $menu_right, the picture's at $picture_right"
((menu_top >= strip_bottom - 1 && menu_top <= strip_bottom + 2)) ||
    fail "menu's top at $menu_top, the strip's bottom at $strip_bottom"

for close in "mousemove 960 540 click 1" "key Escape"; do
    click_menu_item 64
    wait_until "the About window centred on the screen" about_is_up
    xdotool $close
    wait_until "the About window to go after $close" eval '! about_is_up'
    open_menu
done
xdotool mousemove 960 700
wait_until "the menu to go with the pointer away" eval '! menu_window'

open_menu
click_menu_item 95
wait_until "the program to end" eval '! is_running $pid'
status=0
wait "$pid" || status=$?
expect_eq "$status" 0 "exit status after Exit"
expect_eq "$(setting left)" $((strip_left * 15)) "saved left edge (the strip's is at $strip_left px)"
echo "PASS"
