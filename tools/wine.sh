# Wine runner, sourced by the other scripts. Keeps its own Wine prefix under the build folder,
# its own Xvfb display and PulseAudio null sink, and stops all of them by process id.
#   wine_start WIDTH HEIGHT   start (or restart with another screen size); WIDTH "display" keeps $DISPLAY
#   wine_run SECONDS PROG ARGS...   run a Windows program, return its exit code (124 on time-out)
#   wine_stop
# Callers set BUILD (the build folder) before sourcing. SONPIX_NO_SOUND=1 starts no PulseAudio.
# It changes the caller's shell: sourcing exports WINEPREFIX (default $BUILD/wineprefix), WINEDEBUG
# and WINEDLLOVERRIDES; wine_start exports DISPLAY (unless "display") and LOCPATH, and, unless
# SONPIX_NO_SOUND is set, points HOME and XDG_RUNTIME_DIR into $BUILD/wine-runtime (for
# PulseAudio) and exports PULSE_SERVER; wine_start also sets an EXIT trap (trap wine_stop EXIT),
# replacing any the caller had.

: "${BUILD:?BUILD must name the build folder}"
export WINEPREFIX=${WINEPREFIX:-$BUILD/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE_RUNTIME=$BUILD/wine-runtime
XVFB_PID=""
WINESERVER_PID=""
PULSE_PID=""

_wine_log() { echo "wine: $*" >&2; }

_wine_start_xvfb() {
    local width=$1 height=$2 fifo display
    mkdir -p "$WINE_RUNTIME"
    fifo=$WINE_RUNTIME/displayfd
    rm -f "$fifo"; mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$fifo" >"$WINE_RUNTIME/xvfb.log" 2>&1 &
    XVFB_PID=$!
    read -r -t 20 display <"$fifo" || { _wine_log "Xvfb did not start"; return 1; }
    rm -f "$fifo"
    export DISPLAY=":$display"
}

_wine_start_pulse() {
    export HOME=$WINE_RUNTIME/home XDG_RUNTIME_DIR=$WINE_RUNTIME/xdg
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
        --load=module-native-protocol-unix --load="module-null-sink sink_name=nullsink" \
        >"$WINE_RUNTIME/pulse.log" 2>&1 &
    PULSE_PID=$!
    local i
    for i in $(seq 50); do
        if [ -S "$XDG_RUNTIME_DIR/pulse/native" ]; then
            # Recording hears what is played: the sink's monitor is the default input.
            pactl set-default-source nullsink.monitor >/dev/null 2>&1 || _wine_log "cannot make nullsink.monitor the default source"
            return 0
        fi
        sleep 0.1
    done
    _wine_log "PulseAudio did not start (sound tests will fail)"
}

# One-time set-up of the prefix: boot, no crash dialog, unmanaged windows, Wine's fonts.
_wine_prepare_prefix() {
    [ -f "$WINEPREFIX/.sonpix-ready" ] && return 0
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    mkdir -p "$WINEPREFIX/drive_c/TMP"
    touch "$WINEPREFIX/.sonpix-ready"
}

# Wine maps Windows-1251 file names to the host's through the host locale, so the Russian
# UTF-8 locale must exist; it is compiled once into the build folder, leaving the system alone.
_wine_prepare_locale() {
    export LOCPATH=$BUILD/locale
    [ -f "$LOCPATH/ru_RU.UTF-8/LC_CTYPE" ] && return 0
    mkdir -p "$LOCPATH"
    localedef -i ru_RU -f UTF-8 "$LOCPATH/ru_RU.UTF-8" >/dev/null 2>&1 || _wine_log "cannot compile the ru_RU.UTF-8 locale"
}

wine_start() {
    local width=${1:-1280} height=${2:-1024}
    wine_stop
    # "display" uses the display the caller already has instead of a private Xvfb.
    if [ "$width" != display ]; then _wine_start_xvfb "$width" "$height" || return 1; fi
    if [ -z "${SONPIX_NO_SOUND:-}" ]; then
        _wine_start_pulse
        export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    fi
    _wine_prepare_locale
    [ -f "$WINEPREFIX/.sonpix-ready" ] || rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # A wineserver of our own, so that it can be stopped by its process id.
    wineserver -f -p >/dev/null 2>&1 &
    WINESERVER_PID=$!
    sleep 0.2
    _wine_prepare_prefix
    # Bring up Wine's background services now, detached from the caller's output: services
    # started later by a program whose output is piped would hold the pipe open for ever.
    LC_ALL=ru_RU.UTF-8 timeout 60 wine cmd /c exit </dev/null >/dev/null 2>&1
    trap wine_stop EXIT
}

wine_run() {
    local seconds=$1; shift
    LC_ALL=ru_RU.UTF-8 timeout -k 5 "$seconds" wine "$@"
}

_wine_kill() {
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for i in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
}

wine_stop() {
    # wineserver -k ends every Wine process of the prefix; then our server goes by its id.
    if [ -n "$WINESERVER_PID" ]; then
        timeout 20 wineserver -k >/dev/null 2>&1 || true
        _wine_kill "$WINESERVER_PID"; WINESERVER_PID=""
    fi
    _wine_kill "$PULSE_PID"; PULSE_PID=""
    _wine_kill "$XVFB_PID"; XVFB_PID=""
}
