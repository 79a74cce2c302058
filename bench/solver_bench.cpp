// The exact solver: positions with eight cards left, whole duels from the deal, nodes per second.
//
//   solver_bench                      the Google Benchmark cases
//   solver_bench --deals=100          solve 100 random deals; every time, then median and worst
//   solver_bench --eight-left=1000    solve 1000 random positions with eight cards left
//   ... --all-best                    with --deals or --eight-left: prove every best move and
//                                     play out the principal line too, as `solve` does
//   solver_bench --analyst=N [--follow]
//                                     the analyst on N random deals: the time from Start until
//                                     Ready and the table's memory, then each duel played out
//                                     (the enemy by its own evaluation, the player at random)
//                                     with an exact hint asked at every turn of the player; with
//                                     --follow every placement is followed and the hint asked
//                                     once the thread has worked the position out
//   solver_bench --analyst-stop=N     Start on N random deals, Stop 20 ms later: how long Stop
//   takes solver_bench --print=N [--placed=K] [--seed=S]
//                                     print N positions (K random placements after the deal,
//                                     default 0; seed default 1) as `korvane-tool solve`
//                                     arguments, one position a line: --deals=N and
//                                     --eight-left=N solve exactly those of seed 1, K = 0 and 2
//
// Deals draw both hands uniformly from the forty cards with a fixed seed; positions with eight
// left are such deals after two random placements. Times are wall-clock and the thread's own
// processor time (the two differ when other work shares the machine).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ai/ai.h"
#include "bench/bench_support.h"
#include "cast/cast.h"
#include "engine/rules.h"
#include "solver/analyst.h"
#include "solver/solver.h"

namespace {

using namespace korvane;

using bench::Cards;

int Pick(RandomSource& rng, int n) { return std::min(n - 1, static_cast<int>(rng.Next() * n)); }

// A random deal, then `placed` random placements in turn (written to `moves` when given).
DuelState RandomPosition(RandomSource& rng, int placed, std::vector<Placement>* moves = nullptr) {
  DuelState s;
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(Pick(rng, kCardKinds));
    s.EnemyHand[k] = static_cast<int16_t>(Pick(rng, kCardKinds));
  }
  ResetBoard(s);
  LoadHandSides(s, Cards());
  ComputeFields(s);
  DecideFirstTurn(s);
  for (int k = 0; k < placed; ++k) {
    const std::vector<Placement> legal = LegalPlacements(s);
    const Placement m = legal[Pick(rng, static_cast<int>(legal.size()))];
    PlayPlacement(s, m);
    if (moves) moves->push_back(m);
  }
  return s;
}

// The positions as `korvane-tool solve` takes them: the two hands, then the placements.
void Print(int count, int placed, uint64_t seed) {
  SeededRandom rng(seed);
  for (int i = 0; i < count; ++i) {
    std::vector<Placement> moves;
    const DuelState s = RandomPosition(rng, placed, &moves);
    std::string line;
    for (const auto* hand : {&s.PlayerHand, &s.EnemyHand}) {
      line += hand == &s.PlayerHand ? "--player " : " --enemy ";
      for (int k = 0; k < kHandSize; ++k) line += (k ? "," : "") + std::to_string((*hand)[k]);
    }
    for (const Placement& m : moves) line += " " + PlacementText(m);
    std::printf("%s\n", line.c_str());
  }
}

std::vector<DuelState> Positions(int count, int placed, uint64_t seed) {
  SeededRandom rng(seed);
  std::vector<DuelState> out;
  for (int i = 0; i < count; ++i) out.push_back(RandomPosition(rng, placed));
  return out;
}

SolveLimits ValueOnly() {
  SolveLimits limits;
  limits.allBest = false;
  limits.principalLine = false;
  return limits;
}

