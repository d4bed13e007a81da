#!/usr/bin/env bash
# Makes data/org.quandrel.quandrel.ico, the Windows icon, from the SVG at the sizes Windows uses,
# and the web page's 192 and 512-pixel PNG icons. Needs rsvg-convert, icotool and optipng
# (Debian's librsvg2-bin, icoutils and optipng).
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in rsvg-convert icotool optipng; do
  command -v "$tool" >/dev/null || { echo "make-icon.sh needs $tool" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for size in 16 20 24 32 40 48 64 256; do
  rsvg-convert -w "$size" -h "$size" data/org.quandrel.quandrel.svg -o "$work/$size.png"
  pngs+=("$work/$size.png")
done
# The largest size stays PNG-compressed inside the icon, as Windows expects.
icotool -c -o data/org.quandrel.quandrel.ico --raw="$work/256.png" "${pngs[@]:0:7}"
echo "wrote data/org.quandrel.quandrel.ico"
for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" data/org.quandrel.quandrel.svg \
    -o "data/org.quandrel.quandrel-$size.png"
  optipng -quiet -o7 "data/org.quandrel.quandrel-$size.png"
done
echo "wrote data/org.quandrel.quandrel-192.png and -512.png"
