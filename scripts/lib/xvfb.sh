# Starts an Xvfb display of our own and exports DISPLAY. MIPRO_DISPLAY (e.g. :11) picks the
# number; otherwise the first free one from :90 up is used. mipro_stop_xvfb ends it.

MIPRO_XVFB_PID=""

mipro_display_free() {
    local n="$1"
    [[ ! -e "/tmp/.X${n}-lock" && ! -e "/tmp/.X11-unix/X${n}" ]]
}

mipro_start_xvfb() {
    local n
    if [[ -n "${MIPRO_DISPLAY:-}" ]]; then
        n="${MIPRO_DISPLAY#:}"
    else
        n=90
        while ! mipro_display_free "$n"; do
            n=$((n + 1))
        done
    fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    MIPRO_XVFB_PID=$!
    local waited=0
    until [[ -e "/tmp/.X11-unix/X${n}" ]]; do
        if ! kill -0 "$MIPRO_XVFB_PID" 2>/dev/null; then
            echo "Xvfb :$n did not start" >&2
            return 1
        fi
        sleep 0.2
        waited=$((waited + 1))
        if ((waited > 100)); then
            echo "Xvfb :$n did not come up within 20 s" >&2
            return 1
        fi
    done
    export DISPLAY=":$n"
    echo "Xvfb running on $DISPLAY"
}

mipro_stop_xvfb() {
    if [[ -n "$MIPRO_XVFB_PID" ]]; then
        kill "$MIPRO_XVFB_PID" 2>/dev/null || true
        wait "$MIPRO_XVFB_PID" 2>/dev/null || true
        MIPRO_XVFB_PID=""
    fi
}
