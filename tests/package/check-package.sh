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

# Installed programs look for their modules only beside themselves: no
# installed file names the build folder, and a missing module is named.
built=$(cd "$build" && pwd)
if grep -rl --binary-files=text -F "$built" "$scratch/usr"; then
  echo "an installed file names the build folder $built"
  exit 1
fi
rm "$(find "$scratch/usr" -name libtethrix_report.so)"
if "$scratch/usr/bin/tethrix-calc" --no-settings --report "$scratch/r.pdf" 2> "$scratch/err"; then
  echo "tethrix-calc printed without its report module"
  exit 1
fi
grep -q "libtethrix_report.so is missing" "$scratch/err" || { cat "$scratch/err"; echo "the missing module is not named"; exit 1; }

desktop-file-validate "$scratch/usr/share/applications/org.brelm.Tethrix.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.brelm.Tethrix.metainfo.xml"
test -f "$scratch/usr/share/icons/hicolor/scalable/apps/org.brelm.Tethrix.svg"
echo "package ok"
