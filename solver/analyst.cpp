#include "solver/analyst.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

#include "engine/rules.h"
#include "solver/search.h"

namespace korvane {
namespace {

using Clock = std::chrono::steady_clock;

// The background thread yields to everything else of the game. Nice 19 is the lowest priority
// an ordinary process may take; on Linux it applies to the calling thread alone.
void LowerThisThread() { setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19); }

}  // namespace

Analyst::Analyst() = default;

Analyst::~Analyst() { Stop(); }

void Analyst::Start(const DuelState& position) {
  Stop();
  const search::Position p = search::Prepare(position);  // throws before anything starts
  {
    const std::lock_guard<std::mutex> lock(mutex_);  // a query on another thread reads it
    start_ = p.state;
  }
  startResult_ = SolveResult{};
  stop_.store(false);
  runLimits_ = SolveLimits{};
  runLimits_.stop = &stop_;
  thread_ = std::thread([this] { Run(); });
}

void Analyst::Run() {
  LowerThisThread();
  const Clock::time_point start = Clock::now();
  try {
    const search::Position p = search::Prepare(start_);
    if (auto answer = search::WithoutSearch(p, runLimits_, start)) {
      startResult_ = *answer;
    } else {
      searcher_ = std::make_unique<search::Searcher>(p.state, p.left, runLimits_);
      startResult_ = search::SolveOn(*searcher_, p, runLimits_, start);
    }
  } catch (const std::exception&) {
    return;  // no memory for the table: the analyst stays unready and the game asks HintForPlayer
  }
  if (startResult_.finished) ready_.store(true, std::memory_order_release);
}

void Analyst::Stop() {
  stop_.store(true);
  if (thread_.joinable()) thread_.join();
  const std::lock_guard<std::mutex> lock(mutex_);  // a query still running ends first
  ready_.store(false);
  searcher_.reset();
}

size_t Analyst::TableBytes() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return Ready() && searcher_ ? searcher_->TableBytes() : 0;
}

bool Analyst::SameDuel(const DuelState& s) const {
  return s.PlayerSides == start_.PlayerSides && s.EnemySides == start_.EnemySides;
}

std::optional<SolveResult> Analyst::AskKept(const DuelState& position, const SolveLimits& limits) {
  const Clock::time_point start = Clock::now();
  const std::lock_guard<std::mutex> lock(mutex_);
  if (!Ready() || !SameDuel(position)) return std::nullopt;
  const search::Position p = search::Prepare(position);
  if (auto answer = search::WithoutSearch(p, limits, start)) return answer;
  if (!searcher_) return std::nullopt;
  searcher_->SetLimits(limits);
  const SolveResult result = search::SolveOn(*searcher_, p, limits, start);
  searcher_->SetLimits(runLimits_);  // the caller's limits are gone once it returns
  return result;
}

std::optional<PlayerHint> Analyst::ExactHint(const DuelState& position, const AiWeights& weights) {
  if (!Ready()) return std::nullopt;
  DuelState s = position;
  ComputeFields(s);
  s.FlipTime = ClockMap{};
  HintCandidates candidates = HintCandidatesFor(s, weights);
  if (!candidates.fallback.valid) return candidates.fallback;
  SolveLimits limits;
  limits.stop = &stop_;
  limits.allBest = false;
  limits.principalLine = false;
  limits.preferred = std::move(candidates.preferred);
  const std::optional<SolveResult> solved = AskKept(s, limits);
  if (!solved || !solved->finished || solved->best.empty()) return std::nullopt;
  return ExactHintOf(candidates.fallback, *solved);
}

SolveResult Analyst::Query(const DuelState& position, const SolveLimits& limits) {
  if (std::optional<SolveResult> kept = AskKept(position, limits)) return *kept;
  return Solve(position, limits);
}

}  // namespace korvane
