#!/usr/bin/env bash
# Two builds of `korvane-tool solve --json` side by side on the same seeded positions.
#
#   bench/solve_compare.sh [--deals=N] [--core=C] OLD_TOOL NEW_TOOL
#       Times both on N deals (default 20): each deal is solved by one binary and at once by the
#       other (which goes first alternates), and the solver's own "seconds" are summed up as
#       median and worst of each, with the ratio of the medians. The answers are compared too.
#   bench/solve_compare.sh --check[=N] [--core=C] OLD_TOOL NEW_TOOL
#       Compares the answers over N deals and N positions after each of 1..9 random placements
#       (default N = 30: 300 positions): turn, margin, outcome, best moves and principal line must
#       be the same text; only "nodes" and "seconds" may differ. Exits 1 on any difference.
#
# The positions are those `solver_bench --print` draws (the hands as `solver_bench --deals`
# draws them, seed 1), from the solver_bench beside NEW_TOOL; the card file is the one beside
# NEW_TOOL (data/carddata). With --core=C every solve runs pinned to that core (taskset).
set -euo pipefail

deals=20
check=0
core=""
while [ $# -gt 2 ]; do
  case "$1" in
    --deals=*) deals=${1#--deals=} ;;
    --check) check=30 ;;
    --check=*) check=${1#--check=} ;;
    --core=*) core=${1#--core=} ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
if [ $# -ne 2 ]; then
  sed -n '2,17p' "$0" >&2
  exit 2
fi
old=$1
new=$2
bindir=$(dirname "$new")
bench="$bindir/solver_bench"
carddata="$bindir/data/carddata"
for f in "$old" "$new" "$bench" "$carddata"; do
  [ -e "$f" ] || { echo "missing: $f" >&2; exit 2; }
done
pin=()
[ -n "$core" ] && pin=(taskset -c "$core")

# The answer without the figures that may differ.
answer() { sed -E 's/, "nodes": [0-9]+, "seconds": [0-9.]+//'; }
seconds() { sed -E 's/.*"seconds": ([0-9.]+).*/\1/'; }
# Median and worst of the numbers on standard input, one a line.
summary() {
  sort -g | awk '{t[NR] = $1} END {printf "median %.3f s, worst %.3f s", t[int((NR + 1) / 2)], t[NR]}'
}

solve() {  # TOOL ARGS...
  local tool=$1
  shift
  # shellcheck disable=SC2068
  "${pin[@]}" "$tool" solve --carddata "$carddata" --json $@
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$check" -gt 0 ]; then
  "$bench" --print="$check" >"$work/positions"
  for placed in 1 2 3 4 5 6 7 8 9; do
    "$bench" --print="$check" --placed="$placed" --seed=$((100 + placed)) >>"$work/positions"
  done
  total=0
  differ=0
  while read -r position; do
    a=$(solve "$old" $position | answer)
    b=$(solve "$new" $position | answer)
    total=$((total + 1))
    if [ "$a" != "$b" ]; then
      differ=$((differ + 1))
      echo "differs: $position"
      echo "  old: $a"
      echo "  new: $b"
    fi
  done <"$work/positions"
  echo "check: $total positions, $((total - differ)) identical, $differ different"
  [ "$differ" -eq 0 ]
  exit
fi

"$bench" --print="$deals" >"$work/positions"
n=0
differ=0
while read -r position; do
  n=$((n + 1))
  if [ $((n % 2)) -eq 1 ]; then
    a=$(solve "$old" $position)
    b=$(solve "$new" $position)
  else
    b=$(solve "$new" $position)
    a=$(solve "$old" $position)
  fi
  echo "$a" | seconds >>"$work/old"
  echo "$b" | seconds >>"$work/new"
  [ "$(echo "$a" | answer)" = "$(echo "$b" | answer)" ] || differ=$((differ + 1))
  printf 'deal %d: old %s s, new %s s\n' "$n" "$(tail -1 "$work/old")" "$(tail -1 "$work/new")"
done <"$work/positions"
echo "old: $n deals, $(summary <"$work/old")"
echo "new: $n deals, $(summary <"$work/new")"
awk -v a="$(sort -g "$work/old" | awk '{t[NR]=$1} END {print t[int((NR+1)/2)]}')" \
  -v b="$(sort -g "$work/new" | awk '{t[NR]=$1} END {print t[int((NR+1)/2)]}')" \
  'BEGIN {printf "new median / old median: %.2f\n", b / a}'
echo "answers: $((n - differ)) of $n identical"
[ "$differ" -eq 0 ]
