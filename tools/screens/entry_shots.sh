#!/bin/sh
# entry_shots.sh GAME PACKDIR OUTDIR
# Runs the game headless once per screen and keeps the page it shows a few
# moments after entry as OUTDIR/entry-NN.png: the screen as a child meets it,
# for the screen pictures of the contact sheet.
set -eu
game="$1"
pack="$2"
out="$3"
mkdir -p "$out"
install="$(mktemp -d /tmp/vbshots.XXXXXX)"
trap 'rm -rf "$install"' EXIT
ln -s "$pack/Images" "$install/Images"
ln -s "$pack/Wav" "$install/Wav"
printf '[HKEY_LOCAL_MACHINE\\Software\\Brightleaf Works\\Vocabuloon Spanish Demo\\1.00.000]\n"Path"="%s"\n' \
  "$install" >"$install/registry.reg"

# Screen and how long after entry its page is kept, in ms: long enough for
# what arrives on its own (the circus cart, the first classroom object, the
# days' buttons).
while read -r screen wait; do
  name="$(printf 'entry-%02d' "$screen")"
  if [ "$screen" = 22 ]; then
    printf 'wait %s\nshot %s\n' "$wait" "$name" >"$install/script.txt"
  else
    printf 'screen %s\nwait %s\nshot %s\n' "$screen" "$wait" "$name" >"$install/script.txt"
  fi
  rm -rf "$install/run"
  VOCABULOON_REGISTRY="$install/registry.reg" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS=detect_leaks=0 "$game" --headless --full --script "$install/script.txt" \
    --out "$install/run" >/dev/null 2>&1 || true
  if [ -f "$install/run/$name.png" ]; then
    cp "$install/run/$name.png" "$out/$name.png"
  else
    echo "entry_shots: screen $screen showed no page" >&2
  fi
done <<'SCREENS'
22 3000
1 3000
12 3000
13 3000
21 3000
26 2000
2 12000
3 3000
24 3000
4 3000
7 3000
6 10000
8 3000
5 3000
9 3000
10 3000
11 3000
14 10000
15 3000
16 3000
17 3000
18 3000
19 3000
20 3000
25 3000
SCREENS
