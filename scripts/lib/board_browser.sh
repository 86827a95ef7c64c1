# The practice board's web page (board/web) in Debian's Chromium, as a user has it: an app window
# (no tabs or address bar) at the screen's top-left, framed when a window manager runs. Where the
# page lands on the screen depends on that frame, so the board is looked for on the screen.
#   mipro_start_board_browser QUERY PROFILE_DIR LOG   starts it (MIPRO_BOARD_BROWSER_PID)
#   mipro_board_on_screen SHOT                        waits for the board; prints its corner X,Y
#   mipro_stop_board_browser

MIPRO_BOARD_BROWSER_LIB="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
MIPRO_BOARD_BROWSER_PID=""
MIPRO_BOARD_BROWSER_PROFILE=""
MIPRO_BOARD_BROWSER_SIZE="1000,760"
MIPRO_BOARD_SHOW_TIMEOUT=60  # seconds
MIPRO_BOARD_STOP_TIMEOUT=10  # seconds

mipro_start_board_browser() {
    local query="$1" profile="$2" log="$3"
    # As root Chromium needs --no-sandbox, and --test-type keeps its warning bar about that off the
    # page; the background services stay off on a closed network; device scale 1 makes the page's
    # pixels the screen's.
    chromium --no-sandbox --test-type --force-device-scale-factor=1 --user-data-dir="$profile" \
        --no-first-run --disable-background-networking --disable-component-update --disable-sync \
        --disable-features=Translate --password-store=basic --disable-gpu \
        --window-position=0,0 --window-size="$MIPRO_BOARD_BROWSER_SIZE" \
        --app="file://$(dirname "$(dirname "$MIPRO_BOARD_BROWSER_LIB")")/board/web/index.html?$query" >"$log" 2>&1 &
    MIPRO_BOARD_BROWSER_PID=$!
    MIPRO_BOARD_BROWSER_PROFILE="$profile"
}

mipro_board_on_screen() {
    local shot="$1" deadline=$((SECONDS + MIPRO_BOARD_SHOW_TIMEOUT))
    until import -window root -depth 8 "ppm:$shot" 2>/dev/null && python3 "$MIPRO_BOARD_BROWSER_LIB/find_board.py" "$shot"; do
        if ((SECONDS > deadline)); then
            echo "e2e: the practice board's page did not show" >&2
            return 1
        fi
        sleep 0.1
    done
}

mipro_stop_board_browser() {
    if [[ -n "$MIPRO_BOARD_BROWSER_PID" ]]; then
        kill "$MIPRO_BOARD_BROWSER_PID" 2>/dev/null || true
        wait "$MIPRO_BOARD_BROWSER_PID" 2>/dev/null || true
        # The browser's helper processes write into the profile a moment after the browser has
        # gone; the profile's folder can be removed once they have gone too.
        local deadline=$((SECONDS + MIPRO_BOARD_STOP_TIMEOUT))
        while pgrep -f -- "--user-data-dir=$MIPRO_BOARD_BROWSER_PROFILE" >/dev/null && ((SECONDS < deadline)); do
            sleep 0.1
        done
        MIPRO_BOARD_BROWSER_PID=""
    fi
}
