# A full-screen window sends the strip and the bird away and silences the bird; when it goes, both come
# back and speech is heard again. Runs under scripts/with-x11 and scripts/with-pulse, the program as $1.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
write_settings xxx=1 rd=1 n=1 etime=5 ctime=3 ce=1 voice=1 guage=1 guagen=10101
heard=$PARLAVO_TMP/heard.wav

xdotool mousemove 900 600
start_program "$1"
wait_until "the bird" title_viewable "Parlavo bird"

xmessage -name film -title film 'a film' &
film=$!
wait_until "the film window" sh -c 'wmctrl -l | grep -q " film$"'
wmctrl -a film
wmctrl -r film -b add,fullscreen
wait_until "the strip and the bird to step aside" eval '! title_viewable Parlavo && ! title_viewable "Parlavo bird"'
record "$heard" sleep 10
! loud "$heard" || fail "the bird is heard over a full-screen window (RMS $(rms "$heard"))"

kill "$film"
wait_until "the strip and the bird to come back" eval 'title_viewable Parlavo && title_viewable "Parlavo bird"'
record "$heard" sleep 10
loud "$heard" || fail "the bird is not heard after the full-screen window went (RMS $(rms "$heard"))"
end_program
echo "full_screen_x11: passed"
