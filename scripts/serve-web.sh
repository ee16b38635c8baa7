#!/usr/bin/env bash
# Builds the web page and serves it on http://127.0.0.1:8000/ (PORT to change).
# The folder build-web/site is the whole page: copy it to any static host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-web -j"$(nproc)" --target tethrix_web
echo "Tethrix on http://127.0.0.1:${PORT:-8000}/"
exec python3 -m http.server "${PORT:-8000}" --bind 127.0.0.1 --directory build-web/site
