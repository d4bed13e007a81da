#!/usr/bin/env bash
# Makes a fresh Wine prefix at $1, without the Mono and Gecko installers' prompts. With
# "windows10" as $2, its window metrics are Windows 10's: a 23-pixel caption, a 1-pixel border
# with 4 pixels of padding, a 19-pixel menu bar (the registry holds them in -1/15 pixel).
set -euo pipefail
prefix=$1
source "$(dirname "$0")/wine_env.sh" "$prefix"
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
wineboot -i >/dev/null 2>&1
if [ "${2:-}" = windows10 ]; then
  for metric in CaptionHeight=-345 CaptionWidth=-345 BorderWidth=-15 PaddedBorderWidth=-60 \
                MenuHeight=-285 MenuWidth=-285; do
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "${metric%%=*}" /t REG_SZ \
      /d "${metric#*=}" /f >/dev/null 2>&1
  done
fi
wineserver -w
test -d "$prefix/drive_c/windows/system32"
echo "made a Wine prefix at $prefix"
