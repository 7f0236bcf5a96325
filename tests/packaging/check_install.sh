#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop finds there:
# the game, its pack, the desktop entry, the icons and the metainfo, each
# accepted by its validator; then starts the installed game as a new player
# would (no registry file yet) and checks that it set up its own install
# directory and reached its first screen.
#
# usage: check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/deps.sh --tests installs it)"; exit 1; }
done
work="$(mktemp -d /tmp/vbiXXXX)"
trap 'rm -rf "$work"' EXIT
prefix="$work/p"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
app=org.brightleafworks.Vocabuloon
[ -x "$prefix/bin/vocabuloon" ] || fail "no bin/vocabuloon"
for file in share/vocabuloon/Images/cursor-mouse.bmp share/vocabuloon/Wav/wordbubbles-popup.wav \
  "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml"; do
  [ -f "$prefix/$file" ] || fail "no $file"
done
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/vocabuloon.png"
  [ -f "$icon" ] || fail "no icon of $size pixels"
  # PNG width and height: bytes 16 to 23.
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "icon of $size pixels is ${width}x$height"
done
grep -q '^Categories=.*Education;.*Game;' "$prefix/share/applications/$app.desktop" ||
  fail "the desktop entry is not in Education and Game"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml"

# A new player: no registry file, no install directory.
home="$work/h"
mkdir -p "$home"
printf 'frames 30\nquit\n' >"$work/script.txt"
status=0
env -u VOCABULOON_REGISTRY -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" \
  "$prefix/bin/vocabuloon" --headless --script "$work/script.txt" --out "$work/out" \
  2>"$work/stderr.txt" || status=$?
[ "$status" = 0 ] || { cat "$work/stderr.txt"; fail "the installed game ended with $status"; }
registry="$home/.config/vocabuloon/registry.reg"
[ -f "$registry" ] || fail "no registry file written"
grep -qF "\"Path\"=\"$home/.local/share/vocabuloon\"" "$registry" || fail "registry: $(cat "$registry")"
for sub in Images Wav; do
  [ "$(readlink -f "$home/.local/share/vocabuloon/$sub")" = "$(readlink -f "$prefix/share/vocabuloon/$sub")" ] ||
    fail "$sub does not lead to the installed pack"
done
grep -q " screen 22$" "$work/out/trace.txt" || fail "the first screen was not reached"
grep -q " image vocabuloon-full-sp.bmp$" "$work/out/trace.txt" || fail "the title was not shown"
echo "installed layout, validators and first start: all good"
