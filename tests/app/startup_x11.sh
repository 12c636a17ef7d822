# Start-up, single copy and termination of the real program under Xvfb + openbox.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1

"$program" 2>"$PARLAVO_TMP/first.log" &
pid=$!
wait_for 10 title_viewable Version || fail "no splash"
splash=$(window_by_title Version)
read -r x y w h _ <<<"$(geometry "$splash")"
expect_eq "$x,$y,$w,$h" "893,420,210,280" "splash geometry"
! is_viewable "$(strip_window)" || fail "the strip shows before the splash closes"

wait_for 10 title_viewable Parlavo || fail "the strip never shows"
strip=$(strip_window)
read -r x y w h _ <<<"$(geometry "$strip")"
expect_eq "$x,$y,$w,$h" "827,0,477,23" "strip geometry"
xprop -id "$strip" WM_HINTS | grep -q 'accepts input or input focus: False' || fail "the strip takes the keyboard"
wait_for 5 eval "! is_viewable $splash" || fail "the splash stays"

# A normal window opened later must not cover the strip.
xmessage -geometry 800x200+700+0 "covering window" &
cover=$!
wait_for 10 xdotool search --name '^xmessage$'
wait_for 5 is_above "$strip" "$(xdotool search --name '^xmessage$' | head -n 1)" ||
    fail "the strip is not above the new window"
kill "$cover"

# A second copy wakes the first, touches nothing and ends with status 0.
before=$(file_state "$XDG_CONFIG_HOME/Orna.conf")
timeout 10 "$program" 2>"$PARLAVO_TMP/second.log" || fail "second copy exited with $?"
expect_eq "$(file_state "$XDG_CONFIG_HOME/Orna.conf")" "$before" "settings after a second copy"
expect_eq "$(windows_titled Parlavo | wc -l)" 1 "strips after a second copy"

# SIGTERM, SIGINT and SIGHUP end it as Exit does: the strip's place (pixel 827, 12405 twips) and the voice saved.
for signal in TERM INT HUP; do
    [ "$signal" = TERM ] || start_program "$program" skip-splash
    sed -i 's/^left=.*/left=1/; s/^voice=.*/voice=7/' "$XDG_CONFIG_HOME/Orna.conf"
    end_program "$signal"
    expect_eq "$(setting left)" 12405 "left saved after SIG$signal"
    expect_eq "$(setting voice)" 1 "voice saved after SIG$signal"
done
echo "startup_x11: passed"
