#!/usr/bin/env bash
# How mipro starts, or says why it cannot, on X servers of this test's own:
#   x_connection_test.sh MIPRO
# - no display named at all, or one nobody answers on: a message on stderr and status 1, no crash;
# - the display named only on the command line (--display): both of the program's connections
#   reach it and the program runs;
# - a server without the XTEST extension: a message box, and status 1 once it is gone.
# Nothing is left in the temporary or runtime folder. Exits 77 when no Xvfb could be started.
set -uo pipefail

mipro="$1"
work="$(mktemp -d /tmp/mipro-x-connection.XXXXXX)"
servers=()
started=""
failures=0

cleanup() {
    [[ -n "$started" ]] && kill "$started" 2>/dev/null
    for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

free_display() {  # the first display number from $1 up with no server
    local n="$1"
    while [[ -e "/tmp/.X${n}-lock" || -e "/tmp/.X11-unix/X${n}" ]]; do n=$((n + 1)); done
    echo "$n"
}

start_xvfb() {  # start_xvfb FIRST_NUMBER [Xvfb options...]; sets display
    local n
    n="$(free_display "$1")"
    shift
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp "$@" >/dev/null 2>&1 &
    servers+=($!)
    for _ in $(seq 1 100); do
        [[ -e "/tmp/.X11-unix/X$n" ]] && { display=":$n"; return 0; }
        sleep 0.1
    done
    return 1
}

# Runs mipro with fresh temporary and runtime folders and the rest of the arguments as its
# environment and command line; sets status and errors.
run_mipro() {
    local unset=()
    while [[ "$1" == -u ]]; do unset+=("$1" "$2"); shift 2; done
    mkdir -p "$work/tmp" "$work/run"
    env "${unset[@]}" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 "$@" \
        2>"$work/stderr" &
    started=$!
}

finish_mipro() {  # waits at most 60 s; sets status
    for _ in $(seq 1 600); do kill -0 "$started" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$started" 2>/dev/null && { kill -KILL "$started"; fail "mipro did not end"; }
    wait "$started"
    status=$?
    started=""
    errors="$(cat "$work/stderr")"
}

expect_clean_refusal() {  # expect_clean_refusal WHAT MESSAGE
    if ((status == 0 || status >= 128)); then fail "$1: exit status $status (a signal above 128)"; fi
    grep -qF -- "$2" <<<"$errors" || fail "$1: no message \"$2\" on stderr: $errors"
    local left
    left="$(find "$work/tmp" "$work/run" -mindepth 1)"
    [[ -z "$left" ]] || fail "$1: left behind: $left"
    rm -rf "$work/tmp" "$work/run"
}

window_of_mipro() {  # the first window titled "ミプロ♪ ver.", waited for up to 60 s
    local id=""
    for _ in $(seq 1 600); do
        id="$(xdotool search --name '^ミプロ♪ ver\.' 2>/dev/null | head -n 1)"
        [[ -n "$id" ]] && break
        sleep 0.1
    done
    echo "$id"
}

start_xvfb 150 || { echo "no Xvfb" >&2; exit 77; }
plain="$display"
start_xvfb 150 -extension XTEST || { echo "no Xvfb" >&2; exit 77; }
no_xtest="$display"
nobody="$(free_display 150)"

run_mipro -u DISPLAY -u WAYLAND_DISPLAY "$mipro"
finish_mipro
expect_clean_refusal "no DISPLAY" "X ディスプレイが指定されていません"

run_mipro -u DISPLAY "$mipro" --display=":$nobody"
finish_mipro
expect_clean_refusal "--display=:$nobody" "X ディスプレイに接続できませんでした。 (:$nobody)"

run_mipro DISPLAY=":$nobody" "$mipro"
finish_mipro
expect_clean_refusal "DISPLAY=:$nobody" "X ディスプレイに接続できませんでした。 (:$nobody)"

run_mipro -u DISPLAY "$mipro" --display="$plain"
main="$(DISPLAY="$plain" window_of_mipro)"
[[ -n "$main" ]] || fail "--display=$plain: no window showed"
kill -TERM "$started" 2>/dev/null
finish_mipro
((status == 0)) || fail "--display=$plain: exit status $status after SIGTERM: $errors"

run_mipro DISPLAY="$no_xtest" "$mipro"
box="$(DISPLAY="$no_xtest" window_of_mipro)"
if [[ -z "$box" ]]; then
    fail "no XTEST: no window showed"
else
    DISPLAY="$no_xtest" xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
        fail "no XTEST: the window shown is not a message box"
    # Without XTEST no key can be typed: the box's window is taken away instead.
    DISPLAY="$no_xtest" xdotool windowclose "$box" 2>/dev/null
fi
finish_mipro
((status == 1)) || fail "no XTEST: exit status $status once the message box went"

((failures == 0)) && echo "x_connection_test: all passed"
exit $((failures > 0))
