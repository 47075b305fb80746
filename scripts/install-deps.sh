#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing.
# Usage: scripts/install-deps.sh build|test|fuzz
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config)
# The desktop program: Qt 6, its OpenGL headers, Arial's metric twin, and a
# virtual screen for machines without one.
qt=(qt6-base-dev libgl-dev xvfb xauth fonts-liberation2)
case "${1:-build}" in
  build) packages+=("${qt[@]}") ;;
  test) packages+=(clang libgtest-dev libgmock-dev libbenchmark-dev "${qt[@]}") ;;
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  *) echo "unknown set: $1" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
