# The real program with its settings file or its runtime folder damaged, missing, foreign or out of
# reach. Each time the strip comes up, standard error says once what cannot be kept, the program ends
# with status 0 on SIGTERM, and no healthy file is lost or rewritten needlessly.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
program=$1
# Rows that run the program as nobody (when the tests run as root) need to reach their folders.
chmod 711 "$PARLAVO_TMP"
root=false
[ "$(id -u)" -ne 0 ] || root=true
# Rows that mount a small file system leave nothing mounted, even when they fail.
trap 'for m in "$PARLAVO_TMP"/*/config "$PARLAVO_TMP"/*/runtime; do ! mountpoint -q "$m" || umount -l "$m"; done' EXIT

# The strip is placed at pixel 827 on this screen, so a save at exit turns left=12400 into 12405.
healthy=$'[Spanish]\nce=1\nn=2\nctime=3\netime=5\nrd=0\npsave=1\nssave=1\nvisi=0\nvoice=1\nguage=1\n'
healthy+=$'guagen=11000\nred=0\nmark=0\nxxx=1\nleft=12400\nsspeed=150\n'

# row NAME: fresh folders for one row (settings, a private runtime folder, home and a shared
# temporary folder) and the names $conf of its settings file and $log of the program's standard error.
row() {
    name=$1
    dir=$PARLAVO_TMP/$name
    mkdir -p "$dir/config" "$dir/runtime" "$dir/home" "$dir/tmp"
    chmod 700 "$dir/runtime"
    chmod 1777 "$dir/tmp"
    conf=$dir/config/Orna.conf
    log=$dir/stderr
}

skip() { echo "SKIP $name: $*"; }

# start [unprivileged] [system=FOLDER] [-u NAME] [NAME=VALUE]...: starts the program with the row's
# folders, as nobody, with FOLDER seen as /etc/xdg, or with these changes to its environment, and
# waits for its strip. The whole command stays in $command.
start() {
    local prefix=() unset=() vars=(XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home"
        TMPDIR="$dir/tmp") kept=() var
    while [ $# -gt 0 ]; do
        case $1 in
        unprivileged) prefix=("${unprivileged[@]}") ;;
        system=*) prefix=(unshare -m sh -c 'mount --bind "$0" /etc/xdg && exec "$@"' "${1#system=}") ;;
        -u)
            unset+=(-u "$2")
            kept=()
            for var in "${vars[@]}"; do [[ $var == "$2="* ]] || kept+=("$var"); done
            vars=("${kept[@]}")
            shift
            ;;
        *) vars+=("$1") ;;
        esac
        shift
    done
    command=("${prefix[@]}" env "${unset[@]}" "${vars[@]}" "$program")
    "${command[@]}" 2>"$log" &
    pid=$!
    skip_splash
    patiently "the strip ($name)" title_viewable Parlavo
}

# stop: ends the copy with SIGTERM, which saves, and expects status 0.
stop() {
    end_copy "$pid"
    expect_eq "$exit_status" 0 "$name: exit status"
}

# told_once PATTERN: one line on standard error matches PATTERN, and it is the program's only line
# there but for its notice that it has no sound. Qt's own warnings about the runtime folder are Qt's.
told_once() {
    expect_eq "$(count_lines "$1" "$log")" 1 "$name: lines matching '$1'"
    expect_eq "$(grep -v 'no sound output' "$log" | count_lines '^parlavo: ' -)" 1 "$name: lines from the program"
}

# turned_away: a second copy started the same way wakes the first and ends with status 0.
turned_away() {
    local status=0
    timeout 60 "${command[@]}" 2>"$dir/second" || status=$?
    expect_eq "$status" 0 "$name: exit status of a second copy"
    expect_eq "$(windows_titled Parlavo | wc -l)" 1 "$name: strips after a second copy"
}

saved() { XDG_CONFIG_HOME=$dir/config setting "$1"; }

row settings-folder
mkdir "$conf"
echo kept >"$conf/inside"
start
stop
told_once 'could not read the settings from .*Orna.conf'
expect_eq "$(cat "$conf/inside")" kept "$name: what the folder holds"

row unreadable-settings
printf %s "$healthy" >"$conf"
before=$(file_state "$conf")
hand_over "$dir"
chmod 000 "$conf"
start unprivileged
stop
told_once 'could not read the settings from .*Orna.conf'
chmod 600 "$conf"
expect_eq "$(file_state "$conf")" "$before" "$name: the settings file"

