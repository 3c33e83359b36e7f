#!/usr/bin/env bash
# Installs what is missing, then configures and builds Clipmoor in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DCLIPMOOR_WERROR=ON "$@"
cmake --build build -j2
