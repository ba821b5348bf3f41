#!/usr/bin/env bash
# Drives the real desktop program as a user would, on a virtual X display with a window
# manager: opens the steel-mill example, opens View > Business Case by keyboard, types a
# cost and moves on, then checks that the program outlives what that set off.
#   keys:   50000 into Drive Hardware, Tab through the inputs, "EIA" into the factor's
#           source, Tab into the page.
#   clicks: 5000 into Drive Hardware, then one burst of double clicks down the page's
#           values.
# Usage: xdotool_business_case.sh PROGRAM DATA_FOLDER keys|clicks
set -euo pipefail

program=$1
data=$2
mode=$3

fail() {
    echo "FAIL: $*" >&2
    # What the display showed: whether it still runs, and its named windows.
    if [ -n "${xvfb:-}" ]; then
        alive "$xvfb" || echo "Xvfb on $DISPLAY has ended: $(cat "$work/xvfb.log")" >&2
        xwininfo -root -tree 2>/dev/null | grep -F '("' >&2
    fi
    exit 1
}

for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing (scripts/setup-debian.sh installs it)"
done
[ -x "$program" ] || fail "no program at $program"

alive() { kill -0 "$1" 2>/dev/null; }

work=$(mktemp -d)
pids=()
cleanup() {
    # The program first, the display last; each waited for, so that none outlives the test.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Waits until the command succeeds, for at most $1 seconds; whether it did.
within() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < end)) || return 1
        sleep 0.05 # between two looks, not a wait for something to happen
    done
}
managed() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# A display of our own: the first number that no other server holds, as xvfb-run finds
# one. Another server may take it first; ours then ends at once and the next one is tried.
startDisplay() {
    local n end
    for ((n = 90; n < 190; n++)); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # -noreset: the server would start afresh, refusing clients for a moment, each time
        # its last client leaves, as each look with xprop and xdotool does.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$work/xvfb.log" &
        xvfb=$!
        pids+=("$xvfb")
        end=$((SECONDS + 20))
        while alive "$xvfb" && ((SECONDS < end)); do
            if DISPLAY=":$n" xprop -root >/dev/null 2>&1 && alive "$xvfb"; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.05 # between two looks
        done
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        unset 'pids[-1]'
    done
    xvfb=
    return 1
}
startDisplay || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
within 20 managed || fail "openbox did not take the display: $(cat "$work/openbox.log")"

# A program folder of its own, with the shipped tables and the example.
mkdir "$work/folder"
cp "$data"/*.ini "$work/folder"
cp "$data/examples/steel-mill-ladle-crane.QVR" "$work/folder/Ladle.QVR"
"$program" --no-splash --folder "$work/folder" "$work/folder/Ladle.QVR" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Payvanta' | head -n 1) ||
    fail "the main window never showed: $(cat "$work/program.log")"
timeout 10 xdotool windowactivate --sync "$main" || fail "the main window never took the keys"

# View > Business Case: Alt+V opens the menu on its first item; Up wraps to the last.
xdotool key --clearmodifiers alt+v
xdotool key Up Return
report=$(timeout 30 xdotool search --sync --onlyvisible --name '^Retrofit Business Case$' |
    head -n 1) || fail "the Business Case window never showed: $(cat "$work/program.log")"
timeout 10 xdotool windowactivate --sync "$report" ||
    fail "the Business Case window never took the keys"

# The keys go to Drive Hardware first.
if [ "$mode" = keys ]; then
    xdotool type --delay 20 50000
    # Installation, Engineering, Rebate, the life, the rate, the factor, its source.
    xdotool key --delay 20 Tab Tab Tab Tab Tab Tab Tab
    xdotool type --delay 20 EIA
    xdotool key Tab
else
    xdotool type --delay 20 5000
    # Down the column of the page's values in one burst: the first click that lands on
    # one takes the focus from the cost, which builds the page again.
    read -r w h < <(xdotool getwindowgeometry --shell "$report" |
        awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w, h}')
    burst=()
    for ((y = h / 4; y < h * 3 / 4; y += 12)); do
        burst+=(mousemove --window "$report" $((w * 3 / 4)) "$y" click --repeat 2 --delay 20 1)
    done
    # A program that dies under a click takes its window, and the rest of the burst, along.
    timeout 30 xdotool "${burst[@]}" 2>/dev/null || true
fi

# A deleted widget that an event still uses brings the program down within moments.
gone() { ! alive "$app"; }
if within 5 gone; then
    wait "$app" && status=0 || status=$?
    fail "the program died (exit status $status) after the $mode: $(tail -n 20 "$work/program.log")"
fi
# Still answering: Escape closes the Business Case window.
xdotool key Escape
closed() { ! xdotool search --onlyvisible --name '^Retrofit Business Case$'; }
within 10 closed || fail "the Business Case window no longer answers"
alive "$app" || fail "the program died on leaving the Business Case window"
echo "PASS: the program outlived the $mode"
