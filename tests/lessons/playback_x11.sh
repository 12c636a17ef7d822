# About 20 seconds of sequence play, one cycle per sentence: the reading position saved on SIGTERM has
# moved on by at least two sentences.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
write_settings xxx=1 rd=1 psave=1 n=1 etime=5 ctime=3 guage=1 guagen=10101 ce=1 ssave=1 visi=0 voice=1 red=0 \
    mark=0 sspeed=150 left=0
"$1" 2>"$PARLAVO_TMP/parlavo.log" &
pid=$!
sleep 20
end_program
guagen=$(setting guagen)
[ -n "$guagen" ] && [ "$guagen" -ge 10103 ] || fail "saved guagen '$guagen' after 20 seconds"
