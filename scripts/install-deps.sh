#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing.
# Usage: scripts/install-deps.sh build|test|fuzz|package
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config zlib1g-dev)
# The desktop program: Qt 6, its OpenGL headers, Arial's metric twin, and a
# virtual screen for machines without one.
qt=(qt6-base-dev libgl-dev xvfb xauth fonts-liberation2)
case "${1:-build}" in
  build) packages+=("${qt[@]}") ;;
  # desktop-file-validate checks the menu entry setup writes.
  test) packages+=(clang libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils poppler-utils "${qt[@]}") ;;
  # The Debian package: its library dependencies, and its desktop entry checked.
  package) packages+=(dpkg-dev fakeroot file desktop-file-utils "${qt[@]}") ;;
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  *) echo "unknown set: $1" >&2; exit 2 ;;
esac

# LibreOffice without its windows: the tests open the copies in it. Wanted, not
# needed: where it cannot be installed those tests are skipped and say so.
office=(libreoffice-writer-nogui libreoffice-calc-nogui)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
updated=""

missing_of() {
  missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
}

install_missing() {
  echo "Installing: ${missing[*]}"
  if [ -z "$updated" ]; then
    $sudo apt-get update -qq
    updated=yes
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

missing_of "${packages[@]}"
if [ ${#missing[@]} -gt 0 ]; then install_missing; fi

if [ "${1:-build}" = test ]; then
  missing_of "${office[@]}"
  if [ ${#missing[@]} -gt 0 ] && ! install_missing; then
    echo "NOTICE: LibreOffice could not be installed; the tests that open copies in it are skipped." >&2
  fi
fi
