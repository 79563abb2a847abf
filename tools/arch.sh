# Sourced by the tools: which Windows architecture a build is for and where its tree is.
# VELMORA_ARCH is 32 (the product) or 64 (the same code); the 32-bit build lives in build/, the
# 64-bit one in build64/, unless BUILD_DIR names another tree.

# Whether this machine executes 32-bit Linux programs: Debian's Wine starts a 32-bit Windows
# program only through its 32-bit loader.
velmora_can_run_32() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

velmora_default_arch() { if velmora_can_run_32; then echo 32; else echo 64; fi; }

# velmora_tree_arch DIR: the architecture a configured build tree was made for, or nothing.
velmora_tree_arch() { sed -n 's/^VELMORA_ARCH:[A-Z]*=//p' "$1/CMakeCache.txt" 2>/dev/null || true; }

# velmora_pick_build ROOT: sets and exports VELMORA_ARCH and BUILD_DIR (absolute). A tree named by
# BUILD_DIR keeps the architecture it was configured for unless VELMORA_ARCH is given.
velmora_pick_build() {
    local root=$1
    if [ -n "${BUILD_DIR:-}" ]; then
        case $BUILD_DIR in /*) ;; *) BUILD_DIR=$PWD/$BUILD_DIR ;; esac
        VELMORA_ARCH=${VELMORA_ARCH:-$(velmora_tree_arch "$BUILD_DIR")}
    fi
    VELMORA_ARCH=${VELMORA_ARCH:-$(velmora_default_arch)}
    case $VELMORA_ARCH in
    32) BUILD_DIR=${BUILD_DIR:-$root/build} ;;
    64) BUILD_DIR=${BUILD_DIR:-$root/build64} ;;
    *) echo "VELMORA_ARCH is 32 or 64, not $VELMORA_ARCH" >&2; return 2 ;;
    esac
    local have
    have=$(velmora_tree_arch "$BUILD_DIR")
    if [ -n "$have" ] && [ "$have" != "$VELMORA_ARCH" ]; then
        echo "$BUILD_DIR is a $have-bit build, not $VELMORA_ARCH-bit: name another BUILD_DIR" >&2
        return 2
    fi
    export VELMORA_ARCH BUILD_DIR
}

# velmora_wine_loader ARCH: the Wine loader that starts programs of that architecture.
velmora_wine_loader() { if [ "$1" = 64 ]; then echo /usr/lib/wine/wine64; else echo wine; fi; }

# velmora_end_prefix PREFIX ARCH: ends the prefix's Wine server, and with it every Wine process of
# the prefix (its services, explorer, a program left running), and the X display tools/wine-run.sh
# started for it.
velmora_end_prefix() {
    local prefix=$1 arch=$2
    WINEPREFIX=$prefix WINEARCH=win$arch wineserver -k >/dev/null 2>&1 || true
    if [ -f "$prefix.display" ]; then
        kill $(cut -d' ' -f2 "$prefix.display") 2>/dev/null || true
        rm -f "$prefix.display"
    fi
}
