#!/usr/bin/env bash
# Saves pictures of the window and the updater window into docs/screenshots, taken
# under Xvfb during a real download from a local server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if ! command -v xvfb-run >/dev/null; then
    sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends xvfb xauth
fi
bash scripts/build.sh
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
    build/tests/clipmoor_screenshots "$PWD/docs/screenshots"
