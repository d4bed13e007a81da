#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it as a desktop expects it, starts the
# installed game under Xvfb, then builds the Debian package and checks its files and
# dependencies.
#   check_package.sh BUILD_DIR E2E_TESTS
set -euo pipefail
build=$1
e2e=$2
app=org.quandrel.Quandrel
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$scratch/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=(
  bin/quandrel
  bin/quandrel-solve
  share/applications/$app.desktop
  share/icons/hicolor/scalable/apps/$app.svg
  share/metainfo/$app.metainfo.xml
)
for file in "${installed[@]}"; do
  [ -f "$prefix/$file" ] || fail "cmake --install did not put $file"
done
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"
grep -qx 'Categories=Game;LogicGame;' "$prefix/share/applications/$app.desktop" ||
  fail "the desktop entry's categories"

# The installed game starts from its installed path, with its icon.
QUANDREL_GAME=$prefix/bin/quandrel "$e2e" \
  --gtest_filter='EndToEnd.StartsWithTitleFrameAndBoard:EndToEnd.ShowsTheBoardIconInItsFrame'
"$prefix/bin/quandrel-solve" --from '00000 00067 00089 00000' | grep -q 'Shortest solution: 0 steps' ||
  fail "the installed solver"

# The package.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(ls "$scratch"/package/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${installed[@]}"; do
  grep -qx "./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  grep -q "\b$library\b" <<<"$depends" || fail "the package does not depend on $library"
done
[ "$(dpkg-deb -f "$deb" Package)" = quandrel ] || fail "package name"
echo "package checks passed"
