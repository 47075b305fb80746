#!/usr/bin/env bash
# Builds and runs every test: g++ with warnings as errors, then clang with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

jobs=$(nproc)

echo "== g++ build, warnings as errors"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DHERDWRIGHT_WERROR=ON -DHERDWRIGHT_BENCH=ON >/dev/null
cmake --build build/test -j "$jobs"
# The Qt tests need no screen.
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== clang build with AddressSanitizer + UndefinedBehaviorSanitizer (the core)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DHERDWRIGHT_WERROR=ON -DHERDWRIGHT_SANITIZE=ON \
  -DHERDWRIGHT_QT=OFF >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"
