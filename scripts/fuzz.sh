#!/usr/bin/env bash
# Runs each libFuzzer target for a while (default 60 seconds each), starting from the
# committed corpus. New inputs go to build-fuzz/found/<target>; crashes stop the run.
# Usage: bash scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(address formats metadata progress manifest)
bash scripts/setup.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCLIPMOOR_SANITIZE=ON -DCLIPMOOR_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/found/$target"
    echo "== fuzz_$target for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=0 "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -artifact_prefix="build-fuzz/found/$target-" "build-fuzz/found/$target" "fuzz/corpus/$target"
done
