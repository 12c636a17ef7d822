#!/usr/bin/env bash
# The Debian package's size and installed size, and the start-up time of the unpacked program (dpkg -x)
# to its splash being mapped, over RUNS starts in one private X display.
#   bench/packaging/package_figures.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build/ci}" && pwd)
runs=${2:-10}
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/packaging/package.sh"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/parlavo-package-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
deb=$(build_package cpack "$build" "$scratch/out")
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "installed size (dpkg-deb -I): $(dpkg-deb -f "$deb" Installed-Size) KiB"
dpkg-deb -x "$deb" "$scratch/root"

"$root/scripts/with-x11" bash -s "$scratch/root/usr/bin/parlavo" "$runs" "$root" <<'SCRIPT'
set -euo pipefail
source "$3/bench/start_times.sh"
start_times "$1" "$2" | awk '{t[NR] = $1} END {
    printf "unpacked program start to splash mapped, %d starts: min %d ms, median %d ms, max %d ms\n",
        NR, t[1], t[int((NR + 1) / 2)], t[NR]}'
SCRIPT
