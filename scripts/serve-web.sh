#!/usr/bin/env bash
# Builds the web page and serves it on http://127.0.0.1:8000/ (PORT to change).
# The folder build-web/site is the whole page: copy it to any static host.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export NODE_PATH=/usr/share/nodejs
cmake --preset web > /dev/null
# web_site is the page: the two modules, the page's files and the build's
# name stamped into them, gathered in build-web/site.
cmake --build --preset web -j"$(nproc)" --target web_site
echo "Tethrix on http://127.0.0.1:${PORT:-8000}/"
exec python3 -m http.server "${PORT:-8000}" --bind 127.0.0.1 --directory build-web/site
