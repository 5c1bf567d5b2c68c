#!/bin/sh
# Redraws the hicolor PNG icons from resources/quorvel.svg; run it after
# changing the SVG and commit the PNGs (the build needs no SVG renderer).
# Needs rsvg-convert (Debian: librsvg2-bin).
set -eu
cd "$(dirname "$0")/.."
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" resources/quorvel.svg -o "resources/icons/quorvel-$size.png"
done
