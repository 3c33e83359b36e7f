#!/usr/bin/env bash
# Renders the SVG sources of the images into the PNG files the program embeds.
# Only needed after changing an SVG; the PNG files are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || apt-get install -y -qq --no-install-recommends librsvg2-bin
for svg in ui/img/*.svg updater/img/*.svg updater/logo/*.svg; do
    [ -e "$svg" ] || continue
    rsvg-convert "$svg" -o "${svg%.svg}.png"
done
