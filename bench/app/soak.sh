#!/usr/bin/env bash
# A long run of sequence play with the bird speaking (etime 5, ctime 3, one cycle per sentence): resident
# memory at 2 minutes and at the end, and how many times the settings file was written meanwhile
# (every atomic save replaces the file, so each one shows as a new inode).
#   bench/app/soak.sh BUILD_DIR [MINUTES]     (30 minutes unless told)
set -euo pipefail
build=$(cd "${1:-build/ci}" && pwd)
minutes=${2:-30}
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/with-x11" bash -s "$build/parlavo" "$minutes" <<'SCRIPT'
set -euo pipefail
program=$1 minutes=$2
settings=$XDG_CONFIG_HOME/Orna.conf
printf '[Spanish]\nxxx=1\nrd=1\npsave=1\nn=1\netime=5\nctime=3\nguage=0\nguagen=10101\nvoice=1\n' >"$settings"
rss_mb() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

"$program" 2>"$PARLAVO_TMP/parlavo.log" &
pid=$!
sleep 3
writes=0
inode=$(stat -c %i "$settings")
for ((second = 3; second < minutes * 60; ++second)); do
    sleep 1
    now=$(stat -c %i "$settings" 2>/dev/null || echo "$inode")
    [ "$now" = "$inode" ] || { writes=$((writes + 1)); inode=$now; }
    [ "$second" -ne 120 ] || at2=$(rss_mb "$pid")
done
at_end=$(rss_mb "$pid")
echo "RSS at 2 minutes: ${at2:-n/a} MB; at $minutes minutes: $at_end MB"
echo "settings file written $writes times in $minutes minutes (reading position $(sed -n 's/^guagen=//p' "$settings"))"
kill -TERM "$pid"
wait "$pid" || true
SCRIPT
