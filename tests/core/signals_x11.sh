# SIGINT and SIGHUP end the real program the way SIGTERM and the Exit command do: "left" and "voice"
# are saved and the exit status is 0.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1

for signal in INT HUP; do
    "$program" 2>"$PARLAVO_TMP/$signal.log" &
    pid=$!
    skip_splash
    patiently "the strip" title_viewable Parlavo
    # The placed strip is at pixel 827, which the save turns into 12405 twips.
    sed -i 's/^left=.*/left=1/; s/^voice=.*/voice=7/' "$XDG_CONFIG_HOME/Orna.conf"
    kill -"$signal" "$pid"
    status=0
    wait "$pid" || status=$?
    expect_eq "$status" 0 "exit status after SIG$signal"
    expect_eq "$(setting left)" 12405 "left saved after SIG$signal"
    expect_eq "$(setting voice)" 1 "voice saved after SIG$signal"
done
echo "signals_x11: passed"
