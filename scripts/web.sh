#!/usr/bin/env bash
# Builds the browser edition into build-web/ with Debian's emscripten and serves it at
# http://127.0.0.1:N/ (8080 unless --port N) until stopped. --build-only builds and stops;
# further CMake options go to the build. Installs what is missing first
# (scripts/setup-debian.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
port=8080
serve=1
options=()
while [ $# -gt 0 ]; do
    case $1 in
    --port) port=$2; shift 2 ;;
    --build-only) serve=0; shift ;;
    -D*) options+=("$1"); shift ;;
    *) echo "usage: scripts/web.sh [--port N] [--build-only] [-DOPTION=VALUE...]" >&2; exit 2 ;;
    esac
done
scripts/setup-debian.sh
# em++ -O2 runs its JavaScript optimiser under node, which needs Debian's acorn module.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DPAYVANTA_BENCHMARKS=OFF -DPAYVANTA_FUZZ=OFF "${launcher[@]}" "${options[@]}" >/dev/null
cmake --build build-web --parallel "$(nproc)"
if [ "$serve" = 1 ]; then
    echo "Payvanta in the browser: http://127.0.0.1:$port/"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/bin
fi
