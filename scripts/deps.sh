#!/usr/bin/env bash
# Installs the Debian packages the game and its asset pack need, and with
# --tests also those of the tests and fuzzers; only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev zlib1g-dev fonts-liberation
  espeak-ng
)
if [ "${1:-}" = "--tests" ]; then
  # Xvfb: the real-window tests run the game on an X server of their own;
  # the validators check the desktop entry and the metainfo.
  packages+=(googletest libgtest-dev clang libclang-rt-14-dev xvfb libx11-dev
    desktop-file-utils appstream)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
