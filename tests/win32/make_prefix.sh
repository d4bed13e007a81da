#!/usr/bin/env bash
# Makes a fresh Wine prefix at $1, without the Mono and Gecko installers' prompts.
set -euo pipefail
prefix=$1
source "$(dirname "$0")/wine_env.sh" "$prefix"
wineserver -k 2>/dev/null || true
rm -rf "$prefix"
wineboot -i >/dev/null 2>&1
wineserver -w
test -d "$prefix/drive_c/windows/system32"
echo "made a Wine prefix at $prefix"
