#!/usr/bin/env bash
# tethrix-calc on the window's own hangar (--hangar without FILE): the
# database in the user's data folder, added to all or none, calculated as
# a data file; a damaged database or a full disk leaves it as it was.
set -euo pipefail
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_DATA_HOME=$dir/data XDG_CONFIG_HOME=$dir/config XDG_CONFIG_DIRS=$dir/system HOME=$dir
fail() { echo "$*"; exit 1; }
status() { set +e; "$@" > "$dir/out" 2> "$dir/err"; echo $?; set -e; }
printf 'an=Nobler\r\nnl=2\r\nll=62.000000\r\nwt=52.000000\r\nlt=5.100000\r\n' > "$dir/a.TQD"
printf 'an=Skyray\r\nwt=30\r\n' > "$dir/b.TQD"

[ "$(status "$calc" --hangar --json)" = 0 ] || fail "an empty hangar: $(cat "$dir/err")"
[ "$(cat "$dir/out")" = "[]" ] || fail "an empty hangar lists: $(cat "$dir/out")"

[ "$(status "$calc" --hangar --add "$dir/a.TQD" "$dir/missing.TQD")" = 1 ] || fail "a missing data file added"
[ -s "$dir/out" ] && fail "output on a failed --add: $(cat "$dir/out")"
[ "$("$calc" --hangar --json)" = "[]" ] || fail "a failed --add kept something"

[ "$(status "$calc" --hangar --add "$dir/a.TQD" "$dir/b.TQD")" = 0 ] || fail "--add: $(cat "$dir/err")"
db=$(find "$dir/data" -name '*.sqlite' | head -1)
[ -n "$db" ] || fail "no database under XDG_DATA_HOME: $(find "$dir")"
"$calc" --hangar > "$dir/list"
grep -q '^Nobler  ' "$dir/list" && grep -q '^Skyray  ' "$dir/list" || fail "not listed: $(cat "$dir/list")"
[ "$("$calc" --hangar --airplane Nobler --json lt=5)" = "$("$calc" "$dir/a.TQD" --json lt=5)" ] \
  || fail "the window's airplane does not calculate as its data file"
[ "$("$calc" --hangar --log Nobler)" = "No flights logged." ] || fail "a log without flights"
[ "$(status "$calc" --hangar --airplane Zap)" = 1 ] && grep -q "'Nobler', 'Skyray'" "$dir/err" \
  || fail "an unknown name: $(cat "$dir/err")"

# A full disk: the change fails with the reason, the hangar stays as it was.
printf 'an=Ringo\r\n' > "$dir/c.TQD"
set +e
(ulimit -f 1; "$calc" --hangar --add "$dir/c.TQD") > "$dir/out" 2> "$dir/err"
full=$?
set -e
[ "$full" = 1 ] || fail "a full disk: status $full: $(cat "$dir/err")"
[ -s "$dir/out" ] && fail "output on a full disk: $(cat "$dir/out")"
"$calc" --hangar > "$dir/after"
cmp -s "$dir/list" "$dir/after" || fail "a full disk changed the hangar: $(cat "$dir/after")"

# A damaged database is kept as it is: read and --add fail, nothing written.
head -c 4096 "$db" > "$dir/damaged"
printf 'not a database page %.0s' $(seq 300) >> "$dir/damaged"
cp "$dir/damaged" "$db"
rm -f "$db-wal" "$db-shm"
[ "$(status "$calc" --hangar)" = 1 ] || fail "a damaged database was read"
grep -q "^tethrix-calc: Cannot read the window's hangar\( $db\)\{0,1\}: .*$db" "$dir/err" || fail "not named: $(cat "$dir/err")"
[ "$(status "$calc" --hangar --add "$dir/c.TQD")" = 1 ] || fail "a damaged database was written"
cmp -s "$db" "$dir/damaged" || fail "a damaged database was changed"
echo "window hangar ok"
