// Field recomputation on a busy board: nine cards of both sides, ranges, splits, arcs.
#include <benchmark/benchmark.h>

#include "engine/rules.h"

namespace {

using namespace korvane;

DuelState BusyBoard() {
  DuelState s;
  ResetBoard(s);
  const char* player[5] = {"3a1s", "a2s1", "2222", "s3a0", "1b0b"};
  const char* enemy[5] = {"1a2s", "s3a0", "2s1s", "a1a1", "4000"};
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(k);
    s.EnemyHand[k] = static_cast<int16_t>(k);
    for (int i = 0; i < 4; ++i) {
      s.PlayerSides[k][i] = player[k][i];
      s.EnemySides[k][i] = enemy[k][i];
    }
  }
  const int pc[4] = {3, 2, 4, 3}, pr[4] = {4, 3, 4, 5};
  const int ec[5] = {3, 2, 4, 1, 5}, er[5] = {2, 2, 2, 3, 3};
  for (int k = 0; k < 4; ++k) {
    s.BoardCard[pc[k]][pr[k]] = static_cast<int16_t>(k + 1);
    s.PlayerPlayed[k] = true;
  }
  for (int k = 0; k < 5; ++k) {
    s.BoardCard[ec[k]][er[k]] = static_cast<int16_t>(-(k + 1));
    s.EnemyPlayed[k] = true;
  }
  return s;
}

void BM_ComputeFields(benchmark::State& state) {
  const DuelState start = BusyBoard();
  DuelState s = start;
  for (auto _ : state) {
    s.BoardCard = start.BoardCard;  // the flips of the last round undone
    ComputeFields(s);
    benchmark::DoNotOptimize(s.PlayerFieldMap);
    benchmark::DoNotOptimize(s.EnemyFieldMap);
  }
}
BENCHMARK(BM_ComputeFields);

}  // namespace

BENCHMARK_MAIN();
