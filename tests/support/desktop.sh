# One pointer, keyboard, screenshot and idle-inhibition API over the desktops of scripts/with-wayland
# (PARLAVO_DESKTOP gnome, kde or sway); source it from a script run there. X windows are seen as in x11.sh.
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wayland" && pwd)
vnc() { "$tools/sway_vnc.py" "$XDG_RUNTIME_DIR/vnc" "$@"; }
# On KDE one input device serves the whole test, as a user's mouse does.
[ "$PARLAVO_DESKTOP" != kde ] || coproc KDE_INPUT { "$PARLAVO_TMP/kde_input"; }
kde() { echo "$*" >&"${KDE_INPUT[1]}" && read -r -u "${KDE_INPUT[0]}" _; }

# pointer_to X Y: one motion straight there, over no window in between. GNOME takes only relative motion: from
# where the last call left the pointer, or at first from the top-left corner (with-wayland turned the hot corner off).
pointer=()
pointer_to() {
    case $PARLAVO_DESKTOP in
    gnome) if [ ${#pointer[@]} -eq 2 ]; then "$tools/gnome.py" input rel $(($1 - pointer[0])) $(($2 - pointer[1]))
    else "$tools/gnome.py" input "home ; rel $1 $2"; fi ;;
    kde) kde abs "$1" "$2" ;;
    sway) vnc pointer "$1" "$2" ;;
    esac
    pointer=("$1" "$2")
}

click() {
    case $PARLAVO_DESKTOP in
    gnome) "$tools/gnome.py" input click ;;
    kde) kde click ;;
    sway) vnc pointer "${pointer[@]}" 1 && vnc pointer "${pointer[@]}" 0 ;;
    esac
}

# press F11|Escape
press() {
    case $PARLAVO_DESKTOP in
    gnome) "$tools/gnome.py" input key "$1" ;;
    kde) kde key "$([ "$1" = F11 ] && echo 87 || echo 1)" ;;
    sway) vnc key "$([ "$1" = F11 ] && echo 65480 || echo 65307)" ;;
    esac
}

# screenshot NAME: the whole screen into $PARLAVO_TMP/NAME.png, which with-wayland keeps when the test fails. A
# picture is there to explain a failure: one the desktop does not give is said and the test goes on.
screenshot() {
    case $PARLAVO_DESKTOP in
    gnome) "$tools/gnome.py" screenshot "$PARLAVO_TMP/$1.png" ;;
    kde) "$tools/kde.py" screenshot "$PARLAVO_TMP/$1.png" ;;
    sway) vnc screenshot "$PARLAVO_TMP/$1.png" ;;
    esac || echo "note: no screenshot $1 from $PARLAVO_DESKTOP" >&2
}

# The native window's full-screen state as the compositor knows it (KDE only).
native_full_screen() { "$tools/kde.py" active-window | grep -q '|true|'; }

# An idle inhibitor as a film player holds one: through gnome-session on GNOME, through KWin's
# org.freedesktop.ScreenSaver (handed on to PowerDevil) on KDE. inhibitor_held asks the desktop itself.
hold_idle_inhibitor() {
    case $PARLAVO_DESKTOP in
    gnome) gnome-session-inhibit --inhibit idle --inhibit-only >/dev/null & ;;
    kde) /usr/bin/python3 -c 'import dbus, signal
dbus.SessionBus().call_blocking("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
    "org.freedesktop.ScreenSaver", "Inhibit", "ss", ("desktop test", "a film"))
signal.pause()' & ;;
    esac
    inhibitor=$!
}
release_idle_inhibitor() { kill "$inhibitor" && wait "$inhibitor" 2>/dev/null || true; }
inhibitor_held() {
    case $PARLAVO_DESKTOP in
    gnome) gdbus call --session --dest org.gnome.SessionManager --object-path /org/gnome/SessionManager \
        --method org.gnome.SessionManager.IsInhibited 8 ;;
    kde) gdbus call --session --dest org.kde.Solid.PowerManagement --object-path \
        /org/kde/Solid/PowerManagement/PolicyAgent --method org.kde.Solid.PowerManagement.PolicyAgent.HasInhibition 4 ;;
    esac | grep -q true
}

# expect SECONDS DESCRIPTION COMMAND...: waits for COMMAND; a miss is counted and photographed, and the test goes
# on, so that one run shows every fault. finish fails the test when anything was missed.
misses=0
expect() {
    local seconds=$1 what=$2
    shift 2
    wait_for "$seconds" "$@" && return 0
    misses=$((misses + 1))
    screenshot "missed-$misses" || true
    echo "FAIL: $what (screenshot missed-$misses.png)" >&2
}
finish() {
    [ "$misses" -eq 0 ] || fail "$misses check(s) failed on $PARLAVO_DESKTOP; screenshots and logs in $PARLAVO_TMP"
    echo "$(basename "$0") on $PARLAVO_DESKTOP: passed"
}
