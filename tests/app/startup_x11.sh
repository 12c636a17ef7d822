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
strip=$(strip_window)
[ -z "$strip" ] || ! is_viewable "$strip" || fail "the strip shows before the splash closes"

wait_for 10 title_viewable Parlavo || fail "the strip never shows"
strip=$(strip_window)
read -r x y w h _ <<<"$(geometry "$strip")"
expect_eq "$x,$y,$w" "827,0,477" "strip position"
expect_eq "$h" "23" "strip height"
xprop -id "$strip" WM_HINTS | grep -q 'accepts input or input focus: False' || fail "the strip takes the keyboard"
wait_for 5 sh -c "! xwininfo -id $splash 2>/dev/null | grep -q IsViewable" || fail "the splash stays"

# A normal window opened later must not cover the strip.
xmessage -geometry 800x200+700+0 "covering window" &
cover=$!
wait_for 10 xdotool search --name '^xmessage$'
cover_window=$(xdotool search --name '^xmessage$' | head -n 1)
wait_for 5 is_above "$strip" "$cover_window" || fail "the strip is not above the new window"
kill "$cover"

# A second copy wakes the first, touches nothing and ends with status 0.
before=$(md5sum "$XDG_CONFIG_HOME/Orna.conf")
timeout 10 "$program" 2>"$PARLAVO_TMP/second.log" || fail "second copy exited with $?"
expect_eq "$(md5sum "$XDG_CONFIG_HOME/Orna.conf")" "$before" "settings after a second copy"
expect_eq "$(windows_titled Parlavo | wc -l)" "1" "strips after a second copy"

# Termination saves the place like Exit does.
sed -i 's/^left=.*/left=1/' "$XDG_CONFIG_HOME/Orna.conf"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
expect_eq "$status" "0" "exit status after SIGTERM"
expect_eq "$(setting left)" "12405" "saved left edge"
expect_eq "$(setting voice)" "1" "saved voice"
# Two copies started at the same instant leave exactly one running.
"$program" 2>/dev/null &
a=$!
"$program" 2>/dev/null &
b=$!
wait_for 10 title_viewable Parlavo || fail "neither of two copies shows its strip"
sleep 1
alive=0
for p in $a $b; do kill -0 "$p" 2>/dev/null && alive=$((alive + 1)); done
expect_eq "$alive" "1" "copies running after a simultaneous start"
kill -TERM $a $b 2>/dev/null || true
wait $a $b 2>/dev/null || true
echo "startup_x11: passed"
