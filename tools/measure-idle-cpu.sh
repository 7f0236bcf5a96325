#!/usr/bin/env bash
# Measures the processor time the game uses on a still screen in a real
# window: starts it under Xvfb and, while the title picture stands still (the
# start screen's first four seconds), prints the share of one core it used. Also saves a screenshot of the
# desktop (with ImageMagick's import) to show how the page is scaled.
#
# usage: tools/measure-idle-cpu.sh [BUILD_DIR] [SECONDS]   (SECONDS at most 2.6)
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
seconds="${2:-2.6}"
for tool in Xvfb import; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb imagemagick)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/vbidleXXXX)"
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/Images"
if [ -d "$build/assets/Images" ]; then
  ln -s "$build/assets/Images" "$work/Images.pack"
  rmdir "$work/Images" && mv "$work/Images.pack" "$work/Images"
  ln -s "$build/assets/Wav" "$work/Wav"
else
  # No pack built: two plain cursor pictures are all the start needs.
  for name in cursor-mouse cursor-clock; do
    { printf 'BM\x36\x04\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00'
      printf '\x10\x00\x00\x00\x10\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00'
      printf '\x00\x04\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00'
      head -c 768 /dev/zero | tr '\0' '\377'; } >"$work/Images/$name.bmp"
  done
fi
printf '[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\n"Path"="%s"\n' \
  "$work" >"$work/registry.reg"

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY="$display" VOCABULOON_REGISTRY="$work/registry.reg" SDL_AUDIODRIVER=dummy \
  "$build/vocabuloon" --windowed >"$work/game.log" 2>&1 &
game=$!
sleep 1.2 # loaded and showing the title

ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
hz="$(getconf CLK_TCK)"
start_ticks="$(ticks)"
start_ns="$(date +%s%N)"
sleep "$seconds"
end_ticks="$(ticks)"
end_ns="$(date +%s%N)"
DISPLAY="$display" import -window root "${SHOT:-/tmp/vocabuloon-window.png}" 2>/dev/null || true

awk -v t="$((end_ticks - start_ticks))" -v hz="$hz" -v ns="$((end_ns - start_ns))" 'BEGIN {
  cpu = t / hz; wall = ns / 1e9;
  printf "still screen: %.2f s of processor time in %.1f s: %.2f%% of one core\n", cpu, wall, 100 * cpu / wall }'
echo "screenshot: ${SHOT:-/tmp/vocabuloon-window.png}"
