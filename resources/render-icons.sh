#!/usr/bin/env bash
# Renders the bundled images from their SVG sources: every icons/*.svg to a 32 px PNG, the
# application icon to a multi-size .ico, and the report logo to a 600 px wide JPEG.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

for svg in icons/*.svg; do
    rsvg-convert -w 32 -h 32 -o "${svg%.svg}.png" "$svg"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
sizes=(16 24 32 48 64 128 256)
files=()
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" -o "$tmp/logo-$size.png" logo.svg
    files+=("$tmp/logo-$size.png")
done
convert "${files[@]}" icons/logo.ico

rsvg-convert -w 600 -b white -o "$tmp/logohaslo.png" logohaslo.svg
convert "$tmp/logohaslo.png" -background white -flatten -quality 92 images/logohaslo.jpg

# The desktop entry's icon in the hicolor theme; logo.svg itself is installed as the scalable one.
rsvg-convert -w 256 -h 256 -o logo.png logo.svg
