# Shared by the menu's real-window tests, which source it. Every wait polls every 0.1 s up to a
# generous deadline; nothing depends on how long a step took.

source "$(dirname "${BASH_SOURCE[0]}")/../support/x11.sh"

# The menu: a viewable window of the program placed outside the window manager (unlike the settings
# dialog) that is neither the strip, nor titled "Version", nor one of the bird's ("Parlavo bird", "Parlavo balloon").
menu_window() {
    local strip window
    strip=$(strip_window)
    for window in $(xdotool search --onlyvisible --class '^parlavo$' 2>/dev/null); do
        [ "$window" = "$strip" ] && continue
        case "$(xdotool getwindowname "$window" 2>/dev/null)" in Version | "Parlavo bird" | "Parlavo balloon") continue ;; esac
        xwininfo -all -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        is_viewable "$window" && echo "$window" && return 0
    done
    return 1
}

menu_is_open() {
    [ -n "$(menu_window)" ]
}

strip_is_up() {
    local strip
    strip=$(strip_window)
    [ -n "$strip" ] && is_viewable "$strip"
}

# start_program PROGRAM: starts it in the background on the fresh configuration and waits for the strip;
# the program is ended with the script if it is still running then.
start_program() {
    "$1" &
    program_pid=$!
    trap 'kill "$program_pid" 2>/dev/null || true' EXIT
    wait_until "the caption strip" strip_is_up
    read -r strip_left strip_top strip_width strip_height _ < <(geometry "$(strip_window)")
}

# The picture the menu drops from spans strip-left + 456..474 and rows 3..21. Moving the pointer
# away first makes sure the move onto it is a real motion.
open_menu() {
    xdotool mousemove 10 500
    xdotool mousemove $((strip_left + 465)) 12
    wait_until "the menu" menu_is_open
    read -r menu_left menu_top menu_width menu_height _ < <(geometry "$(menu_window)")
}

# click_menu_item FRACTION: clicks the item at that fraction (in percent) of the menu's height. The items
# are Settings, Read aloud, Repeat sentence, About, a separator, Website, E-mail, a separator and Exit.
click_menu_item() {
    xdotool mousemove $((menu_left + menu_width / 2)) $((menu_top + menu_height * $1 / 100))
    xdotool click 1
}
about_item=48
exit_item=92
