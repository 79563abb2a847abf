#!/usr/bin/env bash
# Makes a fresh Debian 12 machine ready to build and test: cross compilers for both builds, Wine 8
# with both loaders (a machine that cannot run 32-bit Linux programs uses only the 64-bit one: see
# tools/arch.sh), Xvfb and friends, and bzip2's source from Debian's source packages. Idempotent
# and quiet when everything is already present.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
pkgs=(wine wine32:i386 wine64 mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
      g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix cmake make
      xvfb xdotool imagemagick googletest python3 chrony x11-utils dpkg-dev clang-format tzdata)
for p in "${pkgs[@]}"; do have "$p" || need+=("$p"); done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
# A mirror in the middle of a sync fails one index now and then: try again, then go on with the
# indexes that did arrive (the install itself still fails loudly if a package is missing).
apt_update() {
    local log
    for _ in 1 2 3; do
        log=$(as_root apt-get update -qq 2>&1) && ! grep -q '^E: Failed to fetch' <<<"$log" && return 0
        sleep 10
    done
    echo "setup: apt-get update kept failing; installing from the indexes it has" >&2
    # A mirror whose index lags behind its Release file ("File has unexpected size") leaves that
    # index out, and foreign-architecture packages then cannot match the native ones. The index
    # the mirror does serve is the previous one: take it as it is.
    grep -o 'Failed to fetch http[^ ]*Packages\.xz  File has unexpected size' <<<"$log" | awk '{print $4}' |
        while read -r url; do
            list=/var/lib/apt/lists/$(sed -e 's|^[a-z]*://||' -e 's|\.xz$||' -e 's|/|_|g' <<<"$url")
            echo "setup: using the index $url as the mirror serves it" >&2
            curl -fsS "$url" | xz -dc | as_root tee "$list" >/dev/null || true
        done
}

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    export DEBIAN_FRONTEND=noninteractive
    apt_update
    as_root apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Tests pin LANG=en_US.UTF-8: Wine takes its user locale and its Unix file-name encoding from it.
if ! locale -a 2>/dev/null | grep -qix 'en_US.utf8'; then
    have locales || { apt_update; as_root apt-get install -y -qq locales >/dev/null; }
    as_root sed -i 's/^# *en_US.UTF-8 UTF-8/en_US.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^en_US.UTF-8 UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi

# Only for the benchmarks ("setup.sh --bench"): the native compiler and the libraries the
# reference programs in bench/ref are built against. Building and testing never need them.
bench_setup() {
    local need=() p
    for p in gcc libc6-dev pkg-config libxml2-dev libexpat1-dev; do have "$p" || need+=("$p"); done
    [ ${#need[@]} -eq 0 ] && return 0
    echo "setup: installing for the benchmarks ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt_update
    as_root apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
}
if [ "${1:-}" = --bench ]; then bench_setup; fi

# bzip2 from Debian's source package, unpacked into a git-ignored folder and built by CMake.
third="$root/third_party"
if ! ls "$third"/bzip2-*/bzlib.c >/dev/null 2>&1; then
    src=/etc/apt/sources.list.d/velmora-src.sources
    if [ ! -f "$src" ] && [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src" >/dev/null
        apt_update
    elif [ ! -f "$src" ] && [ -f /etc/apt/sources.list ]; then
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/velmora-src.list >/dev/null
        as_root touch "$src"
        apt_update
    fi
    mkdir -p "$third"
    (cd "$third" && apt-get source -qq bzip2 >/dev/null 2>&1 || { apt_update; apt-get source -qq bzip2 >/dev/null; })
    ls "$third"/bzip2-*/bzlib.c >/dev/null
fi
exit 0
