# Helpers for real-window tests; source it from a script run by scripts/with-x11.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }

# wait_for SECONDS COMMAND...: polls every 0.1 s until COMMAND succeeds; fails after SECONDS.
wait_for() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# wait_until DESCRIPTION COMMAND...: waits ten seconds for COMMAND or fails; patiently waits a minute.
wait_until() { wait_for 10 "${@:2}" || fail "timed out waiting for $1"; }
patiently() { wait_for 60 "${@:2}" || fail "timed out waiting for $1"; }

# windows_titled TITLE: our windows (class parlavo) with exactly this title, not Qt's classless leader window.
windows_titled() {
    local id
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
        xprop -id "$id" WM_CLASS 2>/dev/null | grep -q '"parlavo"' && echo "$id"
    done
    return 0
}
window_by_title() { windows_titled "$1" | head -n 1; }
strip_window() { window_by_title Parlavo; }

# geometry ID: "x y width height map-state" from xwininfo (which, given no id, would wait for a click).
geometry() {
    [ -n "$1" ] || return 1
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} /Map State:/ {m=$NF} END {print x, y, w, h, m}'
}
is_viewable() { [ -n "$1" ] && [ "$(geometry "$1" | awk '{print $5}')" = IsViewable ]; }
# title_viewable TITLE: some window of ours with this title is mapped and viewable.
title_viewable() {
    local id
    for id in $(windows_titled "$1"); do is_viewable "$id" && return 0; done
    return 1
}

strip_height() { geometry "$(strip_window)" | awk '{print $4}'; }
# is_paused, is_playing: the strip as its bare line without the bird; open at the normal text size with the bird.
is_paused() { [ "$(strip_height)" = 1 ] && ! title_viewable "Parlavo bird"; }
is_playing() { [ "$(strip_height)" = 23 ] && title_viewable "Parlavo bird"; }

hex_id() { printf '0x%x' "$1"; }
# frame_of ID: the child of the root window that holds ID (the window manager's frame, or ID itself).
frame_of() {
    local id root parent
    id=$(hex_id "$1")
    root=$(xwininfo -root | awk '/Window id:/ {print $4}')
    while parent=$(xwininfo -id "$id" -tree | awk '/Parent window id:/ {print $4}') && [ "$parent" != "$root" ]; do
        id=$parent
    done
    echo "$id"
}
# is_above A B: window A is stacked above window B (xwininfo lists the root's children topmost first).
is_above() {
    local stack a b
    stack=$(xwininfo -root -children | awk '/^ +0x/ {print $1}')
    a=$(grep -n "^$(frame_of "$1")\$" <<<"$stack" | cut -d: -f1)
    b=$(grep -n "^$(frame_of "$2")\$" <<<"$stack" | cut -d: -f1)
    [ -n "$a" ] && [ -n "$b" ] && [ "$a" -lt "$b" ]
}

# setting KEY: the value stored in the test's Orna.conf; write_settings KEY=VALUE... writes only these keys.
setting() { sed -n "s/^$1=//p" "$XDG_CONFIG_HOME/Orna.conf"; }
write_settings() { printf '%s\n' '[Spanish]' "$@" >"$XDG_CONFIG_HOME/Orna.conf"; }
# file_state FILE: contents and modification time, to see that a file was left alone.
file_state() { echo "$(md5sum <"$1") $(stat -c %y "$1")"; }
# count_lines PATTERN FILE: lines of FILE matching the extended regular expression PATTERN.
count_lines() { grep -cE "$1" "$2" || true; }

# The menu: a viewable override-redirect window of ours that is neither the strip, the splash nor the bird's.
menu_window() {
    local window
    for window in $(xdotool search --onlyvisible --class '^parlavo$' 2>/dev/null); do
        [ "$window" != "$(strip_window)" ] || continue
        case "$(xdotool getwindowname "$window" 2>/dev/null)" in Version | "Parlavo bird" | "Parlavo balloon") continue ;;
        esac
        xwininfo -all -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        is_viewable "$window" && echo "$window" && return 0
    done
    return 1
}
# open_menu: moves the pointer onto the strip's picture (strip-left + 456..474, rows 3..21), from away so that it
# is a real motion, and sets menu_left, menu_top, menu_width and menu_height once the menu shows.
open_menu() {
    xdotool mousemove 10 500 mousemove $((strip_left + 465)) $((strip_top + 12))
    wait_until "the menu" menu_window
    read -r menu_left menu_top menu_width menu_height _ < <(geometry "$(menu_window)")
}
# click_menu_item PERCENT: the item at that fraction of the menu's height. The items are Settings, Read
# aloud, Repeat sentence, Knew it, Didn't know it, Pause, Progress, About, a separator, Website, E-mail, a
# separator and Exit.
click_menu_item() { xdotool mousemove $((menu_left + menu_width / 2)) $((menu_top + menu_height * $1 / 100)) click 1; }
# skip_splash: clicks the splash picture once it shows, so that the strip comes up at once.
skip_splash() {
    patiently "the splash" title_viewable Version
    xdotool mousemove --window "$(window_by_title Version)" 100 100 click 1
}
# start_program PROGRAM [skip-splash]: starts it (standard error to $PARLAVO_TMP/parlavo.log), waits for the
# strip and sets pid, strip_left, strip_top, strip_width and strip_height.
start_program() {
    "$1" 2>>"$PARLAVO_TMP/parlavo.log" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    [ "${2:-}" != skip-splash ] || skip_splash
    patiently "the strip" title_viewable Parlavo
    read -r strip_left strip_top strip_width strip_height _ < <(geometry "$(strip_window)")
}
# end_copy PID [SIGNAL]: ends the copy with SIGNAL (TERM) and leaves its exit status in `exit_status`.
end_copy() {
    exit_status=0
    kill -"${2:-TERM}" "$1"
    wait "$1" || exit_status=$?
}
# end_program [SIGNAL]: ends the program start_program started with SIGNAL (TERM) and expects status 0.
end_program() {
    end_copy "$pid" "${1:-TERM}"
    expect_eq "$exit_status" 0 "exit status after SIG${1:-TERM}"
}
# is_running PID: the process is alive and not a zombie waiting to be reaped.
is_running() { [ -r "/proc/$1/stat" ] && ! is_zombie "$1"; }
is_zombie() { [ "$(awk '{sub(/.*\) /, ""); print $1}' "/proc/$1/stat" 2>/dev/null)" = Z ]; }
# running_count PID...: how many of these processes are running.
running_count() {
    local pid n=0
    for pid in "$@"; do is_running "$pid" && n=$((n + 1)); done
    echo "$n"
}

# As root, permission bits stop nothing: `unprivileged` runs a program as nobody then, `hand_over` gives it files.
unprivileged=()
[ "$(id -u)" -ne 0 ] || unprivileged=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
hand_over() { [ "$(id -u)" -ne 0 ] || chown -R nobody: "$@"; }

# record WAV COMMAND...: records what scripts/with-pulse's server plays while COMMAND runs; loud: not silence.
record() {
    local wav=$1 recorder status=0
    parec -d parlavo_test.monitor --file-format=wav --format=s16le --rate=22050 --channels=1 "$wav" &
    recorder=$!
    "${@:2}" || status=$?
    kill -INT "$recorder"
    wait "$recorder" || true
    return "$status"
}
rms() { sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }
loud() { awk -v r="$(rms "$1")" 'BEGIN {exit !(r >= 0.02)}'; }
