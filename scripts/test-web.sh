#!/usr/bin/env bash
# Builds the web page in build-web/ and tests it. Needs the native build in
# build/ (tethrix-calc is the reference the page's figures are held to).
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs  # emscripten's own modules, whichever Node runs it
jobs=$(nproc)

cmake --preset web > /dev/null
cmake --build --preset web -j"$jobs"

# Every outcome of the seeded random cases, the summed ones and the edge
# cases, against the native engine's reference: both builds compute with the
# same arithmetic (engine/numbers/), so every one must be identical.
node build-web/web/engine_identity.js > build-web/identity.txt
grep -v '^#' tests/engine/data/reference-outcomes.txt > build-web/identity-reference.txt
awk 'NR==FNR { want[FNR] = $0; next }
     /^(sum|edges) / { if ($0 != want[FNR]) { print "web identity: the " $1 " line differs"; bad = 1 } next }
     { listed++; if ($0 != want[FNR]) differ++ }
     END { printf "web identity: %d of %d random cases differ from the native outcome\n", differ, listed
           exit (bad || differ || listed != 10000 || FNR != 10002) }' \
  build-web/identity-reference.txt build-web/identity.txt

(cd web/tests && npm ci --no-audit --no-fund --loglevel=error)
# The page's scripts against their JSDoc types and types/page.d.ts, which
# derive what the page reads of each C function's answer from its layout.
(cd web/tests && node_modules/.bin/tsc -p ../tsconfig.json)
echo "web types: tsc --checkJs finds nothing"

# Every answer of the C functions against its layout (the modules under
# Node), then the page in a real browser.
(cd web/tests && TETHRIX_SITE=../../build-web/site TETHRIX_CALC=../../build/tools/tethrix-calc \
  TETHRIX_SCREENSHOTS=../../build-web/screenshots TETHRIX_WINDOW_ODD_TEXTS=../../build/odd-texts-window.json \
  node --test replies.test.mjs page.test.mjs robustness.test.mjs hangar.test.mjs laptimer.test.mjs language.test.mjs)
