# Starts a window manager on $DISPLAY, so windows get frames, focus and stacking as on a desktop,
# and stops it: mipro_start_window_manager none|openbox|xfwm4 (xfwm4 with its compositor on), then
# mipro_stop_window_manager. A display some window manager manages already is left as it is. mipro_set_xft_dpi N sets the desktop's Xft.dpi as a settings daemon
# would, for GTK and the program alike.

MIPRO_WM_PID=""
MIPRO_WM_START_TIMEOUT=100  # tenths of a second

# The window manager has taken the screen once it names itself on the root window with a window
# that exists: one that has ended leaves the root's property behind on a server that is not reset.
mipro_window_manager_running() {
    local check
    check="$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')"
    [[ -n "$check" ]] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

mipro_start_window_manager() {
    local name="${1:-openbox}"
    if [[ "$name" != none ]] && mipro_window_manager_running; then
        echo "$DISPLAY has a window manager already"
        return 0
    fi
    case "$name" in
        none) return 0 ;;
        # Each in a session of its own, so stopping it ends all it started.
        openbox) setsid openbox --sm-disable >/dev/null 2>&1 & ;;
        # xfwm4 keeps its settings in xfconf, reached over a session bus of its own.
        xfwm4) NO_AT_BRIDGE=1 setsid dbus-run-session -- xfwm4 --compositor=on --sm-client-disable >/dev/null 2>&1 & ;;
        *)
            echo "unknown window manager: $name (none, openbox or xfwm4)" >&2
            return 1
            ;;
    esac
    MIPRO_WM_PID=$!
    local waited=0
    until mipro_window_manager_running; do
        if ! kill -0 "$MIPRO_WM_PID" 2>/dev/null || ((waited > MIPRO_WM_START_TIMEOUT)); then
            echo "$name did not start on $DISPLAY" >&2
            mipro_stop_window_manager
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    echo "$name managing $DISPLAY"
}

mipro_stop_window_manager() {
    if [[ -n "$MIPRO_WM_PID" ]]; then
        kill -- "-$MIPRO_WM_PID" 2>/dev/null || true
        wait "$MIPRO_WM_PID" 2>/dev/null || true
        MIPRO_WM_PID=""
    fi
}

mipro_set_xft_dpi() {
    echo "Xft.dpi: $1" | xrdb -merge
}
