#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Payvanta and runs the whole test suite.
# Leaves the programs in build/bin and the browser edition in build-web/bin, whose page, in
# headless chromium, must give the summary, figures and report fields of payvanta-calc for
# the example projects, in the browser's language as payvanta-calc in the same locale.
# CMake options given here go to both builds (.ci/run passes -DPAYVANTA_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
scripts/build.sh build "$@"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
scripts/web.sh --build-only "$@"
ctest --test-dir build-web --output-on-failure
