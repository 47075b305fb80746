#!/usr/bin/env bash
# Builds the program and shows the sample ranch's first budget.
# Usage: scripts/run.sh [FILE.vqn] [TAB]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHERDWRIGHT_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
file="${1:-examples/sample-ranch.vqn}"
tab="${2:-1}"
exec build/release/src/herdwright-cli export "$file" --tab "$tab" --format text
