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

# hardening PROGRAM: one line for each protection Debian's own builds give a program, "yes" or "no" with what
# is missing, read from the ELF headers, dynamic section, imported symbols and code. Returns 1 if any is missing.
hardening() {
    local program=$1 elf dynamic segments sections symbols fortified entries="" missing=0
    elf=$(readelf -hW "$program")
    dynamic=$(readelf -dW "$program")
    segments=$(readelf -lW "$program")
    sections=$(readelf -SW "$program")
    symbols=$(readelf --dyn-syms -W "$program" | awk '$7 == "UND" {sub(/@.*/, "", $8); print $8}')
    fortified=$(grep -E '^__.*_chk$' <<<"$symbols" | grep -vx __stack_chk_fail | sort -u | tr '\n' ' ' || true)
    # The linker marks a program IBT/SHSTK only when every object in it is, and Debian 12's C start files are
    # not; -fcf-protection leaves an endbr64 at each of our functions' entries (the start files bring two).
    [ "$(dpkg --print-architecture)" != amd64 ] || entries=$(objdump -d --no-show-raw-insn "$program" | grep -c endbr64 || true)
    # protection NAME CONDITION WHAT_IS_MISSING
    protection() { if eval "$2"; then echo "  $1: yes"; else echo "  $1: no, $3"; missing=1; fi; }
    echo "$program"
    protection "position-independent executable" 'grep -q "Type:.*DYN" <<<"$elf" && grep -q "FLAGS_1.*PIE" <<<"$dynamic"' \
        "not a PIE"
    protection "read-only relocations (RELRO)" 'grep -q GNU_RELRO <<<"$segments"' "no GNU_RELRO"
    protection "immediate binding (BIND_NOW)" 'grep -qE "BIND_NOW|FLAGS_1.* NOW" <<<"$dynamic"' "lazy binding"
    protection "stack protector" 'grep -qx __stack_chk_fail <<<"$symbols"' "no __stack_chk_fail"
    protection "fortified functions (${fortified% })" '[ -n "$fortified" ]' "none called"
    protection "non-executable stack" '! grep -q "GNU_STACK.*RWE" <<<"$segments"' "RWE stack"
    [ -z "$entries" ] || protection "control-flow protection ($entries endbr64)" '((entries >= 100))' "no endbr64"
    protection "no .comment or .note section" '! grep -qE "\] \.(comment|note) " <<<"$sections"' "still there"
    return "$missing"
}
