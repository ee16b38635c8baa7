#!/usr/bin/env bash
# Draws the page's start with nothing stored into web/start.html, which the
# build puts into index.html: a first visit shows the figures before the
# calculator has loaded; and each other language's start into web/starts/
# (its first visit shows it). Run it after changing what the page shows at
# its start; the page tests fail while these are not the page's own.
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs
cmake --preset web > /dev/null
cmake --build --preset web -j"$(nproc)" --target web_site
(cd web/tests && npm ci --no-audit --no-fund --loglevel=error && TETHRIX_SITE=../../build-web/site node prerender.mjs ../start.html ../starts)
cmake --build --preset web -j"$(nproc)" --target web_site
