#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j 2
# Menu entry and metadata validators, the Debian package, and a headless start from it.
bash scripts/check-package.sh build
# A short fuzzing run of the save and card file readers (clang, libFuzzer, ASan, UBSan).
bash scripts/fuzz.sh "${KORVANE_FUZZ_SECONDS:-15}"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j 2 "$@"
