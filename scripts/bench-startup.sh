#!/usr/bin/env bash
# Start-up of the window against a bare Qt program with the same widgets,
# offscreen and under Xvfb. Usage: scripts/bench-startup.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
echo "offscreen:"
QT_QPA_PLATFORM=offscreen "$build/bench/startup_bench" --benchmark_filter=Against
echo "Xvfb:"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/startup_bench" --benchmark_filter=Against
