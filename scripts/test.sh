#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Payvanta and runs the whole test suite.
# Leaves the programs in build/bin. CMake options given here go to the build
# (.ci/run passes -DPAYVANTA_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh build "$@"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
