# The Linux edition's part of scripts/e2e: board/web in Debian's Chromium (unless the board is
# already on the screen) and mipro, driven by tests/linux/linux_e2e_driver. Uses the variables
# scripts/e2e sets (work, picture, canvas, board, speed, screenshot, board_on_screen, at,
# canvas_rect, hand_at_percent, hand_during, end_at_percent, busy, window_manager, gdk_scale, dpi,
# here) and the functions of e2e_outcome.sh.

# Where the practice board's page puts the board: room for the pictures the tests
# draw, with mipro's window beside it.
MIPRO_E2E_BOARD_ORIGIN="20,20"
MIPRO_E2E_CHROMIUM_PID=""
MIPRO_E2E_RESOURCES=""

# The desktop the run asks for: the window manager, and Xft.dpi set for the run (the display's
# resources as they were are kept, to be put back afterwards).
mipro_e2e_prepare_desktop() {
    if [[ -n "$dpi" ]]; then
        MIPRO_E2E_RESOURCES="$work/resources"
        xrdb -query >"$MIPRO_E2E_RESOURCES"
        mipro_set_xft_dpi "$dpi"
    fi
    mipro_start_window_manager "$window_manager"
}

mipro_e2e_restore_desktop() {
    mipro_stop_window_manager
    if [[ -n "$MIPRO_E2E_RESOURCES" ]]; then
        if [[ -s "$MIPRO_E2E_RESOURCES" ]]; then
            xrdb -nocpp -load "$MIPRO_E2E_RESOURCES"
        else
            xrdb -remove
        fi
        MIPRO_E2E_RESOURCES=""
    fi
}

mipro_e2e_start_board() {
    local page="file://$MIPRO_ROOT/board/web/index.html?board=$board&canvas=$(mipro_e2e_board_canvas)&pos=$MIPRO_E2E_BOARD_ORIGIN"
    [[ -n "$busy" ]] && page+="&busy=$busy"
    # As root Chromium needs --no-sandbox; the background services stay off on a closed network.
    chromium --no-sandbox --kiosk --force-device-scale-factor=1 --user-data-dir="$work/chromium" \
        --no-first-run --disable-background-networking --disable-component-update --disable-sync \
        --disable-features=Translate --password-store=basic --disable-gpu \
        --window-position=0,0 --window-size=1280,1024 "$page" >"$work/chromium.log" 2>&1 &
    MIPRO_E2E_CHROMIUM_PID=$!
}

mipro_e2e_linux_run() {
    local driver="$MIPRO_NATIVE_DIR/tests/linux/linux_e2e_driver"
    local mipro="$MIPRO_NATIVE_DIR/editions/linux/mipro"
    [[ -x "$driver" && -x "$mipro" ]] || { echo "e2e: build the native tree first ($driver, $mipro)" >&2; exit 2; }

    # The picture and the work files lie in folders whose names a shell would stumble over.
    local pictures="$work/絵 & 50% の 'フォルダ'"
    local temporary="$work/一時 & 100% フォルダ"
    mkdir -p "$pictures" "$temporary"
    local picture_copy="$pictures/テスト 絵 & 1%.${picture##*.}"
    cp "$picture" "$picture_copy"

    mipro_e2e_prepare_desktop
    local where=(--board-origin "$MIPRO_E2E_BOARD_ORIGIN" --canvas "$(mipro_e2e_board_canvas)")
    if ((board_on_screen)); then
        where=(--at "$at" --canvas-rect "$canvas_rect")
    else
        mipro_e2e_start_board
    fi
    local hand=()
    [[ -n "$hand_at_percent" ]] && hand=(--hand-at-percent "$hand_at_percent")
    [[ -n "$hand_during" ]] && hand+=(--hand-during "$hand_during")
    [[ -n "$end_at_percent" ]] && hand+=(--end-at-percent "$end_at_percent")
    local how=()
    mapfile -t how < <(mipro_e2e_step7_options)
    # No session bus here: GTK keeps its settings in memory and leaves accessibility out. The run
    # has a runtime folder of its own, so that a mipro of the same user running elsewhere (it
    # holds the single-instance lock there) does not keep this one from starting.
    # GTK's window scale is mipro's alone; the driver only passes it on.
    local runtime="$work/runtime"
    mkdir -m 700 "$runtime"
    local scale=()
    [[ -n "$gdk_scale" ]] && scale=(GDK_SCALE="$gdk_scale")
    env "${scale[@]}" XDG_RUNTIME_DIR="$runtime" TMPDIR="$temporary" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 \
        "$driver" "$mipro" "$picture_copy" "$canvas" "$board" "$speed" "${where[@]}" "${hand[@]}" "${how[@]}" \
        | tee "$work/driver.txt"
    [[ -n "$screenshot" ]] && import -window root "$screenshot"
    if [[ -n "$(ls -A "$temporary")" ]]; then
        echo "e2e: mipro left work files behind: $(ls -A "$temporary")" >&2
        exit 1
    fi
}

mipro_e2e_linux_cleanup() {
    if [[ -n "$MIPRO_E2E_CHROMIUM_PID" ]]; then
        kill "$MIPRO_E2E_CHROMIUM_PID" 2>/dev/null || true
        wait "$MIPRO_E2E_CHROMIUM_PID" 2>/dev/null || true
    fi
    mipro_e2e_restore_desktop
}
