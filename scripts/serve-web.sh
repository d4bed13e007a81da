#!/usr/bin/env bash
# Installs what is missing, builds the web version and serves it on http://127.0.0.1:8000/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset web
cmake --build --preset web --target quandrel
echo "Quandrel is at http://127.0.0.1:8000/ (Ctrl+C stops the server)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build/web/site
