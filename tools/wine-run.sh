#!/usr/bin/env bash
# Runs a Windows program under Wine in a project-local prefix: wine-run.sh PREFIX program.exe [args]
# The prefix is created on first use; a persistent wineserver keeps Wine's background services
# from inheriting (and holding open) the caller's output pipes. Without a DISPLAY an Xvfb is
# started for the prefix, at the colour depth VELMORA_XVFB_DEPTH (24 unless set; 8 gives a palette
# display). The program runs without the capability to set the clock.
# VELMORA_ARCH (32 or 64) picks the loader and the prefix's architecture; without it a prefix keeps
# the one it was made with, and a new prefix takes what this machine runs.
set -u
prefix=$1; shift
. "$(dirname "$0")/arch.sh"
if [ -z "${VELMORA_ARCH:-}" ]; then
    case $(sed -n 's/^#arch=//p' "$prefix/system.reg" 2>/dev/null) in
    win64) VELMORA_ARCH=64 ;;
    win32) VELMORA_ARCH=32 ;;
    *) VELMORA_ARCH=$(velmora_default_arch) ;;
    esac
fi
loader=$(velmora_wine_loader "$VELMORA_ARCH")
export WINEPREFIX=$prefix WINEARCH=win$VELMORA_ARCH WINEDEBUG=${WINEDEBUG:--all}
# The 64-bit loader alone, as on a machine that cannot run the 32-bit one.
if [ "$VELMORA_ARCH" = 64 ]; then export WINELOADER=$loader; fi
# No Mono or Gecko installers; no debugger that would sit on a crashed test until its time-out.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml=;winedbg.exe=d"}
export TZ=${VELMORA_TZ:-UTC} LANG=en_US.UTF-8 LC_ALL=
drop=()
command -v setpriv >/dev/null && setpriv --bounding-set=-sys_time true 2>/dev/null && drop=(setpriv --bounding-set=-sys_time)

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ -z "${DISPLAY:-}" ]; then
    dfile="$prefix.display"
    if [ -f "$dfile" ] && kill -0 "$(cut -d' ' -f2 "$dfile")" 2>/dev/null; then
        DISPLAY=$(cut -d' ' -f1 "$dfile")
    else
        # Xvfb picks a free display number itself (atomically, by its lock file) and writes it
        # once it accepts clients, so prefixes started side by side never share one.
        nfile="$prefix.display.num"
        rm -f "$nfile"
        depth=${VELMORA_XVFB_DEPTH:-24}
        case $depth in 8|15|16|24) ;; *) echo "wine-run.sh: no Xvfb depth $depth" >&2; exit 2;; esac
        setsid Xvfb -displayfd 3 -screen 0 1280x1024x$depth -nolisten tcp 3>"$nfile" </dev/null >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 100); do [ -s "$nfile" ] && break; kill -0 $pid 2>/dev/null || break; sleep 0.1; done
        n=$(tr -dc 0-9 <"$nfile" 2>/dev/null)
        rm -f "$nfile"
        if [ -n "$n" ] && kill -0 $pid 2>/dev/null; then echo ":$n $pid" > "$dfile"; DISPLAY=:$n; fi
    fi
    export DISPLAY
fi
if [ ! -f "$prefix/system.reg" ]; then
    # Boot the new prefix and let its server exit, so the registry is on disk and the boot is done once.
    "${drop[@]}" "$loader" wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
fi
if ! wineserver -k0 2>/dev/null; then
    setsid "${drop[@]}" wineserver -p </dev/null >/dev/null 2>&1
    "${drop[@]}" "$loader" cmd /c exit </dev/null >/dev/null 2>&1
fi
flock -u 9
exec 9>&-
exec "${drop[@]}" "$loader" "$@"
