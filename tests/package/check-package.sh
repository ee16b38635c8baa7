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
dpkg-deb --field "$deb" Depends | grep -q "libqt6sql6-sqlite" || { echo "Qt's SQLite driver missing from Depends"; exit 1; }
for font in fonts-liberation fonts-dejavu-core; do
  dpkg-deb --field "$deb" Depends | grep -q "$font" || { echo "the report's font $font missing from Depends"; exit 1; }
done
test -n "$(find "$scratch/usr" -name libtethrix_hangar.so)" || { echo "the hangar module is not shipped"; exit 1; }
"$scratch/usr/bin/tethrix-calc" | grep -q "Wing Loading = 11.81 oz/sq ft." || { echo "tethrix-calc failed"; exit 1; }
"$scratch/usr/bin/tethrix-calc" --version

# The window's hangar through the installed module and Qt's SQLite driver:
# reading an empty one creates nothing, the first airplane kept creates it.
hangar() { XDG_DATA_HOME="$scratch/data" "$scratch/usr/bin/tethrix-calc" --hangar "$@"; }
hangar > /dev/null || { echo "tethrix-calc cannot read the window's hangar"; exit 1; }
test ! -e "$scratch/data" || { echo "reading the window's hangar created files"; exit 1; }
printf 'an=Packaged\nnl=2\nls=0.015\nll=58\nwl=25.5\nhl=7\nwt=42\nlt=4.9\nwa=512\n' > "$scratch/Packaged.TQD"
hangar --add "$scratch/Packaged.TQD" > /dev/null && hangar | grep -q "^Packaged " &&
  test -f "$scratch/data/Brelm/Tethrix/hangar.sqlite" || { echo "the window's hangar does not keep an airplane"; exit 1; }

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

# Nor from a build tree beside them: with the settings module gone, a
# CMakeCache.txt touched beside the programs and a library planted in that
# tree's module folder, reading the stored settings (an organization-wide
# file beside the user's, which only the settings module reads) names the
# missing module and never runs the planted one; nor one beside the program.
rm "$(find "$scratch/usr" -name libtethrix_settings.so)"
touch "$scratch/usr/CMakeCache.txt"
mkdir -p "$scratch/usr/modules" "$scratch/config/Brelm"
printf '#include <unistd.h>\n__attribute__((constructor)) static void planted(void) { write(2, "planted\\n", 8); }\n' \
  > "$scratch/planted.c"
cc -shared -fPIC -o "$scratch/usr/modules/libtethrix_settings.so" "$scratch/planted.c"
printf '[General]\nTemp=80\n' > "$scratch/config/Brelm/Tethrix.conf"
printf '[General]\nTemp=80\n' > "$scratch/config/Brelm.conf"
read_settings_beside() {  # the folder a library is planted in
  XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/none" "$scratch/usr/bin/tethrix-calc" \
    > /dev/null 2> "$scratch/err"
  if grep -q "^planted$" "$scratch/err"; then
    echo "tethrix-calc ran the library planted in $1"
    exit 1
  fi
  grep -q "libtethrix_settings.so is missing" "$scratch/err" || { cat "$scratch/err"; echo "the missing settings module is not named"; exit 1; }
}
read_settings_beside usr/modules
cp "$scratch/usr/modules/libtethrix_settings.so" "$scratch/usr/bin/"
read_settings_beside usr/bin

desktop-file-validate "$scratch/usr/share/applications/org.brelm.Tethrix.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.brelm.Tethrix.metainfo.xml"
test -f "$scratch/usr/share/icons/hicolor/scalable/apps/org.brelm.Tethrix.svg"
echo "package ok"
