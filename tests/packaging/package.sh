# Helpers for the package test and benchmark; source it.

# build_package CPACK BUILD_DIR OUT_DIR: builds the Debian package from a finished build into OUT_DIR and
# prints its path. CPack's log goes to OUT_DIR/cpack.log.
build_package() {
    local cpack=$1 build=$2 out=$3
    mkdir -p "$out"
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
        cat "$out/cpack.log" >&2
        return 1
    }
    echo "$out/parlavo_1.01_$(dpkg --print-architecture).deb"
}

# depended_on DEB: the package names in DEB's Depends, one a line, versions and alternatives dropped.
depended_on() { dpkg-deb -f "$1" Depends | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g; /^$/d'; }

# owner FILE: the installed package that holds FILE. Debian 12 registers some libraries under /lib while
# the loader names them under /usr/lib, or the other way round.
owner() {
    local found
    found=$(dpkg -S "$1" 2>/dev/null || dpkg -S "${1#/usr}" 2>/dev/null || dpkg -S "/usr$1" 2>/dev/null) || return 1
    sed 's/[:,].*//; q' <<<"$found"
}
