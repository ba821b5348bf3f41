#!/usr/bin/env bash
# Drives the real desktop program on a virtual 1280x1024 X display under a window manager,
# as a user would, and checks where its windows open and where the keys go:
#  - the main window opens centred on the screen, and can be resized;
#  - the message of a failed open, the file selection dialog and a report window open
#    centred over the main window, which stays where it was after the file dialog;
#  - after Save Data by the Space key, a second Space saves again and prints nothing.
# Usage: xdotool_window_places.sh PROGRAM DATA_FOLDER
set -euo pipefail

source "$(dirname "$0")/x_session.sh" "$1" "$2" xwininfo

# Printing goes to PDF files in a folder of the test's own.
mkdir "$work/printed"
start() {
    "$program" --no-splash --folder "$work/folder" --print-to-pdf "$work/printed" "$@" \
        >>"$work/program.log" 2>&1 &
    app=$!
    pids+=("$app")
}
# The first window shown of the name; an X error (a window that went while xdotool looked
# at it) is one more look.
visibleNamed() {
    local found end=$((SECONDS + 30))
    until found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null) && [ -n "$found" ]; do
        ((SECONDS < end)) || return 1
        sleep 0.05 # between two looks, not a wait for something to happen
    done
    head -n 1 <<<"$found"
}

# The frame of a window as the user sees it: "left top width height".
frame() {
    local info extents X Y WIDTH HEIGHT l r t b
    # xwininfo, not xdotool, whose position of a framed window counts the frame twice.
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
    echo "$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))"
}
# Whether the frames $1 and $2 ("left top width height") share their centre within 3 pixels.
sameCentre() {
    local a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    local dx=$((2 * a[0] + a[2] - 2 * b[0] - b[2])) dy=$((2 * a[1] + a[3] - 2 * b[1] - b[3]))
    ((dx >= -6 && dx <= 6 && dy >= -6 && dy <= 6))
}
centredOver() { sameCentre "$(frame "$1")" "$2"; }
screen="0 0 1280 1024"

# A failed open: the project named on the command line is not there.
start "$work/folder/Missing.QVR"
main=$(visibleNamed '^Payvanta$') || fail "the main window never showed: $(cat "$work/program.log")"
within 10 centredOver "$main" "$screen" ||
    fail "the main window ($(frame "$main")) is not centred on the screen ($screen)"
box=$(visibleNamed '^Stravolux_QVR$') || fail "no message for the failed open"
mainFrame=$(frame "$main")
within 10 centredOver "$box" "$mainFrame" ||
    fail "the message ($(frame "$box")) is not centred over the main window ($mainFrame)"
timeout 10 xdotool windowactivate --sync "$box" || fail "the message never took the keys"
xdotool key Return

# The main window takes the size the user gives it.
gone() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
within 10 gone '^Stravolux_QVR$' || fail "the message did not close"
xdotool windowsize "$main" 1100 800
sized() { xdotool getwindowgeometry "$main" | grep -q 'Geometry: 1100x800'; }
within 10 sized || fail "the main window kept its size: $(xdotool getwindowgeometry "$main")"
mainFrame=$(frame "$main")

# File > Open Existing File: the dialog stands where the main window stood, and the main
# window comes back there.
timeout 10 xdotool windowactivate --sync "$main" || fail "the main window never took the keys"
xdotool key --clearmodifiers alt+f
xdotool key Down Return
dialog=$(visibleNamed '^File Select$') || fail "the file selection dialog never showed"
within 10 centredOver "$dialog" "$mainFrame" ||
    fail "the file dialog ($(frame "$dialog")) is not centred over the main window ($mainFrame)"
timeout 10 xdotool windowactivate --sync "$dialog" || fail "the file dialog never took the keys"
xdotool key Escape
within 10 gone '^File Select$' || fail "the file dialog did not close"
main=$(visibleNamed '^Payvanta$') || fail "the main window did not come back"
within 10 centredOver "$main" "$mainFrame" ||
    fail "the main window moved after the file dialog: $(frame "$main"), was $mainFrame"
kill "$app"
wait "$app" 2>/dev/null || true

# The example opened; Save Data by keys: the View menu takes the focus to Save Data.
start "$work/folder/Ladle.QVR"
main=$(visibleNamed '^Payvanta$') || fail "the main window never showed: $(cat "$work/program.log")"
timeout 10 xdotool windowactivate --sync "$main" || fail "the main window never took the keys"
# The menu is a window of its own, of the program's class.
shown() { xdotool search --onlyvisible --class '^payvanta$' 2>/dev/null | wc -l; }
count() { [ "$(shown)" -eq "$1" ]; }
closedMenu=$(shown)
xdotool key --clearmodifiers alt+v
within 10 count $((closedMenu + 1)) || fail "the View menu never opened"
# The first Escape closes the menu, the second leaves the menu bar.
xdotool key Escape
within 10 count "$closedMenu" || fail "the View menu did not close"
xdotool key Escape
saved() { [ -s "$work/folder/Ladle.QVR" ]; }
for press in first second; do
    rm -f "$work/folder/Ladle.QVR"
    xdotool key space
    within 10 saved ||
        fail "the $press Space after Save Data did not save; printed: $(ls "$work/printed")"
done
[ -z "$(ls "$work/printed")" ] || fail "Space after Save Data printed: $(ls "$work/printed")"

# View > Hoist: the report window opens over the main window.
mainFrame=$(frame "$main")
xdotool key --clearmodifiers alt+v
within 10 count $((closedMenu + 1)) || fail "the View menu never opened"
xdotool key Return
other() { [ "$(xdotool getactivewindow)" != "$main" ]; }
within 10 other || fail "the Hoist report never showed"
report=$(xdotool getactivewindow)
within 10 centredOver "$report" "$mainFrame" ||
    fail "the report ($(frame "$report")) is not centred over the main window ($mainFrame)"
xdotool key Escape
echo "PASS: the windows open centred, and Space after Save Data saves again"
