#!/usr/bin/env bash
# What the programs load before main: the window links neither Qt Charts nor
# OpenGL nor PrintSupport (they come with the modules on first use),
# tethrix-calc links no Qt library at all, and no build-tree binary carries
# an empty RUNPATH entry (the loader would search the current folder).
# Usage: linkage_test.sh WINDOW CALC [OTHER_BINARY ...]
set -euo pipefail
window=$1
calc=$2
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
if needed "$window" | grep -E "libQt6(Charts|OpenGL|PrintSupport)"; then
  echo "the window links what only its modules need"
  exit 1
fi
if needed "$calc" | grep -E "Qt"; then
  echo "tethrix-calc links Qt"
  exit 1
fi
for binary in "$@"; do
  runpath=$(readelf -d "$binary" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
  [ -z "$runpath" ] && continue
  IFS=: read -r -a entries <<< "$runpath:"
  for entry in "${entries[@]}"; do
    [ -n "$entry" ] || { echo "$binary: empty RUNPATH entry in '$runpath'"; exit 1; }
  done
done
echo "linkage ok"
