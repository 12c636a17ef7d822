# Starts the unpacked program under scripts/with-x11 until its splash shows, ends it with SIGTERM, and
# checks that every Qt plugin it loaded comes with a package the Debian package depends on.
#   installed_splash_x11.sh PROGRAM DEB
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
source "$(dirname "$0")/package.sh"
log=$PARLAVO_TMP/installed.log
QT_DEBUG_PLUGINS=1 "$1" 2>"$log" &
pid=$!
wait_for 30 title_viewable Version || fail "the installed program shows no splash: $(cat "$log")"
end_program
plugins=$(sed -n 's/.*"\(\/[^"]*\/plugins\/[^"]*\.so\)" loaded library.*/\1/p' "$log" | sort -u)
[ -n "$plugins" ] || fail "no Qt plugin loaded, or Qt no longer reports them"
depends_cover "$2" $plugins
