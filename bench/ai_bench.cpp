// The opponent's move choice in its worst case and mid-game, and whole self-play duels.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "ai/ai.h"
#include "ai/selfplay.h"
#include "bench/bench_support.h"
#include "engine/rules.h"

namespace {

using namespace korvane;

using bench::Cards;

DuelState Start(std::array<int16_t, kHandSize> player, std::array<int16_t, kHandSize> enemy) {
  DuelState s;
  s.PlayerHand = player;
  s.EnemyHand = enemy;
  ResetBoard(s);
  LoadHandSides(s, Cards());
  ComputeFields(s);
  return s;
}

// Times one opponent's move choice on one board.
void TimeMoveChoice(benchmark::State& state, const DuelState& s, std::string_view opponent) {
  AiWeights w;
  SetWeightsFor(opponent, &w);
  SeededRandom rng(1);
  for (auto _ : state) benchmark::DoNotOptimize(ChooseEnemyMove(s, w, rng));
}

// Worst case: empty board, five enemy cards and five player cards in hand: 65 candidates.
void BM_ChooseEnemyMove_WorstCase(benchmark::State& state) {
  TimeMoveChoice(state, Start({29, 31, 32, 33, 34}, {35, 38, 30, 26, 23}), "速水 結");
}
BENCHMARK(BM_ChooseEnemyMove_WorstCase)->Unit(benchmark::kMicrosecond);

// Mid-game: three cards of each side placed.
void BM_ChooseEnemyMove_MidGame(benchmark::State& state) {
  DuelState s = Start({29, 31, 32, 33, 34}, {35, 38, 30, 26, 23});
  const int moves[6][4] = {{0, 0, 3, 4}, {1, 0, 3, 2}, {0, 1, 2, 4},
                           {1, 1, 4, 2}, {0, 2, 1, 3}, {1, 2, 5, 3}};
  for (const auto& m : moves) {
    s.SelectedSlot = static_cast<int16_t>(m[1]);
    if (m[0] == 0) {
      PlacePlayerCard(s, m[2], m[3]);
    } else {
      PlaceEnemyCard(s, m[2], m[3]);
    }
    ComputeFields(s);
  }
  TimeMoveChoice(state, s, "高峰 武");
}
BENCHMARK(BM_ChooseEnemyMove_MidGame)->Unit(benchmark::kMicrosecond);

// One whole duel against a random player and against a second evaluator.
void BM_SelfPlayDuel_Random(benchmark::State& state) {
  SeededRandom rng(1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlaySelfPlayDuel(Cards(), {"速水 結", true}, {"", false}, rng));
  }
}
BENCHMARK(BM_SelfPlayDuel_Random)->Unit(benchmark::kMicrosecond);

void BM_SelfPlayDuel_TwoEvaluators(benchmark::State& state) {
  SeededRandom rng(1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlaySelfPlayDuel(Cards(), {"高峰 武", true}, {"速水 結", true}, rng));
  }
}
BENCHMARK(BM_SelfPlayDuel_TwoEvaluators)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // The fixed self-play signature: a change that alters it must say why.
  const SelfPlayTally t = RunSelfPlay(Cards(), {"速水 結", true}, {"", false}, 1000, 1);
  std::printf("selfplay signature (速水 結 vs random, 1000 duels, seed 1): %llu\n",
              static_cast<unsigned long long>(t.signature));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
