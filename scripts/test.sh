#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the default build and once
# under AddressSanitizer and UndefinedBehaviorSanitizer. Widget tests run offscreen; end-to-end
# tests start their own Xvfb with openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
