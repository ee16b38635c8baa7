#!/usr/bin/env bash
# Takes screenshots of the program under Xvfb for the README:
#   docs/main-window.png   the main window after start-up
#   docs/trim-charts.png   the trim charts window (Advanced > Trim Charts...)
# Usage: scripts/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v xdotool > /dev/null || apt-get install -y -qq xdotool x11-utils imagemagick
display=:97
config=$(mktemp -d)   # a first run: no stored settings
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$config"' EXIT

Xvfb $display -screen 0 1024x768x24 -nolisten tcp &
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb

shot() {  # output file: the screen cropped to what the program shows
  sleep 3
  import -window root "$1.full.png"
  convert "$1.full.png" -trim +repage "$1"
  rm -f "$1.full.png"
}

"$build/ui/tethrix" &
shot docs/main-window.png
echo "wrote docs/main-window.png"

# Open the charts from the menu as a flier would, then close the main window
# so that only the chart window is left on the screen.
main=$(xdotool search --name '^Tethrix$' | head -n 1)
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key --window "$main" alt+a
sleep 0.5
xdotool key t
sleep 2
xdotool windowmove "$(xdotool search --name '^Trim Charts$' | head -n 1)" 0 0
xdotool windowunmap "$main"
shot docs/trim-charts.png
echo "wrote docs/trim-charts.png"
