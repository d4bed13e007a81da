#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it as a desktop expects it, starts the
# installed game under Xvfb, then builds the Debian package and checks its files, dependencies,
# lintian's verdict and its manual pages, and starts the game from its /usr/games.
#   check_package.sh BUILD_DIR E2E_TESTS
set -euo pipefail
build=$1
e2e=$2
app=org.quandrel.quandrel
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
  share/man/man6/quandrel.6.gz
  share/man/man6/quandrel-solve.6.gz
  share/doc/quandrel/changelog.gz
  share/doc/quandrel/copyright
)
for file in "${installed[@]}"; do
  [ -f "$prefix/$file" ] || fail "cmake --install did not put $file"
done
desktop-file-validate "$prefix/share/applications/$app.desktop"
validation=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml")
[ "$validation" = "✔ Validation was successful." ] || fail "appstreamcli: $validation"
for page in quandrel quandrel-solve; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $page.6: $warnings"
done
grep -qx 'Categories=Game;LogicGame;' "$prefix/share/applications/$app.desktop" ||
  fail "the desktop entry's categories"

# The installed game starts from its installed path, with its icon.
QUANDREL_GAME=$prefix/bin/quandrel "$e2e" \
  --gtest_filter='EndToEnd.StartsWithTitleFrameAndBoard:EndToEnd.ShowsTheBoardIconInItsFrame'
"$prefix/bin/quandrel-solve" --from '00000 00067 00089 00000' | grep -q 'Shortest solution: 0 drags' ||
  fail "the installed solver"

# The package.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(ls "$scratch"/package/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${installed[@]}"; do
  grep -qx "./usr/${file/#bin\//games/}" <<<"$contents" ||
    fail "the package lacks /usr/${file/#bin\//games/}"
done
tags=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$tags" ] || fail "lintian: $tags"
file "$deb" >/dev/null
dpkg-deb -x "$deb" "$scratch/root"
file "$scratch/root/usr/games/quandrel" | grep -q ", stripped" || fail "the game is not stripped"
QUANDREL_GAME=$scratch/root/usr/games/quandrel "$e2e" --gtest_filter='EndToEnd.StartsWithTitleFrameAndBoard'
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -q "\b$library\b" <<<"$depends" || fail "the package does not depend on $library"
done
[ "$(dpkg-deb -f "$deb" Package)" = quandrel ] || fail "package name"
echo "package checks passed"
