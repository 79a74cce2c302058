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
  yield_.store(false);
  runLimits_ = SolveLimits{};
  runLimits_.stop = &yield_;
  {
    const std::lock_guard<std::mutex> lock(jobMutex_);
    busy_ = true;
  }
  thread_ = std::thread([this] { Run(); });
}

void Analyst::Run() {
  LowerThisThread();
  bool solved = false;
  try {
    solved = SolveStart();
  } catch (const std::exception&) {
    // No memory for the table: the analyst stays unready and the game asks HintForPlayer.
  }
  {
    const std::lock_guard<std::mutex> lock(jobMutex_);
    busy_ = false;
    if (!solved) pending_.reset();  // nothing to follow without the start's table
  }
  if (!solved) return;
  while (std::optional<DuelState> job = NextJob()) FollowUp(*job);
}

bool Analyst::SolveStart() {
  const Clock::time_point start = Clock::now();
  const std::lock_guard<std::mutex> lock(mutex_);
  const search::Position p = search::Prepare(start_);
  if (auto answer = search::WithoutSearch(p, runLimits_, start)) {
    startResult_ = *answer;
  } else {
    searcher_ = std::make_unique<search::Searcher>(p.state, p.left, runLimits_);
    tableBytes_.store(searcher_->TableBytes());
    startResult_ = search::SolveOn(*searcher_, p, runLimits_, start);
  }
  if (startResult_.finished) ready_.store(true, std::memory_order_release);
  return startResult_.finished;
}

std::optional<DuelState> Analyst::NextJob() {
  std::unique_lock<std::mutex> lock(jobMutex_);
  wake_.wait(lock, [this] { return stop_.load() || pending_.has_value(); });
  if (stop_.load()) return std::nullopt;
  std::optional<DuelState> job = std::move(pending_);
  pending_.reset();
  busy_ = true;
  return job;
}

// Every move's value at `position`, into the table. A query that wants the searcher makes the
// search give up; the work is taken up again once no query waits, unless a newer position came.
void Analyst::FollowUp(const DuelState& position) {
  const search::Position p = search::Prepare(position);
  SolveLimits limits = runLimits_;
  limits.principalLine = false;
  while (!stop_.load()) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      yield_.store(false);
      if (waiting_.load() == 0 && searcher_) {
        searcher_->SetLimits(limits);
        const SolveResult r = search::SolveOn(*searcher_, p, limits, Clock::now());
        searcher_->SetLimits(runLimits_);
        if (r.finished) break;
      }
    }
    std::unique_lock<std::mutex> lock(jobMutex_);
    wake_.wait(lock, [this] { return stop_.load() || waiting_.load() == 0 || pending_; });
    if (pending_) break;
  }
  const std::lock_guard<std::mutex> lock(jobMutex_);
  busy_ = false;
}

void Analyst::Follow(const DuelState& position) {
  if (!SameDuel(position) || (!Ready() && !Busy())) return;
  DuelState s = position;
  ComputeFields(s);
  int left = 0;
  for (int slot = 0; slot < kHandSize; ++slot) left += !s.PlayerPlayed[slot] + !s.EnemyPlayed[slot];
  if (left == 0 || s.Turn == TurnState::Nobody) return;
  {
    const std::lock_guard<std::mutex> lock(jobMutex_);
    pending_ = s;
  }
  wake_.notify_all();
}

bool Analyst::Busy() const {
  const std::lock_guard<std::mutex> lock(jobMutex_);
  return busy_ || pending_.has_value();
}

void Analyst::Stop() {
  {
    const std::lock_guard<std::mutex> lock(jobMutex_);
    stop_.store(true);
    yield_.store(true);
    pending_.reset();
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
  const std::lock_guard<std::mutex> lock(mutex_);  // a query still running ends first
  ready_.store(false);
  searcher_.reset();
  tableBytes_.store(0);
}

size_t Analyst::TableBytes() const { return Ready() ? tableBytes_.load() : 0; }

bool Analyst::SameDuel(const DuelState& s) const {
  return s.PlayerSides == start_.PlayerSides && s.EnemySides == start_.EnemySides;
}

std::optional<SolveResult> Analyst::AskKept(const DuelState& position, const SolveLimits& limits,
                                            std::optional<std::chrono::milliseconds> wait) {
  if (!Ready()) return std::nullopt;
  const Clock::time_point start = Clock::now();
  // The thread gives the searcher up for as long as a query waits for it.
  waiting_.fetch_add(1);
  yield_.store(true);
  std::optional<SolveResult> result;
  {
    std::unique_lock<std::mutex> lock(mutex_, std::defer_lock);
    if (wait) {
      // Asked again and again rather than a timed lock: the thread gives the searcher up
      // within 1024 nodes once it runs.
      const Clock::time_point until = Clock::now() + *wait;
      while (!lock.try_lock() && Clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    } else {
      lock.lock();
    }
    if (lock.owns_lock() && Ready() && searcher_ && SameDuel(position)) {
      const search::Position p = search::Prepare(position);
      result = search::WithoutSearch(p, limits, start);
      if (!result) {
        searcher_->SetLimits(limits);
        result = search::SolveOn(*searcher_, p, limits, start);
        searcher_->SetLimits(runLimits_);  // the caller's limits are gone once it returns
      }
    }
  }
  waiting_.fetch_sub(1);
  { const std::lock_guard<std::mutex> lock(jobMutex_); }  // the thread is waiting or will see it
  wake_.notify_all();
  return result;
}

std::optional<PlayerHint> Analyst::ExactHint(const DuelState& position, const AiWeights& weights) {
  if (!Ready()) return std::nullopt;
  DuelState s = position;
  ComputeFields(s);
  HintCandidates candidates = HintCandidatesFor(s, weights);
  if (!candidates.fallback.valid) return candidates.fallback;
  SolveLimits limits;
  limits.stop = &stop_;
  limits.allBest = false;
  limits.principalLine = false;
  limits.preferred = std::move(candidates.preferred);
  // A thread scheduled rarely on a busy machine may be slow to give the searcher up: the hint
  // waits no longer than the plain hint's solver would take.
  const std::optional<SolveResult> solved = AskKept(s, limits, kHintBudget);
  if (!solved || !solved->finished || solved->best.empty()) return std::nullopt;
  return ExactHintOf(candidates.fallback, *solved);
}

SolveResult Analyst::Query(const DuelState& position, const SolveLimits& limits) {
  if (std::optional<SolveResult> kept = AskKept(position, limits, std::nullopt)) return *kept;
  return Solve(position, limits);
}

}  // namespace korvane
