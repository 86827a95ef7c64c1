# The Windows edition's part of scripts/e2e: practice-board.exe and mipro.exe under Wine, driven by
# tests/windows/e2e/e2e_driver.exe. Uses the variables scripts/e2e sets (work, picture, canvas,
# board, speed, screenshot, hand_at_percent, hand_during, busy, busy_ms, stabiliser, drop_focus,
# opener, here) and the functions of
# e2e_outcome.sh.

MIPRO_E2E_SHOT_PID=""

mipro_e2e_windows_run() {
    mipro_prepare_wine
    local picture_copy="$work/picture.${picture##*.}"
    cp "$picture" "$picture_copy"
    local driver="$MIPRO_WINDOWS_DIR/tests/windows/e2e_driver.exe"
    [[ -f "$driver" ]] || { echo "e2e: $driver is missing; build the Windows tree first" >&2; exit 2; }

    # The screenshot is taken when the driver says the run has ended, before the board closes.
    local shots="$work/shots"
    mkdir -p "$shots"
    if [[ -n "$screenshot" ]]; then
        export E2E_SHOT_DIR="$(winepath -w "$shots")"
        (
            for _ in $(seq 1 36000); do
                if [[ -f "$shots/ready" ]]; then
                    import -window root "$screenshot"
                    touch "$shots/taken"
                    break
                fi
                sleep 0.1
            done
        ) &
        MIPRO_E2E_SHOT_PID=$!
    fi
    local hand=()
    [[ -n "$hand_at_percent" ]] && hand=(--hand-at-percent "$hand_at_percent")
    [[ -n "$hand_during" ]] && hand+=(--hand-during "$hand_during")
    local how=()
    mapfile -t how < <(mipro_e2e_step3_options; mipro_e2e_step7_options)
    how+=(--canvas "$(mipro_e2e_board_canvas)")
    [[ -n "$busy" ]] && how+=(--busy "$busy")
    [[ -n "$busy_ms" ]] && how+=(--busy-ms "$busy_ms")
    [[ -n "$stabiliser" ]] && how+=(--stabiliser "$stabiliser")
    [[ -n "$drop_focus" ]] && how+=(--drop-focus "$drop_focus")
    mapfile -t -O "${#how[@]}" how < <(mipro_e2e_opener_options)
    "$here/wine-run" "$driver" "$(winepath -w "$picture_copy")" "$(winepath -w "$canvas")" "$board" "$speed" \
        "${hand[@]}" "${how[@]}" | tr -d '\r' | tee "$work/driver.txt"
}

mipro_e2e_windows_cleanup() {
    if [[ -n "$MIPRO_E2E_SHOT_PID" ]]; then
        kill "$MIPRO_E2E_SHOT_PID" 2>/dev/null || true
    fi
}
