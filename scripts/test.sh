#!/usr/bin/env bash
# Installs what is missing, builds the game with AddressSanitizer and
# UndefinedBehaviorSanitizer, generates the asset pack, runs the fuzzers for a
# bounded time and then every test. Needs no display.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
jobs="$(nproc)"

scripts/deps.sh --tests

# The fuzzers: clang with libFuzzer, each for a bounded time; a fault found
# fails the run with the fuzzer's report.
fuzz_seconds="${VOCABULOON_FUZZ_SECONDS:-45}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOCABULOON_FUZZ=ON -DVOCABULOON_FUZZ_SECONDS="$fuzz_seconds" >/dev/null
echo "Fuzzing each reader for ${fuzz_seconds}s"
if ! cmake --build build-fuzz --parallel "$jobs" --target fuzzers >build-fuzz/fuzz.log 2>&1; then
  grep -v -E '^#[0-9]+' build-fuzz/fuzz.log | tail -80
  echo "a fuzzer found a fault (build-fuzz/fuzz.log)"
  exit 1
fi
grep -E '^Done [0-9]+ runs' build-fuzz/fuzz.log || true

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCABULOON_SANITIZE=ON >/dev/null
cmake --build build-test --parallel "$jobs"
cmake --build build-test --target assets
cd build-test
ASAN_OPTIONS=detect_leaks=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  ctest --output-on-failure --parallel "$jobs" --timeout 600
