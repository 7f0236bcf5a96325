#!/usr/bin/env bash
# Measures what the game costs in a real full-screen window, for each SDL
# renderer: starts it under a fresh Xvfb (no window manager) and prints the
# share of one core it uses while the title picture stands still (the start
# screen's first four seconds), the share through the guide's greeting, and its
# resident set 15 s after start. Also saves a screenshot of the screen after
# the guide has come, per renderer, to show how the page is scaled.
#
# usage: tools/measure-idle-cpu.sh [BUILD_DIR] [SECONDS]   (SECONDS at most 2.6)
#   RENDERERS="software opengl opengles2"  the renderers measured (default: these)
#   SCREEN=1280x1024                       the X screen's size
#   SHOT=/tmp/vocabuloon-window            screenshots: SHOT-RENDERER.png
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
seconds="${2:-2.6}"
renderers="${RENDERERS:-software opengl opengles2}"
screen="${SCREEN:-1280x1024}"
shot="${SHOT:-/tmp/vocabuloon-window}"
for tool in Xvfb import; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb imagemagick)" >&2; exit 1; }
done

work="$(mktemp -d /tmp/vbidleXXXX)"
game=""
xvfb=""
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/Images"
if [ -d "$build/assets/Images" ]; then
  rmdir "$work/Images"
  ln -s "$build/assets/Images" "$work/Images"
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

hz="$(getconf CLK_TCK)"
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
now_ns() { date +%s%N; }
# The share of one core the game used between two (ticks, ns) readings.
share() { awk -v t="$(($3 - $1))" -v hz="$hz" -v ns="$(($4 - $2))" 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }'; }

printf '%-10s %16s %18s %14s\n' renderer "still title" "greeting (4-15 s)" "RSS at 15 s"
for renderer in $renderers; do
  display=":$((90 + RANDOM % 9))"
  Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY="$display" VOCABULOON_REGISTRY="$work/registry.reg" SDL_AUDIODRIVER=dummy \
    "$build/vocabuloon" --renderer "$renderer" >"$work/game-$renderer.log" 2>&1 &
  game=$!
  started="$(now_ns)"
  sleep 1.2 # loaded and showing the title
  t0="$(ticks)"; n0="$(now_ns)"
  sleep "$seconds"
  t1="$(ticks)"; n1="$(now_ns)"
  still="$(share "$t0" "$n0" "$t1" "$n1")"
  sleep "$(awk -v s="$started" -v n="$(now_ns)" 'BEGIN { w = 4.2 - (n - s) / 1e9; print (w > 0 ? w : 0) }')"
  t2="$(ticks)"; n2="$(now_ns)"
  sleep "$(awk -v s="$started" -v n="$(now_ns)" 'BEGIN { w = 15 - (n - s) / 1e9; print (w > 0 ? w : 0) }')"
  t3="$(ticks)"; n3="$(now_ns)"
  greeting="$(share "$t2" "$n2" "$t3" "$n3")"
  rss="$(awk '/^VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$game/status")"
  DISPLAY="$display" import -window root "$shot-$renderer.png" 2>/dev/null || true
  if grep -q "is not available" "$work/game-$renderer.log"; then
    rss="$rss (fell back)"
  fi
  printf '%-10s %15s%% %17s%% %14s\n' "$renderer" "$still" "$greeting" "$rss"
  kill "$game" "$xvfb" 2>/dev/null || true
  wait "$game" "$xvfb" 2>/dev/null || true
  game=""; xvfb=""
done
echo "screenshots: $shot-RENDERER.png"
