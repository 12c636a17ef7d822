# The real program with its settings file or runtime folder damaged, missing, foreign or out of reach: the
# strip comes up, standard error says once what cannot be kept, SIGTERM ends it with status 0, and no healthy
# file is lost or rewritten needlessly.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
chmod 711 "$PARLAVO_TMP" # rows run as nobody reach their folders
root=false
[ "$(id -u)" -ne 0 ] || root=true
trap 'for m in "$PARLAVO_TMP"/*/config "$PARLAVO_TMP"/*/runtime; do ! mountpoint -q "$m" || umount -l "$m"; done' EXIT

# row NAME: fresh settings, runtime, home and temporary folders; $conf is the settings file, $log standard error.
row() {
    name=$1 dir=$PARLAVO_TMP/$1
    conf=$dir/config/Orna.conf log=$dir/stderr
    mkdir -p "$dir/config" "$dir/runtime" "$dir/home" "$dir/tmp"
    chmod 700 "$dir/runtime"
    chmod 1777 "$dir/tmp"
}
# needs_root [COMMAND...]: as root, runs COMMAND (a mount, say); else, or if it fails, says the row is skipped.
needs_root() { $root && "$@" || { echo "SKIP $name: needs root${1:+ and $1}"; return 1; }; }
# The strip is placed at pixel 827 on this screen, so a save at exit turns left=12400 into 12405.
healthy_file() {
    XDG_CONFIG_HOME=$dir/config write_settings ce=1 n=2 ctime=3 etime=5 rd=0 psave=1 ssave=1 visi=0 voice=1 guage=1 \
        guagen=11000 red=0 mark=0 xxx=1 left=12400 sspeed=150
    before=$(file_state "$conf")
}
untouched() { expect_eq "$(file_state "$conf")" "$before" "$name: the settings file"; }
saved() { XDG_CONFIG_HOME=$dir/config setting "$1"; }

# start [unprivileged] [system=FOLDER] [no-runtime-folder] [second-copy]: starts the program in the row's folders
# (as nobody, FOLDER as /etc/xdg, no XDG_RUNTIME_DIR) and waits for its strip; a second copy must wake it.
start() {
    local prefix=() runtime=(XDG_RUNTIME_DIR="$dir/runtime") arg command status=0
    for arg; do
        case $arg in
        unprivileged) prefix=("${unprivileged[@]}") ;;
        system=*) prefix=(unshare -m sh -c 'mount --bind "$0" /etc/xdg && exec "$@"' "${arg#system=}") ;;
        no-runtime-folder) runtime=(-u XDG_RUNTIME_DIR) ;;
        esac
    done
    command=("${prefix[@]}" env "${runtime[@]}" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
        HOME="$dir/home" TMPDIR="$dir/tmp" "$program")
    "${command[@]}" 2>"$log" &
    pid=$!
    skip_splash
    patiently "the strip ($name)" title_viewable Parlavo
    [[ " $* " == *" second-copy "* ]] || return 0
    timeout 60 "${command[@]}" 2>"$dir/second" || status=$?
    expect_eq "$status" 0 "$name: exit status of a second copy"
    expect_eq "$(windows_titled Parlavo | wc -l)" 1 "$name: strips after a second copy"
}

# stop_saying [PATTERN]: SIGTERM ends the program with status 0; standard error has one line of its own, matching
# PATTERN, besides the notice that it has no sound.
stop_saying() {
    end_copy "$pid"
    expect_eq "$exit_status" 0 "$name: exit status"
    [ $# = 0 ] || expect_eq "$(count_lines "$1" "$log")" 1 "$name: lines matching '$1'"
    expect_eq "$(grep -v 'no sound output' "$log" | count_lines '^parlavo: ' -)" $# "$name: lines from the program"
}
# run PATTERN [START ARGUMENTS]: start, then stop_saying PATTERN.
run() {
    start "${@:2}"
    stop_saying "$1"
}

row settings-folder
mkdir "$conf"
echo kept >"$conf/inside"
run 'could not read the settings from .*Orna.conf'
expect_eq "$(cat "$conf/inside")" kept "$name: what the folder holds"

row unreadable-settings
healthy_file
hand_over "$dir"
chmod 000 "$conf"
run 'could not read the settings from .*Orna.conf' unprivileged
chmod 600 "$conf"
untouched

row garbage-settings
printf 'garbage \001\377 [not a section\nno value here\n' >"$conf"
garbage=$(md5sum <"$conf")
run 'settings file was damaged; a copy was kept as .*Orna.conf.damaged-'
expect_eq "$(md5sum <"$conf".damaged-*)" "$garbage" "$name: the copy of the damaged file"
expect_eq "$(saved left) $(saved xxx)" "12405 1" "$name: left and first-run keys saved at exit"

row read-only-folder
healthy_file
hand_over "$dir"
chmod 555 "$dir/config"
run 'could not save the settings to .*Orna.conf' unprivileged
untouched

# The first run's save fails; the exit save, once the folder can be written, works quietly with its values.
row writable-again
hand_over "$dir"
chmod 555 "$dir/config"
start unprivileged
wait_until "the failed first save ($name)" grep -q 'could not save' "$log"
chmod 755 "$dir/config"
stop_saying 'could not save the settings to .*Orna.conf'
expect_eq "$(saved left) $(saved xxx)" "12405 1" "$name: left and first-run keys saved at exit"

row full-disk
if needs_root mount -t tmpfs -o size=64k,mode=755 parlavo-full "$dir/config"; then
    healthy_file
    dd if=/dev/zero of="$dir/config/filler" bs=4k 2>/dev/null || true
    run 'could not save the settings to .*Orna.conf'
    untouched
fi

# A damaged system-wide file is read as a fallback; the user's healthy file is neither copied aside nor
# rewritten before the exit save, and saves are not reported as failures.
row damaged-system-file
if needs_root unshare -m true; then
    mkdir "$dir/xdg"
    cp -a /etc/xdg/. "$dir/xdg/"
    printf 'garbage [not a section\nno value here\n' >"$dir/xdg/Orna.conf"
    healthy_file
    start system="$dir/xdg"
    untouched
    stop_saying
    expect_eq "$(find "$dir/config" -name 'Orna.conf.damaged-*' | wc -l)" 0 "$name: copies of the healthy file"
    expect_eq "$(saved left)" 12405 "$name: left saved at exit"
fi

row no-runtime-folder
run "XDG_RUNTIME_DIR is not set; the single-copy lock is kept in $dir/tmp/runtime-$(id -un)\$" no-runtime-folder \
    second-copy

row foreign-runtime-folder
! needs_root chown nobody: "$dir/runtime" ||
    run "runtime folder $dir/runtime cannot be used \\(it belongs to another user\\)" second-copy

# Qt gives the user's own folder back its proper mode: only a read-only file system keeps it from being written.
row read-only-runtime-folder
! needs_root mount -t tmpfs -o ro,mode=700 parlavo-read-only "$dir/runtime" ||
    run "runtime folder $dir/runtime cannot be used \\(Read-only file system\\)" second-copy

# Another user, or a link, in the place of the fallback folder cannot keep the program from starting.
row linked-fallback-folder
mkdir "$dir/target"
ln -s "$dir/target" "$dir/tmp/runtime-$(id -un)"
run "cannot be used either \\(it is a symbolic link\\); starting without the single-copy lock" no-runtime-folder
expect_eq "$(ls -A "$dir/target")" "" "$name: files in the link's target"

echo "broken_surroundings_x11: passed"
