#!/usr/bin/env bash
# Remakes the shipped puzzle set assets/puzzles/puzzles.jsonl from seeded self-play, then proves
# it. The same build and seed give the same file. Usage: scripts/make_puzzles.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
TOOL="$BUILD/bin/korvane-tool"
OUT=assets/puzzles/puzzles.jsonl
nice "$TOOL" puzzles generate --seed 20261209 --count 320 --min-left 2 --max-left 9 > "$OUT.new"
"$TOOL" puzzles check "$OUT.new" | tail -n 1
mv "$OUT.new" "$OUT"
