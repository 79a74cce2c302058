#!/usr/bin/env bash
# The long soak: the duel-series monkey and the adventure wanderer side by side for MINUTES each
# (default 30), built with clang, AddressSanitizer and UndefinedBehaviorSanitizer in their own
# build dir build-soak. CTest runs a short seeded version of both with the ordinary build.
#   bash scripts/soak.sh [MINUTES] [SEED]
# Exit status is non-zero when either program finds a fault; the logs are in build-soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
MINUTES="${1:-30}"
SEED="${2:-$(date +%s)}"
BUILD="${KORVANE_SOAK_BUILD:-build-soak}"
FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKORVANE_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$BUILD" -j 2 --target soak_duel soak_adventure

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/soak/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echo "soak: $MINUTES minutes each, seed $SEED"
"$BUILD/bin/soak_duel" --seed "$SEED" --minutes "$MINUTES" >"$BUILD/soak_duel.log" 2>&1 &
duel=$!
"$BUILD/bin/soak_adventure" --seed "$SEED" --minutes "$MINUTES" >"$BUILD/soak_adventure.log" 2>&1 &
adventure=$!
status=0
wait $duel || status=1
wait $adventure || status=1
grep -hv XDG_RUNTIME_DIR "$BUILD/soak_duel.log" "$BUILD/soak_adventure.log" | tail -n 40
exit $status
