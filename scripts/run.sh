#!/usr/bin/env bash
# Installs what is missing, builds Tethrix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native
cmake --build --preset native -j"$(nproc)"
if [ -x build/ui/tethrix ]; then
  exec build/ui/tethrix "$@"
else
  exec build/tools/tethrix-calc "$@"
fi
