#!/usr/bin/env bash
# Builds the Debian package herdwright_<version>_amd64.deb in build/package:
# both programs, the standard budgets, the icon, the menu entry and the .vqn
# file type, installed under /usr.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DHERDWRIGHT_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target herdwright herdwright-cli herd_packaging_texts
desktop-file-validate "$build/packaging/share/fenmarsh-herdwright.desktop"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/herdwright_*_amd64.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends
echo "Built $deb"
