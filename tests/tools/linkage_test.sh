#!/usr/bin/env bash
# What the programs load before main: the window links neither Qt Charts nor
# OpenGL nor PrintSupport (they come with the modules on first use),
# tethrix-calc links no Qt library at all, and no build-tree binary carries
# an empty RUNPATH entry (the loader would search the current folder).
# At run time, tethrix-calc loads no Qt for a calculation or a hangar file,
# and Qt SQL (through the hangar module) for the window's hangar.
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
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config XDG_CONFIG_DIRS=$dir/system HOME=$dir
printf 'an=Linked\r\nwt=44\r\n' > "$dir/a.TQD"
"$calc" --hangar "$dir/hangar.json" --add "$dir/a.TQD" > /dev/null
qt() { LD_DEBUG=files "$calc" "$@" 2>&1 >/dev/null | grep -o 'file=libQt6[A-Za-z]*' | sort -u || true; }
for command in "" "--hangar $dir/hangar.json" "--hangar $dir/hangar.json --airplane Linked --json" \
               "--hangar $dir/hangar.json --log Linked --csv"; do
  # shellcheck disable=SC2086
  loaded=$(qt $command)
  [ -z "$loaded" ] || { echo "tethrix-calc $command loaded Qt: $loaded"; exit 1; }
done
qt --hangar | grep -qx 'file=libQt6Sql' || { echo "the window's hangar did not load Qt SQL: $(qt --hangar)"; exit 1; }
for binary in "$@"; do
  runpath=$(readelf -d "$binary" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
  [ -z "$runpath" ] && continue
  IFS=: read -r -a entries <<< "$runpath:"
  for entry in "${entries[@]}"; do
    [ -n "$entry" ] || { echo "$binary: empty RUNPATH entry in '$runpath'"; exit 1; }
  done
done
echo "linkage ok"
