#!/usr/bin/env bash
# Makes data/org.quandrel.quandrel.ico, the Windows icon, from the SVG at the sizes Windows uses.
# Needs rsvg-convert and icotool (Debian's librsvg2-bin and icoutils).
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in rsvg-convert icotool; do
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
