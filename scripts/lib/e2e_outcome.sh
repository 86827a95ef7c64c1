# What scripts/e2e makes of a run beside the canvas itself: the picture the canvas should show and
# the part of it the canvas holds, the options pages 3, 5 and 7 are given, the board's record of
# presses and keys and the verdict. Uses the variables scripts/e2e sets (picture, work, board,
# board_canvas, board_on_screen, at, canvas_rect, colours, dither, strokes, no_check,
# exact_colours, code_without_hash, opener, no_closer, expect_mismatch, expect_stop).

# The practice boards' canvas when none is asked for, and the part of a picture compared when the
# canvas's size is not known here.
MIPRO_E2E_DEFAULT_CANVAS="300x300"
MIPRO_E2E_LARGEST_PART="600x600"

# The board's canvas as the practice board is to show it.
mipro_e2e_board_canvas() {
    echo "${board_canvas:-$MIPRO_E2E_DEFAULT_CANVAS}"
}

# WxH: the part of the picture the canvas can hold (from its top-left corner).
mipro_e2e_canvas_part() {
    if ((board_on_screen)); then
        local _x _y w h
        IFS=, read -r _x _y w h <<<"$canvas_rect"
        echo "${w}x${h}"
    elif [[ -n "$board_canvas" ]]; then
        echo "$board_canvas"
    else
        echo "$MIPRO_E2E_LARGEST_PART"
    fi
}

# The native tree's tool that reduces a picture's colours as page 3 does.
mipro_e2e_reduce_tool() {
    echo "$MIPRO_NATIVE_DIR/tests/native/e2e_user/reduce_picture"
}

# For a Windows run the native tree is built only as far as the tool.
mipro_e2e_build_reduce_tool() {
    cmake -S "$MIPRO_ROOT" -B "$MIPRO_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$MIPRO_NATIVE_DIR" -j"$MIPRO_JOBS" --target reduce_picture
}

# What the picture should leave on the canvas, as a PPM file: its part on the canvas, on white;
# with --colours the picture with its colours reduced as page 3 reduces them.
mipro_e2e_expected_picture() {
    local out="$1" drawn="${picture}[0]"
    if [[ -n "$colours" ]]; then
        local tool
        tool="$(mipro_e2e_reduce_tool)"
        [[ -x "$tool" ]] || { echo "e2e: $tool is missing; build the native tree first" >&2; exit 2; }
        local how=("$colours")
        ((dither)) && how+=(--dither)
        "$tool" "$picture" "$work/reduced.bmp" "${how[@]}"
        drawn="$work/reduced.bmp"
    fi
    convert "$drawn" -background white -alpha remove -alpha off -crop "$(mipro_e2e_canvas_part)+0+0" +repage "$out"
}

# Says so when only a part of the picture is compared: the rest lies outside the canvas.
mipro_e2e_tell_canvas_part() {
    local picture="$1" part="$2" whole kept
    whole="$(identify -format '%wx%h' "${picture}[0]")"
    kept="$(identify -format '%wx%h' "$part")"
    [[ "$whole" == "$kept" ]] || echo "e2e: the picture ($whole) is larger than the canvas: its $kept part is compared"
}

# Page 3's reduction for the driver.
mipro_e2e_step3_options() {
    [[ -n "$colours" ]] && printf '%s\n' --colours "$colours"
    ((dither)) && printf '%s\n' --dither
    return 0
}

# Page 5's and step 7's check boxes for the driver.
mipro_e2e_step7_options() {
    ((strokes)) && printf '%s\n' --strokes
    ((no_check)) && printf '%s\n' --no-check
    ((exact_colours)) && printf '%s\n' --exact-colours
    ((code_without_hash)) && printf '%s\n' --code-without-hash
    return 0
}

# The practice code board's opener, which the user captures (and its close button, unless left out).
mipro_e2e_opener_options() {
    [[ "$opener" == none ]] || printf '%s\n' --opener "$opener"
    ((no_closer)) && printf '%s\n' --no-closer
    return 0
}

# The board as the comparison takes it: how exact its colours are, and on a code board how many
# clicks a colour takes (the field, and the "#" and close buttons where captured).
mipro_e2e_compared_board() {
    if ((exact_colours)); then
        echo "PaintBBS-exact"
    elif [[ "$board" == ColourCode ]]; then
        local clicks=1
        if ((board_on_screen)); then
            [[ "$at" == *open=* ]] && clicks=$((clicks + 1))
            [[ "$at" == *close=* ]] && clicks=$((clicks + 1))
        else
            [[ "$opener" != none ]] && clicks=$((clicks + 1))
            [[ "$opener" == window ]] && ((!no_closer)) && clicks=$((clicks + 1))
        fi
        echo "ColourCode-$clicks"
    else
        echo "$board"
    fi
}