// Each iteration solves the next of a fixed set of positions.
void TimeSolves(benchmark::State& state, const std::vector<DuelState>& positions,
                const SolveLimits& limits) {
  size_t next = 0;
  uint64_t nodes = 0;
  for (auto _ : state) {
    const SolveResult r = Solve(positions[next++ % positions.size()], limits);
    nodes += r.nodes;
    benchmark::DoNotOptimize(r.margin);
  }
  state.counters["nodes/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

// Eight cards left: the value and one best move (what the hint asks for).
void BM_Solve_EightLeft(benchmark::State& state) {
  static const std::vector<DuelState> positions = Positions(32, 2, 1);
  TimeSolves(state, positions, ValueOnly());
}
BENCHMARK(BM_Solve_EightLeft)->Unit(benchmark::kMillisecond);

// Eight cards left, every best move proved and the principal line (what `solve` prints).
void BM_Solve_EightLeft_AllBest(benchmark::State& state) {
  static const std::vector<DuelState> positions = Positions(32, 2, 1);
  TimeSolves(state, positions, SolveLimits{});
}
BENCHMARK(BM_Solve_EightLeft_AllBest)->Unit(benchmark::kMillisecond);

// Six cards left, as the hint meets them in the middle of a duel.
void BM_Solve_SixLeft(benchmark::State& state) {
  static const std::vector<DuelState> positions = Positions(64, 4, 2);
  TimeSolves(state, positions, ValueOnly());
}
BENCHMARK(BM_Solve_SixLeft)->Unit(benchmark::kMillisecond);

// A whole duel from the deal, one fixed deal.
void BM_Solve_Deal(benchmark::State& state) {
  static const std::vector<DuelState> positions = Positions(1, 0, 3);
  TimeSolves(state, positions, ValueOnly());
}
BENCHMARK(BM_Solve_Deal)->Unit(benchmark::kMillisecond)->Iterations(1);

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Solves `count` positions with `placed` cards down and prints the distribution.
void Measure(int count, int placed, const char* what, const SolveLimits& limits) {
  std::vector<double> wall, cpu;
  uint64_t nodes = 0;
  SeededRandom rng(1);
  for (int i = 0; i < count; ++i) {
    const DuelState s = RandomPosition(rng, placed);
    const double cpuStart = ThreadSeconds();
    const SolveResult r = Solve(s, limits);
    cpu.push_back(ThreadSeconds() - cpuStart);
    wall.push_back(r.seconds);
    nodes += r.nodes;
    if (placed == 0) {
      std::printf("%s %d: margin %+d, %llu nodes, %.3f s wall, %.3f s cpu\n", what, i + 1, r.margin,
                  static_cast<unsigned long long>(r.nodes), wall.back(), cpu.back());
      std::fflush(stdout);
    }
  }
  double cpuTotal = 0;
  for (double t : cpu) cpuTotal += t;
  const auto summary = [&](std::vector<double> t, const char* clock) {
    std::sort(t.begin(), t.end());
    std::printf("%s, %d positions, %s: median %.3f s, 99th percentile %.3f s, worst %.3f s\n", what,
                count, clock, t[t.size() / 2], t[t.size() * 99 / 100], t.back());
  };
  summary(wall, "wall");
  summary(cpu, "cpu");
  std::printf("%s: %.1f s cpu in all, %.2f million nodes per cpu second\n", what, cpuTotal,
              static_cast<double>(nodes) / cpuTotal / 1e6);
}

// Median, 99th percentile and worst of a list of times in seconds.
void PrintTimes(std::vector<double> t, const char* what, double unit, const char* unitName) {
  if (t.empty()) return;
  std::sort(t.begin(), t.end());
  std::printf("%s, %zu: median %.3f %s, 99th percentile %.3f %s, worst %.3f %s\n", what, t.size(),
              t[t.size() / 2] * unit, unitName, t[t.size() * 99 / 100] * unit, unitName,
              t.back() * unit, unitName);
}

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point t) {
  return std::chrono::duration<double>(Clock::now() - t).count();
}

// Waits for the analyst's thread, polling.
void WaitFor(const Analyst& analyst, bool (Analyst::*done)() const, bool value) {
  while ((analyst.*done)() != value) std::this_thread::sleep_for(std::chrono::microseconds(200));
}

void MeasureAnalyst(int count, bool follow) {
  std::vector<double> ready, hints, followed;
  size_t bytes = 0;
  SeededRandom rng(1), play(2);
  AiWeights weights;
  Analyst analyst;
  for (int i = 0; i < count; ++i) {
    DuelState s = RandomPosition(rng, 0);
    SetWeightsFor(Cast(1 + i % (kPersons - 1)).name, &weights);
    const Clock::time_point start = Clock::now();
    analyst.Start(s);
    WaitFor(analyst, &Analyst::Ready, true);
    ready.push_back(Since(start));
    bytes = std::max(bytes, analyst.TableBytes());
    double slowest = 0;
    for (std::vector<Placement> moves = LegalPlacements(s); !moves.empty();
         moves = LegalPlacements(s)) {
      if (s.Turn == TurnState::Player) {
        if (follow) {
          const Clock::time_point t = Clock::now();
          WaitFor(analyst, &Analyst::Busy, false);
          followed.push_back(Since(t));
        }
        const Clock::time_point t = Clock::now();
        const std::optional<PlayerHint> h = analyst.ExactHint(s, weights);
        hints.push_back(Since(t));
        slowest = std::max(slowest, hints.back());
        if (!h || !h->exact) std::printf("deal %d: no exact hint\n", i + 1);
        PlayPlacement(s, moves[Pick(play, static_cast<int>(moves.size()))]);
      } else {
        const EnemyMove m = ChooseEnemyMove(s, weights, play);
        PlayPlacement(s, {true, m.slot, m.column, m.row});
      }
      if (follow) analyst.Follow(s);
    }
    std::printf("deal %d: ready after %.3f s, the slowest hint %.2f ms\n", i + 1, ready.back(),
                slowest * 1e3);
    std::fflush(stdout);
  }
  PrintTimes(ready, "from Start until Ready, deals", 1, "s");
  PrintTimes(hints, "exact hint after Ready, positions", 1e3, "ms");
  PrintTimes(followed, "following a placement until the hint's position is worked out", 1, "s");
  std::printf("table: %.0f MiB\n", static_cast<double>(bytes) / (1 << 20));
}

void MeasureStop(int count) {
  std::vector<double> stops;
  SeededRandom rng(1);
  Analyst analyst;
  for (int i = 0; i < count; ++i) {
    analyst.Start(RandomPosition(rng, 0));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const Clock::time_point t = Clock::now();
    analyst.Stop();
    stops.push_back(Since(t));
  }
  PrintTimes(stops, "Stop 20 ms after Start, deals", 1e3, "ms");
}

}  // namespace

