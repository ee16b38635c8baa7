#!/usr/bin/env bash
# Checks the Debian package built in the given build folder: it unpacks, both
# programs in it start, and its desktop entry and metainfo validate.
set -euo pipefail
build=${1:-build}
deb=$(ls -t "$build"/tethrix_*.deb | head -n 1)
echo "checking $deb"
dpkg-deb --field "$deb" Package Version Maintainer Depends
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"

dpkg-deb --field "$deb" Depends | grep -q "libqt6widgets6" || { echo "Qt runtime dependency missing"; exit 1; }
"$scratch/usr/bin/tethrix-calc" | grep -q "Wing Loading = 11.81 oz/sq ft." || { echo "tethrix-calc failed"; exit 1; }
"$scratch/usr/bin/tethrix-calc" --version

# The window program, offscreen, must still be running after two seconds.
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" "$scratch/usr/bin/tethrix" --ignored-argument &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  echo "tethrix exited early"
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true

desktop-file-validate "$scratch/usr/share/applications/org.brelm.Tethrix.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.brelm.Tethrix.metainfo.xml"
test -f "$scratch/usr/share/icons/hicolor/scalable/apps/org.brelm.Tethrix.svg"
echo "package ok"
