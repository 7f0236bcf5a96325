#!/usr/bin/env bash
# Installs what is missing, builds the game and its asset pack, sets up the
# per-user install directory and starts the game. Extra arguments go to the
# game (for example --windowed).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCABULOON_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target vocabuloon
cmake --build build --target assets
install_dir="$(scripts/install.sh "$here/build")"
echo "Playing from $install_dir"
exec build/vocabuloon "$@"
