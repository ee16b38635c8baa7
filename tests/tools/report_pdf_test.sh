#!/usr/bin/env bash
# tethrix-calc --report writes the printed page: read it back as text.
set -euo pipefail
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'an=Stunt Two\r\nlt=5.25\r\n' > "$dir/plane.TQD"
"$calc" "$dir/plane.TQD" Temp=90 --report "$dir/report.pdf" > /dev/null
[ "$(pdfinfo "$dir/report.pdf" | awk '/^Pages:/ {print $2}')" = 1 ]
pdfinfo "$dir/report.pdf" | grep -q "Tethrix Print Job"
pdftotext -layout "$dir/report.pdf" "$dir/report.txt"
expect=(
  "Stunt Two" "Input Data" "Number of Lines = 2" "Line Diameter = 0.015 inch"
  "Line Length (Eye to Eye) = 58 feet" "Inboard Wing Length = 25.5 inches"
  "Handle/Leadout Length = 7 inches" "Airplane Weight = 42 ounces" "Lap Time = 5.25 seconds"
  "Wing Area = 512 sq/in" "Arm Length = 18 inches" "Handle Angle = 0 deg" "Wind Speed = 0 mph"
  "Temprature = 90 deg F" "Preasure Altitude = 100 feet" "Relative Humidity = 50 Percent"
  "Computed Data" "Leadout Position Behind CG = " "Line Tension = " "Wing Loading = 11.81 oz/sq ft."
  "Ground Speed = " "Flight Radius = 62.21 feet" "Line Projection = " "Line Weight = 1.198 ounces"
  "Line RN at WT = " "Line Drag Area = " "Density Altitude = " "Atmospheric Pressure = 29.81 in/Hg"
  "Printed " "*** Tethrix"
)
for line in "${expect[@]}"; do
  grep -qF -- "$line" "$dir/report.txt" || { echo "missing: $line"; cat "$dir/report.txt"; exit 1; }
done
grep -qF -- "Leadout Rake = " "$dir/report.txt" || { echo "missing: the rake"; exit 1; }
# In metric the report's units are metric, the data file read in imperial.
"$calc" "$dir/plane.TQD" Temp=32 --units=metric --report "$dir/metric.pdf" > /dev/null
pdftotext -layout "$dir/metric.pdf" "$dir/metric.txt"
for line in "Line Length (Eye to Eye) = 17.68 m" "Temprature = 32 °C" "Wing Area = 33.0322 dm²" \
            "Line Tension = " " N" "Atmospheric Pressure = " " hPa"; do
  grep -qF -- "$line" "$dir/metric.txt" || { echo "missing in metric: $line"; cat "$dir/metric.txt"; exit 1; }
done
# Cyrillic and Polish letters come back from the page, in a name and in a
# report in Russian; an English report keeps its English rows.
printf 'an=Зірка Łódź\r\nlt=5.25\r\n' > "$dir/star.TQD"
"$calc" "$dir/star.TQD" --lang ru --report "$dir/ru.pdf" > "$dir/ru.out"
"$calc" "$dir/star.TQD" > "$dir/en.out"
cmp -s "$dir/ru.out" "$dir/en.out" || { echo "--lang ru changed the figures"; exit 1; }
pdftotext -layout "$dir/ru.pdf" "$dir/ru.txt"
for line in "Зірка Łódź" "Входные данные" "Диаметр корд = 0.015 дюйм." "Время круга = 5.25 с" \
            "Расчётные данные" "Радиус полёта = 62.21 фут." "Напечатано" "*** Tethrix —"; do
  grep -qF -- "$line" "$dir/ru.txt" || { echo "missing in Russian: $line"; cat "$dir/ru.txt"; exit 1; }
done
! grep -q "Input Data\|Line Diameter" "$dir/ru.txt" || { echo "English left in Russian"; cat "$dir/ru.txt"; exit 1; }
"$calc" "$dir/star.TQD" --report "$dir/star.pdf" > /dev/null
pdftotext -layout "$dir/star.pdf" "$dir/star.txt"
grep -qF "Зірка Łódź" "$dir/star.txt" && grep -qF "Line Diameter = 0.015 inch" "$dir/star.txt" ||
  { echo "the name or the English rows are missing"; cat "$dir/star.txt"; exit 1; }
# With no font at all the page would be blank: it is an error, not a report.
mkdir "$dir/nofonts"
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
  "$dir/nofonts" "$dir/nofonts" > "$dir/nofonts.conf"
code=$(set +e; FONTCONFIG_FILE=$dir/nofonts.conf "$calc" --report "$dir/blank.pdf" > "$dir/out" 2> "$dir/err"; echo $?)
[ "$code" = 1 ] && [ ! -e "$dir/blank.pdf" ] && [ ! -s "$dir/out" ] || { echo "a blank page: status $code"; exit 1; }
grep -q "^tethrix-calc: Cannot write the report $dir/blank.pdf: No font is installed" "$dir/err" || { cat "$dir/err"; exit 1; }
rm -r "$dir/nofonts" "$dir/nofonts.conf"
# A report or output that cannot be written is status 1, and an existing
# report survives a full disk whole.
status() { set +e; "$@" > "$dir/out" 2> "$dir/err"; echo $?; set -e; }
cp "$dir/report.pdf" "$dir/before.pdf"
[ "$(status "$calc" --report "$dir/no/such/folder/r.pdf")" = 1 ] || { echo "unwritable PDF not reported"; exit 1; }
[ "$(status "$calc" --report /dev/full)" = 1 ] || { echo "--report /dev/full not reported"; exit 1; }
[ ! -s "$dir/out" ] || { echo "figures printed although the report failed"; exit 1; }
full=$(set +e; (ulimit -f 1; trap '' XFSZ; "$calc" lt=6 --report "$dir/report.pdf" > /dev/null 2> "$dir/err"); echo $?)
[ "$full" = 1 ] || { echo "report on a full disk: status $full"; cat "$dir/err"; exit 1; }
grep -q "^tethrix-calc: Cannot write the report $dir/report.pdf: File too large$" "$dir/err" || { cat "$dir/err"; exit 1; }
cmp -s "$dir/report.pdf" "$dir/before.pdf" || { echo "the old report was damaged"; exit 1; }
[ "$(ls -A "$dir" | grep -c '^\.')" = 0 ] || { echo "a temporary was left behind"; ls -A "$dir"; exit 1; }
for args in "" "--json" "--sweep lt=4:6:0.001"; do
  # shellcheck disable=SC2086
  code=$(set +e; "$calc" $args > /dev/full 2> "$dir/err"; echo $?)
  [ "$code" = 1 ] || { echo "output to /dev/full ($args): status $code"; exit 1; }
done
echo "report ok"
