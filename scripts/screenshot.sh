#!/usr/bin/env bash
# Takes screenshots of the program under Xvfb for the README:
#   docs/main-window.png   the main window after start-up
# Usage: scripts/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
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
