#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, for every platform: the Windows build
# (cross-built with MinGW-w64; its core tests, installer and zip under Wine), the web build (the
# core tests as WebAssembly under Node, the page in headless Chromium), then the default Linux
# build (its end-to-end tests on the Linux program and on the Windows one under Wine, and Orca
# on the Linux program and on the page in Chromium), and the AddressSanitizer +
# UndefinedBehaviorSanitizer build. Widget tests run offscreen; end-to-end
# tests start their own Xvfb with a window manager. Every C++ file must be as clang-format writes
# it, and every preset builds with warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
npm ci --prefix tests/web --no-audit --no-fund
for preset in windows web default asan; do
  echo "== $preset build"
  if [ "$preset" = default ]; then
    cmake --preset default -DQUANDREL_WINDOWS_BUILD="$PWD/build/windows" \
      -DQUANDREL_WEB_BUILD="$PWD/build/web"
  else
    cmake --preset "$preset"
  fi
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
