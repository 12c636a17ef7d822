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

# depends_cover DEB FILE...: fails the test unless each FILE comes with a package that DEB depends on.
depends_cover() {
    local depends file package
    depends=$(depended_on "$1")
    for file in "${@:2}"; do
        package=$(owner "$file") || fail "no package holds $file"
        grep -qx "$package" <<<"$depends" || fail "$file comes with $package, which Depends lacks"
    done
}

# hardening PROGRAM: fails unless the program has the protections of Debian's own builds that lintian does not
# check (lintian, run on the package, covers PIE, RELRO, BIND_NOW, fortified calls, stripping and stray sections).
hardening() {
    local program=$1 entries
    grep -q ' UND __stack_chk_fail' <<<"$(readelf --dyn-syms -W "$program")" || fail "no stack protector in $program"
    ! grep -q 'GNU_STACK.*RWE' <<<"$(readelf -lW "$program")" || fail "$program has an executable stack"
    # The linker marks a program IBT/SHSTK only when every object in it is, and Debian 12's C start files are
    # not; -fcf-protection leaves an endbr64 at each of our functions' entries (the start files bring two).
    [ "$(dpkg --print-architecture)" = amd64 ] || return 0
    entries=$(objdump -d --no-show-raw-insn "$program" | grep -c endbr64 || true)
    ((entries >= 100)) || fail "no control-flow protection in $program ($entries endbr64)"
}
