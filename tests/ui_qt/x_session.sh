# Sourced by the scripts that drive the real desktop program as a user would: a virtual X
# display of the test's own under openbox, a program folder with the shipped tables and
# the steel-mill example as Ladle.QVR, and what the scripts share. After sourcing:
#   $work     a folder removed at the end, with folder/ (the program folder) in it
#   pids      the processes to end, last started first; add each one started
#   fail MSG  ends the test, naming the windows on the display
#   within SECONDS COMMAND...  waits until the command succeeds; whether it did
#   alive PID
# Usage: source x_session.sh PROGRAM DATA_FOLDER TOOL...   (the tools the script needs
# besides Xvfb, openbox, xdotool and xprop)

program=$1
data=$2

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${xvfb:-}" ]; then
        alive "$xvfb" || echo "Xvfb on $DISPLAY has ended: $(cat "$work/xvfb.log")" >&2
        xwininfo -root -tree 2>/dev/null | grep -F '("' >&2
    fi
    exit 1
}

for tool in Xvfb openbox xdotool xprop "${@:3}"; do
    command -v "$tool" >/dev/null ||
        fail "$tool is missing (scripts/setup-debian.sh installs it)"
done
[ -x "$program" ] || fail "no program at $program"

alive() { kill -0 "$1" 2>/dev/null; }

work=$(mktemp -d)
pids=()
cleanup() {
    # The programs first, the display last; each waited for, so that none outlives the test.
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

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

mkdir "$work/folder"
cp "$data"/*.ini "$work/folder"
cp "$data/examples/steel-mill-ladle-crane.QVR" "$work/folder/Ladle.QVR"
