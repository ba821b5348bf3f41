#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Payvanta and starts it on the bundled data:
# the default project and the four tables beside the program, and the example projects,
# where "Existing File" starts looking. The examples' savings are printed first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh build
build/bin/payvanta-calc build/bin/examples/*.QVR
cd build/bin/examples
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display: Payvanta runs on a virtual X display (xvfb-run) until it is"
    echo "closed or stopped with Ctrl+C."
    exec xvfb-run -a ../payvanta "$@"
fi
exec ../payvanta "$@"
