#!/usr/bin/env bash
# Builds and starts the desktop program with a worksheet.
# Usage: scripts/run.sh [FILE.vqn]   (default: examples/sample-ranch.vqn)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHERDWRIGHT_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target herdwright
file="${1:-examples/sample-ranch.vqn}"
program=build/release/bin/herdwright

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<MESSAGE
No display: neither DISPLAY nor WAYLAND_DISPLAY is set. Built $program.
Run it on a virtual screen:
  xvfb-run -a $program "$file"
or without any screen (nothing is shown; for automation):
  QT_QPA_PLATFORM=offscreen $program "$file"
MESSAGE
  exit 1
fi
exec "$program" "$file"
