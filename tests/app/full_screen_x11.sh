# A window made full screen under the window manager sends the strip and the bird away and silences the
# bird; when it goes, both come back and speech is heard again. Runs under scripts/with-x11 and
# scripts/with-pulse, the program as $1.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1

printf '[Spanish]\nxxx=1\nrd=1\nn=1\netime=5\nctime=3\nce=1\nvoice=1\nguage=1\nguagen=10101\n' \
    >"$XDG_CONFIG_HOME/Orna.conf"

# heard SECONDS: the RMS amplitude of what the null sink played over the next SECONDS.
heard() {
    timeout "$1" parec -d parlavo_test.monitor --file-format=wav --format=s16le --rate=22050 --channels=1 \
        "$PARLAVO_TMP/heard.wav" || true
    sox "$PARLAVO_TMP/heard.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'
}
loud() { awk -v r="$1" 'BEGIN {exit !(r >= 0.02)}'; }
bird_viewable() { title_viewable "Parlavo bird"; }
bird_gone() { ! title_viewable "Parlavo bird"; }
strip_gone() { ! title_viewable Parlavo; }

xdotool mousemove 900 600
"$program" 2>"$PARLAVO_TMP/parlavo.log" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
wait_until "the strip" title_viewable Parlavo
wait_until "the bird" bird_viewable

xmessage -name film -title film 'a film' &
film=$!
wait_until "the film window" sh -c 'wmctrl -l | grep -q " film$"'
wmctrl -a film
wmctrl -r film -b add,fullscreen
wait_until "the strip to step aside" strip_gone
wait_until "the bird to step aside" bird_gone
rms=$(heard 10)
echo "while the film plays: RMS $rms"
loud "$rms" && fail "the bird is heard over a full-screen window (RMS $rms)"

kill "$film"
wait_until "the strip to come back" title_viewable Parlavo
wait_until "the bird to come back" bird_viewable
rms=$(heard 10)
echo "after the film: RMS $rms"
loud "$rms" || fail "the bird is not heard after the full-screen window went (RMS $rms)"

kill -TERM "$pid"
wait "$pid" || fail "exit status $? after SIGTERM"
trap - EXIT
echo "full_screen_x11: passed"
