#!/usr/bin/env bash
# Makes docs/screenshot.png: the game's window, frame included, as it starts under Xvfb with
# openbox. Needs a build in build/default, and xwd and convert (x11-apps, imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in Xvfb openbox xwd convert; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh needs $tool" >&2; exit 1; }
done
exec 3< <(Xvfb -displayfd 1 -screen 0 640x480x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r display <&3
export DISPLAY=:$display
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
sleep 1
build/default/src/quandrel 2>/dev/null &
game=$!
sleep 2
# The start-up frame: 13, 13 with 362 x 330 pixels.
xwd -root -silent | convert xwd:- -crop 362x330+13+13 +repage docs/screenshot.png
kill "$game" "$openbox" "$xvfb"
echo "wrote docs/screenshot.png"
