# A complete settings file with unusual but valid values comes back from a run and an exit exactly as it was: the
# program reads every value the way it wrote it.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"

# In the order the file keeps its keys, so that it can come back byte for byte.
write_settings ce=0 ctime=15 etime=15 guage=17 guagen=11734 left=15000 mark=0 n=12 psave=0 rd=1 red=3 ssave=0 \
    sspeed=300 stepaside=0 visi=1 voice=0 xxx=1
cp "$XDG_CONFIG_HOME/Orna.conf" "$PARLAVO_TMP/before.conf"
start_program "$1"
expect_eq "$strip_left" 1000 "the strip's left edge"
end_program
diff "$PARLAVO_TMP/before.conf" "$XDG_CONFIG_HOME/Orna.conf" || fail "the settings file changed"
echo "settings_file_x11: passed"