int main(int argc, char** argv) {
  SolveLimits limits = ValueOnly();
  int print = 0, placed = 0;
  bool follow = false;
  uint64_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--all-best") == 0) limits = SolveLimits{};
    if (std::strcmp(argv[i], "--follow") == 0) follow = true;
    if (std::strncmp(argv[i], "--print=", 8) == 0) print = std::atoi(argv[i] + 8);
    if (std::strncmp(argv[i], "--placed=", 9) == 0) placed = std::atoi(argv[i] + 9);
    if (std::strncmp(argv[i], "--seed=", 7) == 0) seed = std::strtoull(argv[i] + 7, nullptr, 10);
  }
  if (print > 0) {
    Print(print, std::clamp(placed, 0, 2 * kHandSize), seed);
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--deals=", 8) == 0) {
      Measure(std::atoi(argv[i] + 8), 0, "deal", limits);
      return 0;
    }
    if (std::strncmp(argv[i], "--analyst-stop=", 15) == 0) {
      MeasureStop(std::atoi(argv[i] + 15));
      return 0;
    }
    if (std::strncmp(argv[i], "--analyst=", 10) == 0) {
      MeasureAnalyst(std::atoi(argv[i] + 10), follow);
      return 0;
    }
    if (std::strncmp(argv[i], "--eight-left=", 13) == 0) {
      Measure(std::atoi(argv[i] + 13), 2, "eight left", limits);
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
