#!/usr/bin/env bash
# Renders the icons' SVG sources into the PNG and ICO files the updater embeds and the
# menu icons the package installs; the program's other images are drawn from their SVG
# files as they are.
# Only needed after changing an SVG; the PNG files are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || apt-get install -y -qq --no-install-recommends librsvg2-bin
for svg in updater/logo/*.svg; do
    [ -e "$svg" ] || continue
    rsvg-convert "$svg" -o "${svg%.svg}.png"
done
# The menu icon at the sizes the icon theme looks for; the scalable one is the SVG itself.
for size in 48 64 128 256; do
    rsvg-convert -w $size -h $size packaging/com.quorvel.Clipmoor.svg -o packaging/icons/$size.png
done
# The updater's window icon is an ICO file that holds the 256 x 256 PNG.
python3 - <<'PY'
import struct
png = open("updater/logo/app.png", "rb").read()
header = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16)
open("updater/logo/app.ico", "wb").write(header + entry + png)
PY
