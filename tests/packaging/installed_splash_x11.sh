# Starts the unpacked program under scripts/with-x11 until its splash shows, ends it with SIGTERM, and
# checks that every Qt plugin it loaded comes with a package the Debian package depends on.
#   installed_splash_x11.sh PROGRAM DEB
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/x11.sh"
source "$here/package.sh"
program=$1 deb=$2
log=$PARLAVO_TMP/installed.log

QT_DEBUG_PLUGINS=1 "$program" 2>"$log" &
pid=$!
wait_for 30 title_viewable Version || {
    cat "$log" >&2
    fail "the installed program shows no splash"
}
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
expect_eq "$status" "0" "exit status after SIGTERM"

plugins=$(sed -n 's/.*"\(\/[^"]*\/plugins\/[^"]*\.so\)" loaded library.*/\1/p' "$log" | sort -u)
[ -n "$plugins" ] || fail "no Qt plugin loaded, or Qt no longer reports them"
depends=$(depended_on "$deb")
for plugin in $plugins; do
    package=$(owner "$plugin") || fail "no package holds $plugin"
    grep -qx "$package" <<<"$depends" || fail "$plugin comes with $package, which Depends lacks"
done
