#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Payvanta and runs it on the bundled example
# projects.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh build
build/bin/payvanta-calc build/bin/examples/*.QVR
