# Builds the Debian package and unpacks it: every file where desktops, menus, software centres and man look,
# the program hardened, the package accepted by Debian's checker, and the unpacked program started.
#   install_package.sh CPACK BUILD_DIR SANITIZED
# A sanitizer build's program is not the one that ships: with SANITIZED 1 the test is skipped (77).
set -euo pipefail
cpack=$1 build=$2 sanitized=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/package.sh"
source "$here/../support/x11.sh"
[ "$sanitized" != 1 ] || { echo "package_install: skipped, a sanitizer build is not packaged" && exit 77; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/parlavo-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

deb=$(build_package "$cpack" "$build" "$scratch/out") || fail "cpack could not build the package"
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$scratch/out")"
expect_eq "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" "parlavo 1.01" "package and version"
for needed in espeak-ng-data fonts-liberation; do
    depended_on "$deb" | grep -qx "$needed" || fail "Depends lacks $needed"
done

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr
program=$usr/bin/parlavo
# Each file below is checked where desktops, menus, software centres and man look for it; lintian wants the copyright.
[ -f "$program" ] && [ -x "$program" ] || fail "no executable /usr/bin/parlavo"
hardening "$program"
! readelf -d "$program" | grep -qE 'R(UN)?PATH' || fail "the program still looks for libraries in the build"
# Every library the program links comes with a package it depends on.
for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    depends_cover "$deb" "$(ldd "$program" | awk -v l="$library" '$1 == l {print $3}')"
done
# The desktop entry, menu icon and software-centre entry point at one another and at the program.
desktop=$usr/share/applications/parlavo.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx Exec=parlavo "$desktop" && grep -qx Icon=parlavo "$desktop" || fail "the desktop entry's Exec or Icon"
appstreamcli validate-tree --no-net "$scratch/root" || fail "appstreamcli rejects the installed tree"
metainfo=$usr/share/metainfo/example.parlavo.Parlavo.metainfo.xml
grep -q '<launchable type="desktop-id">parlavo.desktop</launchable>' "$metainfo" || fail "launchable"
grep -q '<release version="1.01"' "$metainfo" || fail "no release 1.01 in the metainfo"

# The icons are the bird's head filling the square, not the whole bird shrunk into it.
for size in 48 128; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/parlavo.png
    expect_eq "$(identify -format '%w %h %m' "$png")" "$size $size PNG" "the ${size}px icon"
    IFS='x+' read -r w h x y <<<"$(identify -format '%@' "$png")"
    ((x >= 1 && y >= 1)) || fail "the ${size}px icon's head is cut at the top or side (drawn at $w x $h + $x + $y)"
    ((w * 100 >= size * 85 && h * 100 >= size * 85)) || fail "the head fills only $w x $h of the ${size}px icon"
done
grep -q 'viewBox="0 0 128 128"' "$usr/share/icons/hicolor/scalable/apps/parlavo.svg" || fail "the scalable icon"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$usr/share/man/man1/parlavo.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
zcat "$usr/share/doc/parlavo/changelog.gz" >"$scratch/changelog" || fail "no changelog.gz"
expect_eq "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" 1.01 "the changelog's latest version"

# lintian, every tag shown: an error or a warning fails, and only the notes the README explains may stay.
explained=("I: parlavo: spelling-error-in-binary guage gauge [usr/bin/parlavo]")
options=(-I --pedantic --fail-on error,warning)
[ "$(id -u)" != 0 ] || options+=(--allow-root)
report=$(lintian "${options[@]}" "$deb" 2>&1) || fail "lintian rejects the package:"$'\n'"$report"
unexplained=$(grep -E '^[A-Z]: ' <<<"$report" | grep -vxF "${explained[@]/#/-e}" || true)
[ -z "$unexplained" ] || fail "lintian notes the README does not explain:"$'\n'"$unexplained"

# The unpacked program runs from its own place with nothing else from the build, until its splash shows; every Qt
# plugin it loads comes with a package the Debian package depends on.
cd "$scratch"
"$here/../../scripts/with-x11" bash -s "$here" "$program" "$deb" <<'SCRIPT'
set -euo pipefail
source "$1/../support/x11.sh"
source "$1/package.sh"
QT_DEBUG_PLUGINS=1 "$2" 2>"$PARLAVO_TMP/installed.log" &
pid=$!
wait_for 30 title_viewable Version || fail "the installed program shows no splash: $(cat "$PARLAVO_TMP/installed.log")"
end_program
plugins=$(sed -n 's/.*"\(\/[^"]*\/plugins\/[^"]*\.so\)" loaded library.*/\1/p' "$PARLAVO_TMP/installed.log" | sort -u)
[ -n "$plugins" ] || fail "no Qt plugin loaded, or Qt no longer reports them"
depends_cover "$3" $plugins
SCRIPT
echo "package_install: passed"
