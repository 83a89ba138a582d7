#!/usr/bin/env bash
# Builds everything and runs every test; then builds the engine and its tests
# again with AddressSanitizer and UndefinedBehaviorSanitizer, and once more
# with ThreadSanitizer (the lexicon is read from several threads), and runs
# them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
ctest --test-dir "$top/build" --output-on-failure -j"$(nproc)"

cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug \
  -DQUIRVO_SANITIZE=ON -DQUIRVO_GUI=OFF -DQUIRVO_BENCH=OFF -DQUIRVO_DICTIONARIES=OFF
cmake --build "$top/build-asan" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure -j"$(nproc)"

cmake -S "$top" -B "$top/build-tsan" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIRVO_TSAN=ON -DQUIRVO_GUI=OFF -DQUIRVO_BENCH=OFF -DQUIRVO_DICTIONARIES=OFF
cmake --build "$top/build-tsan" -j"$(nproc)"
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$top/build-tsan" --output-on-failure -j"$(nproc)"
