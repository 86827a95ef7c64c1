# The Linux edition's part of scripts/e2e: board/web in Debian's Chromium (unless the board is
# already on the screen) and mipro, driven by tests/linux/linux_e2e_driver. Uses the variables
# scripts/e2e sets (work, picture, canvas, board, speed, screenshot, board_on_screen, at,
# canvas_rect, hand_at_percent, hand_during, end_at_percent, busy, busy_ms, stabiliser,
# drop_focus, opener, window_manager, gdk_scale, dpi, here) and the functions of e2e_outcome.sh.

# Where the practice board's page puts the board in the page: room for the pictures the tests
# draw, with mipro's window beside it.
MIPRO_E2E_BOARD_ORIGIN="20,20"
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
    local query="board=$board&canvas=$(mipro_e2e_board_canvas)&pos=$MIPRO_E2E_BOARD_ORIGIN"
    [[ -n "$busy" ]] && query+="&busy=$busy"
    [[ -n "$busy_ms" ]] && query+="&busyms=$busy_ms"
    [[ -n "$stabiliser" ]] && query+="&stabiliser=$stabiliser"
    [[ -n "$drop_focus" ]] && query+="&dropfocus=$drop_focus"
    [[ "$opener" != none ]] && query+="&opener=$opener"
    mipro_start_board_browser "$query" "$work/chromium" "$work/chromium.log"
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
    local where=(--at "$at" --canvas-rect "$canvas_rect")
    if ((!board_on_screen)); then
        mipro_e2e_start_board
        local board_origin
        board_origin="$(mipro_board_on_screen "$work/screen.ppm")"
        where=(--board-origin "$board_origin" --canvas "$(mipro_e2e_board_canvas)")
    fi
    local hand=()
    [[ -n "$hand_at_percent" ]] && hand=(--hand-at-percent "$hand_at_percent")
    [[ -n "$hand_during" ]] && hand+=(--hand-during "$hand_during")
    [[ -n "$end_at_percent" ]] && hand+=(--end-at-percent "$end_at_percent")
    local how=()
    mapfile -t how < <(mipro_e2e_step3_options; mipro_e2e_step7_options)
    # On a board somebody else shows, the user captures the buttons --at names.
    ((board_on_screen)) || mapfile -t -O "${#how[@]}" how < <(mipro_e2e_opener_options)
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
    mipro_stop_board_browser
    mipro_e2e_restore_desktop
}
