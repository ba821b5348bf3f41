#!/usr/bin/env bash
# The real desktop program on a private D-Bus session with the AT-SPI bus, on a virtual X
# display under a window manager, its accessible tree walked as a screen reader walks it
# (atspi_screen_reader.py). Fails with the reason when the session or the bus cannot start.
# Usage: atspi_screen_reader.sh PROGRAM DATA_FOLDER
set -euo pipefail

if [ -z "${PAYVANTA_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null ||
        { echo "FAIL: dbus-run-session is missing (scripts/setup-debian.sh installs dbus-daemon)" >&2; exit 1; }
    PAYVANTA_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh" "$1" "$2"

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || fail "$launcher is missing (scripts/setup-debian.sh installs at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>"$work/python.log" ||
    fail "pyatspi cannot be loaded (python3-pyatspi): $(cat "$work/python.log")"
"$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
desktop() { /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount'; }
within 20 desktop || fail "the AT-SPI bus did not start: $(cat "$work/atspi.log")"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
    "$program" --no-splash --folder "$work/folder" "$work/folder/Ladle.QVR" \
    >"$work/program.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$(dirname "$0")/atspi_screen_reader.py" ||
    fail "the program as a screen reader hears it (program output: $(cat "$work/program.log"))"
