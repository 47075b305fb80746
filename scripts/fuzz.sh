#!/usr/bin/env bash
# Runs a fuzzer. Usage: scripts/fuzz.sh [SECONDS] [open|rtf|rtf_escape]
#   open: any bytes as a document file (the default); rtf: any bytes as Rich Text;
#   rtf_escape: any bytes as a text written into Rich Text.
# Crashers land in build/fuzz/crashes; keep each as a test under tests/data/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
fuzzer="${2:-open}"
bash scripts/install-deps.sh fuzz
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DHERDWRIGHT_FUZZ=ON -DHERDWRIGHT_TESTS=ON -DHERDWRIGHT_QT=OFF >/dev/null
cmake --build build/fuzz --target "${fuzzer}_fuzzer"
corpus="build/fuzz/corpus-$fuzzer"
mkdir -p "$corpus" build/fuzz/crashes
case "$fuzzer" in
  open) seeds=(examples/*.vqn tests/data/cli/*.vqn tests/data/fuzz/* tests/data/fuzz-seeds/open/*) ;;
  rtf) seeds=(tests/data/fuzz-seeds/rtf/*) ;;
  rtf_escape) seeds=(tests/data/fuzz-seeds/rtf-escape/*) ;;
  *) echo "unknown fuzzer: $fuzzer" >&2; exit 2 ;;
esac
for seed in "${seeds[@]}"; do
  if [ -f "$seed" ]; then cp -n "$seed" "$corpus/"; fi
done
"build/fuzz/tests/${fuzzer}_fuzzer" "$corpus" -max_len=200000 -timeout=10 \
  -max_total_time="$seconds" -artifact_prefix=build/fuzz/crashes/ -print_final_stats=1
