#!/usr/bin/env bash
# Runs the program for about 20 seconds of sequence play, one cycle per sentence, and checks that
# the reading position it saves on SIGTERM has moved on by at least two sentences.
set -euo pipefail
program=$1
settings="$XDG_CONFIG_HOME/Orna.conf"

cat >"$settings" <<'CONF'
[Spanish]
xxx=1
rd=1
psave=1
n=1
etime=5
ctime=3
guage=1
guagen=10101
ce=1
ssave=1
visi=0
voice=1
red=0
mark=0
sspeed=150
left=0
CONF

"$program" >"$PARLAVO_TMP/parlavo.log" 2>&1 &
pid=$!
sleep 20
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
cat "$PARLAVO_TMP/parlavo.log"

guagen=$(sed -n 's/^guagen=//p' "$settings")
echo "exit status $status, saved guagen ${guagen:-<none>}"
[ -n "$guagen" ] && [ "$guagen" -ge 10103 ]
