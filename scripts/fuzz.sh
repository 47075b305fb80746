#!/usr/bin/env bash
# Runs the document fuzzer. Usage: scripts/fuzz.sh [SECONDS]
# Crashers land in build/fuzz/crashes; keep each as a test under tests/data/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DHERDWRIGHT_FUZZ=ON -DHERDWRIGHT_TESTS=ON >/dev/null
cmake --build build/fuzz --target open_fuzzer
mkdir -p build/fuzz/corpus build/fuzz/crashes
cp -n examples/*.vqn tests/data/*.vqn build/fuzz/corpus/ 2>/dev/null || true
build/fuzz/tests/open_fuzzer build/fuzz/corpus -max_len=200000 -timeout=10 \
  -max_total_time="${1:-600}" -artifact_prefix=build/fuzz/crashes/ -print_final_stats=1
