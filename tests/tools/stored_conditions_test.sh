#!/usr/bin/env bash
# tethrix-calc flies in the window's stored conditions: keys override them,
# --no-settings ignores them, a bad one is a warning, the file is never
# written, and a plain file is read without loading Qt.
set -euo pipefail
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir XDG_CONFIG_DIRS=$dir/system
mkdir -p "$dir/Brelm"
conf=$dir/Brelm/Tethrix.conf
fail() { echo "$*"; exit 1; }
json() { "$calc" --json "$@" 2> "$dir/err"; }
field() { sed -n "s/.*\"$1\": \([^,}]*\).*/\1/p"; }

[ "$(json | field Temp)" = 75 ] || fail "no settings: not the defaults"
printf '[General]\nArmLngth=20\nHndlAngl=0\nWndSpeed=5\nTemp=90\nAltitude=1.2E4\nHumidity=80\n' > "$conf"
cp "$conf" "$dir/before"
out=$(json)
[ "$(field Temp <<< "$out")" = 90 ] && [ "$(field Altitude <<< "$out")" = 12000 ] || fail "stored conditions not used: $out"
grep -qx "tethrix-calc: stored flying conditions: Arm Length 20 inches, Wind Speed 5 mi/ph, Temprature 90 deg. F, Preasure Altitude 1.2E4 feet, Relative Humidity 80 percent (--no-settings uses the built-in ones)" "$dir/err" \
  || fail "the stored conditions not named: $(cat "$dir/err")"
"$calc" --no-settings 2> "$dir/err" > /dev/null
[ ! -s "$dir/err" ] || fail "--no-settings named conditions: $(cat "$dir/err")"
[ "$(json Temp=60 | field Temp)" = 60 ] || fail "a key does not override"
[ "$(json --no-settings | field Temp)" = 75 ] || fail "--no-settings uses the stored conditions"
[ "$("$calc" | grep Density)" != "$("$calc" --no-settings | grep Density)" ] || fail "the figures ignore the conditions"
loads() { LD_DEBUG=files "$calc" 2>&1 >/dev/null | grep -c "libQt6Core" || true; }
[ "$(loads)" = 0 ] || fail "a plain settings file loaded Qt"

printf '[General]\nTemp="88,5"\nHumidity=wet\n' > "$conf"
out=$(json)
[ "$(field Temp <<< "$out")" = 88.5 ] || fail "a quoted value not read as QSettings reads it: $out"
grep -q "^tethrix-calc: warning: 'wet' is not a valid floating point value for 'Humidity': the default 50 is used$" "$dir/err" \
  || fail "no warning for a bad value: $(cat "$dir/err")"
[ "$(loads)" != 0 ] || fail "QSettings did not read the quoted value"

printf '[General]\nArmLngth=20\nHndlAngl=0\nWndSpeed=5\nTemp=90\nAltitude=1.2E4\nHumidity=80\n' > "$conf"
"$calc" --sweep lt=4:5:1 > /dev/null
"$calc" --report "$dir/r.pdf" > /dev/null 2>&1 || true
cmp -s "$conf" "$dir/before" || fail "tethrix-calc changed the settings file"
[ "$(ls -A "$dir/Brelm")" = Tethrix.conf ] || fail "tethrix-calc wrote beside the settings file"
echo "stored conditions ok"
