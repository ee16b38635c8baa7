#!/usr/bin/env bash
# Installs what is missing, builds Tethrix and runs every test: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

# New and changed C++ lines follow .clang-format.
bash scripts/check-format.sh

# The builds are CMakePresets.json's: native (build/), sanitize, fuzz and web.
cmake --preset native
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

# The Debian package: built, unpacked, started and validated.
(cd build && cpack > /dev/null)
bash tests/package/check-package.sh build

cmake --preset sanitize
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

# A short bounded fuzzing run of the data-file reader, the number parser,
# tethrix-calc's command line, the stored settings and the hangar file
# (libFuzzer with ASan and UBSan); a crash, a sanitizer report or undefined
# behaviour fails.
cmake --preset fuzz
cmake --build --preset fuzz -j"$jobs"
fuzz() {  # target seconds [flags]
  local target=$1 seconds=$2
  local corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp fuzz/seeds/$target/* "$corpus"/
  build-fuzz/fuzz/$target -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix=build-fuzz/ \
    "${@:3}" "$corpus" 2>&1 | tail -n 1
}
for target in DataFileFuzz ParseNumberFuzz CalcCliFuzz; do
  fuzz $target 20
done
fuzz HangarFileFuzz 10
# Qt keeps the settings files it parsed for the next reader, so nearly every
# input ends with more allocated than freed, and a leak check after each one
# (stopping the process and scanning its heap) would take most of the time.
# Leaks are still looked for once, when the run ends.
fuzz SettingsFuzz 20 -detect_leaks=0
# Large files: a reader that is not linear in the size of its input times out.
mkdir -p build-fuzz/corpus/DataFileLarge
head -c 1048000 /dev/zero | tr '\0' '\n' > build-fuzz/corpus/DataFileLarge/blank-lines
cp fuzz/seeds/DataFileFuzz/* build-fuzz/corpus/DataFileLarge/
build-fuzz/fuzz/DataFileFuzz -max_len=1048576 -timeout=5 -max_total_time=20 -print_final_stats=0 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus/DataFileLarge 2>&1 | tail -n 1
echo "fuzzing: no crash"

# The web page: the engine and the session in WebAssembly (emscripten), the
# engine's identity with the native reference under Node, and the page in
# Debian's Chromium driven by playwright-core against tethrix-calc.
bash scripts/test-web.sh
