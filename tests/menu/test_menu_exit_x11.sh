# Exit ends the program with status 0 and leaves the strip's left edge, in twips, in the settings.
set -euo pipefail
source "$(dirname "$0")/x11_menu_helpers.sh"

start_program "$1"
open_menu
click_menu_item "$exit_item"

program_has_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_until "the program to end" program_has_ended
status=0
wait "$program_pid" || status=$?
((status == 0)) || fail "the program ended with status $status"

saved_left=$(sed -n 's/^left=//p' "$XDG_CONFIG_HOME/Orna.conf")
[ "$saved_left" = "$((strip_left * 15))" ] ||
    fail "saved left is '$saved_left', the strip's left edge is $strip_left px"
echo "PASS"