# Prints the practice board's record of presses from the driver's output ("board ..." lines) and
# fails when a press landed on a tool button or a palette swatch, or a stray press changed the
# board's tool or colour. A board that keeps no record (somebody else's) passes.
mipro_e2e_board_record() {
    local out="$1" tool c k t p b n m every first dropped
    tool="$(sed -n 's/^board tool \([0-9]*\).*/\1/p' "$out")"
    [[ -n "$tool" ]] || return 0
    read -r c k t p b < <(sed -n 's/^board presses \([0-9]*\) \([0-9]*\) \([0-9]*\) \([0-9]*\) \([0-9]*\).*/\1 \2 \3 \4 \5/p' "$out")
    read -r n m < <(sed -n 's/^board stray \([0-9]*\) \([0-9]*\).*/\1 \2/p' "$out")
    read -r every first dropped < <(sed -n 's/^board busy \([0-9]*\) \([0-9]*\) \([0-9]*\).*/\1 \2 \3/p' "$out")
    echo "board: tool $tool; presses: canvas $c, colour controls $k, tool buttons $t, palette $p, bare board $b"
    echo "board: stray presses $n, of them changing the tool or colour $m; busy $every,$first missed $dropped"
    sed -n 's/^board input \([0-9]*\) \([0-9]*\) \([0-9]*\).*/board: input moves \1, button-downs \2, button-ups \3/p' "$out"
    local typed=0 enters=0 loose=0 erased=0 codes=""
    read -r typed enters loose erased < <(sed -n 's/^board keys \([0-9]*\) \([0-9]*\) \([0-9]*\) \([0-9]*\).*/\1 \2 \3 \4/p' "$out")
    codes="$(sed -n 's/^board codes \([0-9]*\).*/\1/p' "$out")"
    echo "board: keys typed into the field $typed, Enter in it $enters, keys with no field focused $loose" \
         "(Backspace or Delete $erased); codes applied ${codes:-0}"
    if ((t > 0 || p > 0 || m > 0)); then
        echo "e2e: presses landed outside the canvas and the colour controls: tool buttons $t, palette $p," \
             "stray presses that changed the tool or colour $m" >&2
        return 1
    fi
    if ((loose > 0 && !expect_stop)) || ((erased > 0)); then
        echo "e2e: keys reached the board with no field focused: $loose, of them Backspace or Delete $erased" >&2
        return 1
    fi
}

# The caption of a run that ended with every pixel drawn, and the lead of one that stopped before
# drawing in a colour the board did not take.
MIPRO_E2E_EXACT_CAPTION=" 描画 100% 完了..."
MIPRO_E2E_STOPPED_LEAD=" 描画中止"

# A run that must stop: it did, said why, and drew no pixel in a wrong colour.
mipro_e2e_stop_verdict() {
    local compared="$1" caption="$2" wrong
    [[ "$caption" == "$MIPRO_E2E_STOPPED_LEAD"* ]] || { echo "e2e: the run did not stop; it ended with \"$caption\"" >&2; return 1; }
    grep -q '^end_message ' "$work/driver.txt" || { echo "e2e: the run stopped without a word to the user" >&2; return 1; }
    wrong="$(sed -n 's/^drawn wrong \([0-9]*\) pixels$/\1/p' "$compared")"
    [[ "$wrong" == 0 ]] || { echo "e2e: the stopped run drew ${wrong:-?} pixels in a wrong colour" >&2; return 1; }
    echo "e2e: the run stopped as it should, nothing drawn wrong"
}

# The verdict from the comparison's output and status and the record's status: every pixel
# matched, or with --expect-mismatch, the finished run left the canvas unlike the picture. A run
# with the check on must also say what the comparison found: exact when it is.
mipro_e2e_verdict() {
    local compared="$1" compare_status="$2" record_status="$3" matched caption
    caption="$(sed -n 's/^end_caption //p' "$work/driver.txt")"
    echo "end caption: $caption"
    ((record_status == 0)) || exit 1
    if ((expect_stop)); then
        mipro_e2e_stop_verdict "$compared" "$caption"
        exit $?
    fi
    if ((expect_end_note)) && ! grep -q '^end_message ' "$work/driver.txt"; then
        echo "e2e: the run ended without the note it should have given" >&2
        exit 1
    fi
    if ((!no_check && !expect_mismatch && compare_status == 0)) && [[ "$caption" != "$MIPRO_E2E_EXACT_CAPTION" ]]; then
        echo "e2e: the canvas is exact, but mipro's check ended with \"$caption\"" >&2
        exit 1
    fi
    if ((expect_mismatch)); then
        matched="$(sed -n 's/^matched \([0-9]*\) of \([0-9]*\) pixels$/\1 \2/p' "$compared")"
        [[ -n "$matched" ]] || { echo "e2e: the canvas could not be compared" >&2; exit 1; }
        read -r got total <<<"$matched"
        if ((got == total && compare_status == 0)); then
            echo "e2e: the canvas matched the picture, though a mismatch was expected" >&2
            exit 1
        fi
        echo "e2e: the canvas differs from the picture, as expected"
        exit 0
    fi
    exit "$compare_status"
}
