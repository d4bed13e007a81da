#!/usr/bin/env bash
# Makes the installer and the portable zip, then checks them in the Wine prefix: a silent install
# puts both programs, the Start-menu shortcut and the Add/Remove Programs entry in place, the
# installed game shows its window, and a silent uninstall takes all of it away again.
# Usage: check_installer.sh BUILD_DIR WINEPREFIX PEEK_EXE VERSION
set -euo pipefail
build=$1 peek=$3 version=$4
source "$(dirname "$0")/wine_env.sh" "$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
rm -f quandrel-*-win64-setup.exe quandrel-*-win64.zip
cpack -G "NSIS;ZIP" >/dev/null
setup=quandrel-$version-win64-setup.exe zip=quandrel-$version-win64.zip
file "$setup" | grep -q "PE32+ executable (GUI) x86-64" || fail "$setup is not a 64-bit Windows program"

listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
expected="quandrel-$version-win64/LICENSE quandrel-$version-win64/README.md quandrel-$version-win64/quandrel-solve.exe quandrel-$version-win64/quandrel.exe "
[ "$listing" = "$expected" ] || fail "zip holds: $listing"

folder="$WINEPREFIX/drive_c/Program Files/Quandrel"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quandrel"
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Quandrel'
installed=("$folder/quandrel.exe" "$folder/quandrel-solve.exe" "$folder/Uninstall.exe"
           "$folder/README.md" "$folder/LICENSE" "$menu/Quandrel.lnk")

wine "$setup" /S
wineserver -w
for path in "${installed[@]}"; do [ -f "$path" ] || fail "not installed: $path"; done
grep -q "^\[$uninstall_key\]" "$WINEPREFIX/system.reg" || fail "no Add/Remove Programs entry"
grep -A12 "^\[$uninstall_key\]" "$WINEPREFIX/system.reg" | grep -q '"UninstallString"' ||
  fail "the Add/Remove Programs entry has no uninstaller"

# The installed game, started as the shortcut starts it, shows its window; it closes as asked.
xvfb-run -a bash -c '
  wine "C:\\Program Files\\Quandrel\\quandrel.exe" & game=$!
  wine "$0" rect || exit 1
  wine "$0" close
  wait $game' "$peek" || fail "the installed game did not show its window"

wine "$folder/Uninstall.exe" /S
wineserver -w
sleep 1  # the uninstaller finishes from a copy of itself
wineserver -w
for path in "${installed[@]}"; do [ ! -e "$path" ] || fail "left behind: $path"; done
! grep -q "^\[$uninstall_key\]" "$WINEPREFIX/system.reg" || fail "Add/Remove Programs entry left"
echo "installer and zip: OK"
