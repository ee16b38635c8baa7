#!/usr/bin/env bash
# tethrix-calc as a script runs it under a German desktop: standard output
# byte for byte the C locale's; --lang and TETHRIX_LANG change standard
# error and --help only.
set -euo pipefail
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset TETHRIX_LANG LANGUAGE LC_ALL LC_MESSAGES LC_NUMERIC
# A German locale of its own where the system has none generated.
german=de_DE.UTF-8
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$' && command -v localedef > /dev/null &&
   localedef -i de_DE -f UTF-8 "$dir/$german" > /dev/null 2>&1; then
  export LOCPATH=$dir
fi
printf 'an=Fifteen\r\nls=0.015\r\n' > "$dir/a.TQD"
printf 'an=Eighteen\r\nls=0.018\r\n' > "$dir/b.TQD"
for args in "lt=5" "--json Temp=90" "--sweep ll=50:60:2.5 --hold=speed" "--compare $dir/a.TQD $dir/b.TQD --csv"; do
  # shellcheck disable=SC2086
  LANG=C "$calc" --no-settings $args > "$dir/c.out"
  # shellcheck disable=SC2086
  LANG=$german LC_ALL=$german "$calc" --no-settings $args > "$dir/de.out"
  cmp -s "$dir/c.out" "$dir/de.out" || { echo "LANG=$german changed the output of $args"; diff "$dir/c.out" "$dir/de.out"; exit 1; }
  # shellcheck disable=SC2086
  LANG=$german "$calc" --no-settings --lang de $args > "$dir/lang.out"
  cmp -s "$dir/c.out" "$dir/lang.out" || { echo "--lang de changed the output of $args"; exit 1; }
done
# With a report drawn (Qt reads the locale then), the figures stay the same.
LANG=$german LC_ALL=$german QT_QPA_PLATFORM=offscreen "$calc" --no-settings lt=5 --report "$dir/r.pdf" > "$dir/de.out" 2> /dev/null
LANG=C "$calc" --no-settings lt=5 > "$dir/c.out"
cmp -s "$dir/c.out" "$dir/de.out" || { echo "the report changed the output"; diff "$dir/c.out" "$dir/de.out"; exit 1; }

status() { set +e; "$@" > "$dir/out" 2> "$dir/err"; echo $?; set -e; }
[ "$(status "$calc" --lang de "$dir")" = 1 ]
grep -q "^tethrix-calc: Datei kann nicht geöffnet werden: $dir: es ist ein Ordner, keine Datei$" "$dir/err" ||
  { echo "no German message"; cat "$dir/err"; exit 1; }
[ ! -s "$dir/out" ]
# The desktop's language alone changes nothing.
[ "$(LANG=$german status "$calc" "$dir")" = 1 ]
grep -q "^tethrix-calc: Cannot Open File $dir: " "$dir/err" || { echo "LANG translated"; cat "$dir/err"; exit 1; }
TETHRIX_LANG=uk "$calc" --help > "$dir/help"
grep -q "(типово 75)" "$dir/help" || { echo "TETHRIX_LANG=uk --help is not Ukrainian"; exit 1; }
[ "$(TETHRIX_LANG=uk status "$calc" --lang xx)" = 2 ]
grep -q "en, de, fr, es, it, pl, pt_BR, ru, uk" "$dir/err" || { cat "$dir/err"; exit 1; }
[ ! -s "$dir/out" ]
echo "languages ok"
