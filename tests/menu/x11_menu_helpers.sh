# Shared by the menu's real-window tests, which source it. Every wait polls every 0.1 s up to a
# generous deadline; nothing depends on how long a step took.

deadline_tenths=100

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for DESCRIPTION COMMAND [ARGS...]
wait_for() {
    local what=$1
    shift
    for ((tenth = 0; tenth < deadline_tenths; tenth++)); do
        "$@" && return 0
        sleep 0.1
    done
    fail "timed out waiting for $what"
}

# The strip is the one visible window both titled and classed Parlavo; Qt's hidden leader window
# shares the title, the menu shares the class.
strip_window() {
    xdotool search --all --onlyvisible --name --class '^parlavo$' 2>/dev/null | head -n 1
}

# geometry WINDOW prints "LEFT TOP WIDTH HEIGHT" in pixels.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                             /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

is_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# The menu: a viewable window of the program placed outside the window manager (unlike the settings
# dialog) that is neither the strip nor titled "Version".
menu_window() {
    local strip window
    strip=$(strip_window)
    for window in $(xdotool search --onlyvisible --class '^parlavo$' 2>/dev/null); do
        [ "$window" = "$strip" ] && continue
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "Version" ] && continue
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
    wait_for "the caption strip" strip_is_up
    read -r strip_left strip_top strip_width strip_height < <(geometry "$(strip_window)")
}

# The picture the menu drops from spans strip-left + 456..474 and rows 3..21. Moving the pointer
# away first makes sure the move onto it is a real motion.
open_menu() {
    xdotool mousemove 10 500
    xdotool mousemove $((strip_left + 465)) 12
    wait_for "the menu" menu_is_open
    read -r menu_left menu_top menu_width menu_height < <(geometry "$(menu_window)")
}

# click_menu_item FRACTION: clicks the item at that fraction (in percent) of the menu's height. The items
# are Settings, Read aloud, About, a separator, Website, E-mail, a separator and Exit.
click_menu_item() {
    xdotool mousemove $((menu_left + menu_width / 2)) $((menu_top + menu_height * $1 / 100))
    xdotool click 1
}
about_item=40
exit_item=91
