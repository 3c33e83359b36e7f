#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# ./build-sanitize and runs the whole test suite there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCLIPMOOR_WERROR=ON -DCLIPMOOR_SANITIZE=ON
cmake --build build-sanitize -j2
cd build-sanitize
# Leaks count as failures; tests/sanitizers/leaks.supp names the system libraries' own.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/../tests/sanitizers/leaks.supp":print_suppressions=0 \
  ctest --output-on-failure -j2 --timeout 600
