#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building, testing, packaging
# (dpkg-shlibdeps, file) and running Payvanta needs; clang with its libFuzzer for the
# second build and the fuzz targets of .ci/run, clang-format for its format check, and
# CUPS with the cups-pdf printer for the printing test, which starts a cupsd of its own;
# D-Bus with the AT-SPI bus and its Python bindings for the screen-reader test; emscripten
# (with node and its acorn module) for the browser edition, rsvg-convert for its icons, and
# chromium with its driver and selenium for the browser edition's test.
# Safe to run again: it does nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation poppler-utils xvfb xauth openbox xdotool x11-utils
  dpkg-dev file appstream desktop-file-utils shared-mime-info
  clang libclang-rt-dev clang-format
  cups cups-client printer-driver-cups-pdf
  dbus-daemon at-spi2-core python3-pyatspi
  emscripten nodejs node-acorn librsvg2-bin chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
