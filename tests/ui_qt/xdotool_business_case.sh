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

mode=$3
source "$(dirname "$0")/x_session.sh" "$1" "$2"

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
