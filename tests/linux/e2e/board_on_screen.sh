#!/usr/bin/env bash
# A board somebody else made, already on the screen: the practice board's page is shown here, at a
# place of its own, and scripts/e2e is given only the screen points the capture must yield and the
# canvas's rectangle (from the board's report, moved to where the page shows it).
#   board_on_screen.sh BOARD_REFERENCE PICTURE oekakiBBS|PaintBBS
set -euo pipefail

reference="$1" picture="$2" board="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
origin_x=37 origin_y=41
work="$(mktemp -d /tmp/mipro-on-screen.XXXXXX)"
browser=""
cleanup() {
    [[ -n "$browser" ]] && kill "$browser" 2>/dev/null && wait "$browser" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

report="$("$reference" /dev/null "$work/board.bmp" --board "$board")"
point() {  # the report's point NAME on the screen, as X,Y
    read -r x y < <(sed -n "s/^$1 \([-0-9]*\) \([-0-9]*\).*/\1 \2/p" <<<"$report")
    echo "$((x + origin_x)),$((y + origin_y))"
}
if [[ "$board" == oekakiBBS ]]; then control=tens_up; else control=slider; fi
at="red=$(point red_$control),green=$(point green_$control),blue=$(point blue_$control),canvas=$(point canvas)"
read -r _ cx cy cw ch < <(grep '^canvas ' <<<"$report")
canvas_rect="$((cx + origin_x)),$((cy + origin_y)),$cw,$ch"

chromium --no-sandbox --kiosk --force-device-scale-factor=1 --user-data-dir="$work/chromium" --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --disable-features=Translate \
    --password-store=basic --disable-gpu --window-position=0,0 --window-size=1280,1024 \
    "file://$root/board/web/index.html?board=$board&pos=$origin_x,$origin_y" >/dev/null 2>&1 &
browser=$!
# The page has drawn its board once the canvas's first pixel shows white.
IFS=, read -r first_x first_y <<<"$(point canvas)"
for _ in $(seq 1 300); do
    import -window root -crop "1x1+$first_x+$first_y" txt:- 2>/dev/null | grep -q '#FFFFFF' && break
    sleep 0.1
done

"$root/scripts/e2e" "$picture" --edition linux --board "$board" --board-on-screen --at "$at" --canvas-rect "$canvas_rect"
