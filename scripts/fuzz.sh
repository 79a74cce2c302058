#!/usr/bin/env bash
# Fuzzes the save reader and the card file reader for SECONDS each (default 60), with clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, in its own build dir build-fuzz.
# Exit status is non-zero when a target finds a crash, a leak or a hang.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
BUILD="${KORVANE_FUZZ_BUILD:-build-fuzz}"

CC=clang CXX=clang++ cmake -S fuzz -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD" -j 2 --target save_reader_fuzz card_file_fuzz

status=0
for target in save_reader_fuzz card_file_fuzz; do
  corpus="$BUILD/corpus/$target"
  mkdir -p "$corpus" "$BUILD/crashes"
  cp -n fuzz/seeds/"$target"/* "$corpus"/ 2>/dev/null || true
  echo "== $target: ${SECONDS_EACH}s"
  if ! "$BUILD/$target" "$corpus" -max_total_time="$SECONDS_EACH" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$BUILD/crashes/$target-" \
      >"$BUILD/$target.log" 2>&1; then
    status=1
    echo "$target FAILED; see $BUILD/$target.log and $BUILD/crashes/"
  fi
  grep -E '^(Done|stat::peak_rss_mb)|DONE|ERROR|SUMMARY' "$BUILD/$target.log" || true
done
exit $status
