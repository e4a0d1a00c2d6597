# Shared by scripts/run and scripts/test: installing what is missing, the Wine prefix,
# the X server and the Wine virtual desktop. Source it; it defines functions only.

TINTSPOT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
# The desktop every Wine program of ours joins: fixed, so that tests know the screen.
DESKTOP_SIZE=1024x768

log() { printf '[tintspot] %s\n' "$*" >&2; }

# Which Windows build Wine runs here. Wine runs a 32-bit program only through its 32-bit
# loader, itself a 32-bit Linux program, and some kernels refuse those ("Exec format
# error"); there the x86-64 build of the same sources runs under wine64, in a 64-bit prefix
# of its own (a prefix made by one loader is not for the other). TINTSPOT_WINE64=1 takes
# that path on a machine that could run both. Sets WINE_BUILD (the build tree under build/),
# TINTSPOT_WINE (the loader), WINEPREFIX and WINE_PATH_NOTE (why the x86-64 path, or empty).
choose_wine_build() {
    WINE_PATH_NOTE=
    if [ -n "${TINTSPOT_WINE64:-}" ]; then
        WINE_PATH_NOTE="TINTSPOT_WINE64 is set"
    elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        WINE_PATH_NOTE="this machine cannot run 32-bit programs"
    fi
    if [ -n "$WINE_PATH_NOTE" ]; then
        WINE_BUILD=win64
        export TINTSPOT_WINE=/usr/lib/wine/wine64 WINEARCH=win64
        export WINEPREFIX="$TINTSPOT_ROOT/build/wineprefix64"
    else
        WINE_BUILD=win32
        export TINTSPOT_WINE=wine
        export WINEPREFIX="$TINTSPOT_ROOT/build/wineprefix"
    fi
}

# Wine's loader for the chosen build; plain wine until choose_wine_build has run.
run_wine() { "${TINTSPOT_WINE:-wine}" "$@"; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the toolchain and tools that are missing; a no-op when all are there.
ensure_packages() {
    local need=()
    command -v cmake >/dev/null || need+=(cmake)
    command -v ninja >/dev/null || need+=(ninja-build)
    command -v g++ >/dev/null || need+=(g++)
    command -v python3 >/dev/null || need+=(python3)
    [ -d /usr/src/googletest/googletest ] || need+=(googletest)
    command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64)
    command -v i686-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-i686)
    command -v Xvfb >/dev/null || need+=(xvfb)
    command -v xdotool >/dev/null || need+=(xdotool)
    command -v xclip >/dev/null || need+=(xclip)
    command -v Xephyr >/dev/null || need+=(xserver-xephyr)
    command -v import >/dev/null || need+=(imagemagick)
    local wine_missing=0
    command -v wine >/dev/null || wine_missing=1
    dpkg -s wine32:i386 >/dev/null 2>&1 || wine_missing=1
    if [ ${#need[@]} -eq 0 ] && [ $wine_missing -eq 0 ]; then return 0; fi
    log "installing: ${need[*]} $([ $wine_missing -eq 1 ] && echo wine wine32 wine64)"
    if [ $wine_missing -eq 1 ]; then
        need+=(wine wine32 wine64)
        dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}" >/dev/null
}

# An X server for Wine: the user's own display when there is one, else a private Xvfb.
start_display() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${TINTSPOT_FORCE_XVFB:-}" ]; then return 0; fi
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${DESKTOP_SIZE}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && return 0
        sleep 0.1
    done
    log "Xvfb did not start"
    return 1
}

stop_display() {
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=; fi
}

# A Wine prefix of our own under build/, made once, whose programs all join one virtual
# desktop of a fixed size (global mouse hooks only see events that pass through Wine).
setup_prefix() {
    if [ ! -f "$WINEPREFIX/.tintspot-ready" ]; then
        log "creating the Wine prefix (once)"
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        # No Mono or Gecko: their installers would ask to download.
        WINEDLLOVERRIDES="mscoree=d;mshtml=d" run_wine wineboot -i >/dev/null 2>&1
        run_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
        run_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$DESKTOP_SIZE" /f >/dev/null 2>&1
        # No desktop integration: nothing of the tests lands in the user's menus.
        run_wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.tintspot-ready"
    fi
}

# One persistent wineserver for the prefix, on our display: one left running from an earlier
# session (perhaps on another display) is ended first.
start_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1
}

# The virtual desktop, started on its own with no inherited output: a desktop that a test
# program started implicitly would hold the test's output pipe open after the test ended.
start_desktop() {
    setsid "${TINTSPOT_WINE:-wine}" explorer "/desktop=Default,$DESKTOP_SIZE" </dev/null >/dev/null 2>&1 &
    local i
    for i in $(seq 1 100); do
        wine_desktop_up && return 0
        sleep 0.2
    done
    log "the Wine desktop did not come up"
    return 1
}
wine_desktop_up() { pgrep -f 'explorer.exe /desktop=' >/dev/null; }
stop_wine() { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1 || true; }

configure_and_build() {
    local preset=$1 target=${2:-all}
    cmake --preset "$preset" -S "$TINTSPOT_ROOT" >/dev/null
    cmake --build "$TINTSPOT_ROOT/build/$preset" --target "$target"
}
