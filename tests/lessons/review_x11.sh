# Review play on the real program: lesson 1 in Review mode, "Knew it" (key k) for its first sentence and "Didn't know
# it" (key d) for its second; started again three days later (a faked clock), the second sentence, the most overdue,
# comes first although lesson order would give the first.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
answers() { "$program" --export-progress - | tail -n +2; }
shown() { python3 -c 'import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute("select sum(count) from shown").fetchone()[0] or 0)' "$XDG_DATA_HOME/parlavo/progress.sqlite"; }
# answer KEY COUNT: presses KEY in the menu until COUNT answers are stored; before a sentence has slid in there is
# nothing to answer. Right after a popup closed, the pointer needs a second motion over the picture to open it.
answer() {
    until [ "$(answers | wc -l)" -ge "$2" ]; do
        xdotool mousemove 10 500 sleep 0.3 mousemove $((strip_left + 465)) $((strip_top + 12)) sleep 0.2 \
            mousemove $((strip_left + 466)) $((strip_top + 13))
        ! wait_for 5 menu_window || xdotool key "$1"
        sleep 1
    done
}

write_settings rd=2 guage=1 n=1 etime=5 ctime=3 xxx=1
start_program "$program" skip-splash
answer k 1
first_shown=$(shown)
patiently "the next sentence" eval '[ "$(shown)" -gt "$first_shown" ]'
sleep 4 # the new sentence slides in; an answer before it has arrived is about the one before
answer d 2
end_program
expect_eq "$(answers | cut -d, -f3,6 | tr '\n' ' ')" "1,good 2,again " "lines and answers of the first run"

# The faked clock is libfaketime's, preloaded into the program itself so that its signals reach it; a sanitizer
# build must be told that a library preloaded before its runtime is meant.
printf '#!/bin/sh\nASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" LD_PRELOAD=%s FAKETIME=+3d FAKETIME_DONT_FAKE_MONOTONIC=1 exec "%s"\n' \
    "$(dpkg -L libfaketime | grep '/libfaketimeMT.so.1$')" "$program" >"$PARLAVO_TMP/later"
chmod +x "$PARLAVO_TMP/later"
start_program "$PARLAVO_TMP/later" skip-splash
answer k 3
end_program
expect_eq "$(answers | tail -n 1 | cut -d, -f3,6)" "2,good" "the sentence answered first three days later"
expect_eq "$(answers | tail -n 1 | cut -c1-10)" "$(date -u -d '+3 days' +%F)" "the day of the later answer"
echo "PASS"
