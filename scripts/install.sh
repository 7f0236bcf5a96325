#!/usr/bin/env bash
# Sets up the per-user install directory: it keeps the progress file and
# reaches the pictures and recordings of a build. Writes the registry file that
# names it, and prints the directory. The game accepts an install path of at
# most 59 characters.
set -euo pipefail
build="$(cd "${1:?usage: install.sh BUILD_DIR}" && pwd)"

dir="${XDG_DATA_HOME:-$HOME/.local/share}/vocabuloon"
[ ${#dir} -le 59 ] || dir="$HOME/.vocabuloon"
if [ ${#dir} -gt 59 ]; then
  echo "install.sh: no install directory of at most 59 characters under $HOME" >&2
  exit 1
fi
mkdir -p "$dir"
for sub in Images Wav; do
  # Links, not copies: a rebuild updates the pack, and the progress file
  # beside them is never touched by a rebuild or by deleting the build.
  if [ -d "$build/assets/$sub" ]; then
    ln -sfn "$build/assets/$sub" "$dir/$sub"
  fi
done

registry="${VOCABULOON_REGISTRY:-${XDG_CONFIG_HOME:-$HOME/.config}/vocabuloon/registry.reg}"
mkdir -p "$(dirname "$registry")"
escaped="${dir//\\/\\\\}"
escaped="${escaped//\"/\\\"}"
cat >"$registry" <<REG
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]
"Path"="$escaped"
REG
echo "$dir"