row garbage-settings
printf 'garbage \001\377 [not a section\nno value here\n' >"$conf"
garbage=$(md5sum <"$conf")
start
told_once 'settings file was damaged; a copy was kept as .*Orna.conf.damaged-'
stop
expect_eq "$(md5sum <"$conf".damaged-*)" "$garbage" "$name: the copy of the damaged file"
expect_eq "$(saved left)" 12405 "$name: left saved at exit"
expect_eq "$(saved xxx)" 1 "$name: first-run keys saved"

row read-only-folder
printf %s "$healthy" >"$conf"
before=$(file_state "$conf")
hand_over "$dir"
chmod 555 "$dir/config"
start unprivileged
stop
told_once 'could not save the settings to .*Orna.conf'
expect_eq "$(file_state "$conf")" "$before" "$name: the settings file"

# The first run's save fails; once the folder can be written again, the exit save works, quietly,
# and carries the first run's values too.
row writable-again
hand_over "$dir"
chmod 555 "$dir/config"
start unprivileged
wait_until "the failed first save ($name)" grep -q 'could not save' "$log"
chmod 755 "$dir/config"
stop
told_once 'could not save the settings to .*Orna.conf'
expect_eq "$(saved left)" 12405 "$name: left saved at exit"
expect_eq "$(saved xxx)" 1 "$name: first-run keys saved"

row full-disk
if $root && mount -t tmpfs -o size=64k,mode=755 parlavo-full "$dir/config"; then
    printf %s "$healthy" >"$conf"
    dd if=/dev/zero of="$dir/config/filler" bs=4k 2>/dev/null || true
    before=$(file_state "$conf")
    start
    stop
    told_once 'could not save the settings to .*Orna.conf'
    expect_eq "$(file_state "$conf")" "$before" "$name: the settings file"
    umount "$dir/config"
else
    skip "a small full file system needs root and mount"
fi

# A damaged system-wide file is read as a fallback; the user's healthy file is neither copied aside
# nor rewritten before the exit save, and saves are not reported as failures.
row damaged-system-file
if $root && unshare -m true 2>/dev/null; then
    mkdir "$dir/xdg"
    cp -a /etc/xdg/. "$dir/xdg/"
    printf 'garbage [not a section\nno value here\n' >"$dir/xdg/Orna.conf"
    printf %s "$healthy" >"$conf"
    before=$(file_state "$conf")
    start system="$dir/xdg"
    expect_eq "$(file_state "$conf")" "$before" "$name: the settings file while running"
    stop
    expect_eq "$(grep -v 'no sound output' "$log" | count_lines '^parlavo: ' -)" 0 "$name: lines from the program"
    expect_eq "$(find "$dir/config" -name 'Orna.conf.damaged-*' | wc -l)" 0 "$name: copies of the healthy file"
    expect_eq "$(saved left)" 12405 "$name: left saved at exit"
else
    skip "seeing another /etc/xdg needs root and a private mount namespace"
fi

row no-runtime-folder
start -u XDG_RUNTIME_DIR
told_once "XDG_RUNTIME_DIR is not set; the single-copy lock is kept in $dir/tmp/runtime-$(id -un)\$"
turned_away
stop

row foreign-runtime-folder
if $root; then
    chown nobody: "$dir/runtime"
    start
    told_once "runtime folder $dir/runtime cannot be used \\(it belongs to another user\\)"
    turned_away
    stop
else
    skip "a folder of another user needs root"
fi

# Qt gives the user's own folder back its proper mode, so only a read-only file system keeps one
# from being written.
row read-only-runtime-folder
if $root && mount -t tmpfs -o ro,mode=700 parlavo-read-only "$dir/runtime"; then
    start
    told_once "runtime folder $dir/runtime cannot be used \\(Read-only file system\\)"
    turned_away
    stop
    umount "$dir/runtime"
else
    skip "a read-only runtime folder needs root and mount"
fi

# Another user, or a link, in the place of the fallback folder cannot keep the program from starting.
row linked-fallback-folder
mkdir "$dir/target"
ln -s "$dir/target" "$dir/tmp/runtime-$(id -un)"
start -u XDG_RUNTIME_DIR
told_once "cannot be used either \\(it is a symbolic link\\); starting without the single-copy lock"
stop
expect_eq "$(ls -A "$dir/target")" "" "$name: files in the link's target"

row foreign-fallback-folder
if $root; then
    hand_over "$dir"
    mkdir -m 700 "$dir/tmp/runtime-nobody"
    start unprivileged -u XDG_RUNTIME_DIR
    told_once "cannot be used either \\(it belongs to another user\\); starting without the single-copy lock"
    stop
else
    skip "a folder of another user needs root"
fi

echo "broken_surroundings_x11: passed"
