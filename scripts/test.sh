#!/usr/bin/env bash
# Installs what is missing, builds the game with AddressSanitizer and
# UndefinedBehaviorSanitizer, generates the asset pack, runs the fuzzers for a
# bounded time and then every test. Needs no display.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
jobs="$(nproc)"

scripts/deps.sh

# The fuzzers: clang with libFuzzer, each for a bounded time.
fuzz_seconds="${VOCABULOON_FUZZ_SECONDS:-45}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOCABULOON_FUZZ=ON -DVOCABULOON_TESTS=ON >/dev/null
cmake --build build-fuzz --parallel "$jobs" --target fuzzers
for fuzzer in build-fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name="$(basename "$fuzzer")"
  corpus="build-fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="tests/fuzz/corpus/${name#fuzz_}"
  echo "Fuzzing $name for ${fuzz_seconds}s"
  "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" \
    $( [ -d "$seeds" ] && echo "$seeds" ) 2>build-fuzz/$name.log ||
    { tail -50 "build-fuzz/$name.log"; echo "$name found a fault"; exit 1; }
done

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCABULOON_SANITIZE=ON >/dev/null
cmake --build build-test --parallel "$jobs"
if cmake --build build-test --target help | grep -q '\bassets\b'; then
  cmake --build build-test --target assets
fi
cd build-test
ASAN_OPTIONS=detect_leaks=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  ctest --output-on-failure --parallel "$jobs" --timeout 600
