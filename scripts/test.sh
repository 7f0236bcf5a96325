#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and with
# AddressSanitizer and UndefinedBehaviorSanitizer, generates the asset pack,
# runs the fuzzers for a bounded time and then every test on the sanitizer
# build. Needs no display: the real-window tests start an X server of their own.
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

# A Release build too, tests included: the optimiser sees code the other build
# types do not, and every build type must compile with warnings as errors. Its
# tests are those run below, so they are not run again.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --parallel "$jobs"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOCABULOON_SANITIZE=ON >/dev/null
cmake --build build-test --parallel "$jobs"
cmake --build build-test --target assets
cd build-test
ASAN_OPTIONS=detect_leaks=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  ctest --output-on-failure --parallel "$jobs" --timeout 600
