// The analyst: perfect play worked out once per duel, in the background, and kept.
//
//   Analyst analyst;
//   analyst.Start(deal);                     // when the hands are dealt
//   ...
//   if (auto h = analyst.ExactHint(state, weights)) use *h;   // else HintForPlayer
//   analyst.Stop();                          // the duel is over (the destructor does it too)
//
// Start solves the duel from the given position (the deal, or any later position) on one
// background thread at nice 19, the lowest priority an ordinary process may take: the window
// and the sound always go first, yet on a busy machine the thread still gets a little time,
// so it finishes and notices a stop (SCHED_IDLE would starve it there). It keeps the solver's
// table for the rest of the duel. Once Ready, every later position of the same duel is answered
// from that table: its positions were searched already, so a query usually costs a few
// thousand nodes. A position off the perfect lines (after a move that loses something) has been
// searched only as far as it took to refute that move; Follow(position) after each placement
// lets the thread work such a position out while the player thinks, so that the hint there is
// answered from the table as well.
//
// Threads: Start, Follow, Stop and the destructor belong to one thread (the owner's).
// ExactHint and Query may be called from any thread; they run on the caller's thread, one at a
// time (a mutex around the searcher), and never wait for the background solve: before Ready,
// ExactHint answers nothing and Query solves afresh. A query asked while the thread follows a
// position takes the searcher from it (the thread gives it up within 1024 nodes and takes the
// work up again after the query; what it proved so far stays in the table).
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "ai/ai.h"
#include "engine/duel_state.h"
#include "solver/hint.h"
#include "solver/solver.h"

namespace korvane {

namespace search {
class Searcher;
}

class Analyst {
 public:
  Analyst();
  ~Analyst();
  Analyst(const Analyst&) = delete;
  Analyst& operator=(const Analyst&) = delete;

  // Begins solving the duel from `position` (normally the deal) in the background; the work of
  // an earlier duel is stopped and forgotten. Throws std::invalid_argument for "Nobody's Turn"
  // with cards still in hand.
  void Start(const DuelState& position);

  // The position Start was given is solved: queries answer from the kept table from now on.
  bool Ready() const { return ready_.load(std::memory_order_acquire); }

  // The duel has reached `position`: work out every move's value there in the background (a
  // newer position replaces one not yet begun). Does nothing for another duel's position.
  void Follow(const DuelState& position);
  // The thread is still working: on the start position or on a followed one.
  bool Busy() const;

  // Stops the background solve (it polls every 1024 nodes), waits for the thread and forgets
  // the duel and its table. Does nothing when nothing was started.
  void Stop();

  // The hint HintForPlayer gives when its solver finishes (among the moves that keep the value,
  // the one the opponent's evaluation rates highest for the player; `valid == false` when it is
  // not the player's turn or nothing is left to place). nullopt when not Ready, when the
  // position is not of this duel (other hands), when Stop came first, or when the thread did
  // not give the searcher up within kHintBudget.
  std::optional<PlayerHint> ExactHint(const DuelState& position, const AiWeights& weights);

  // Solve's answer for `position` (the same margin and best moves; the principal line may be
  // another perfect one), from the kept table when Ready and the position is of this duel,
  // otherwise by a solve of its own. The limits are the caller's.
  SolveResult Query(const DuelState& position, const SolveLimits& limits = {});

  // The answer for the position Start was given: meaningful once Ready.
  const SolveResult& StartResult() const { return startResult_; }
  // The memory of the kept table (0 before Start).
  size_t TableBytes() const;

 private:
  void Run();
  bool SolveStart();
  std::optional<DuelState> NextJob();
  void FollowUp(const DuelState& position);
  bool SameDuel(const DuelState& s) const;
  // The kept searcher's answer, under the lock; nullopt when there is no ready searcher, or
  // when the searcher could not be had within `wait` (when given).
  std::optional<SolveResult> AskKept(const DuelState& position, const SolveLimits& limits,
                                     std::optional<std::chrono::milliseconds> wait);

  DuelState start_;
  SolveResult startResult_;
  std::unique_ptr<search::Searcher> searcher_;
  mutable std::mutex mutex_;  // the searcher, between Ready and Stop
  std::atomic<bool> ready_{false};
  std::atomic<bool> stop_{false};   // Stop: everything ends
  std::atomic<bool> yield_{false};  // the thread's searches give up (a query waits, or Stop)
  std::atomic<int> waiting_{0};     // queries waiting for the searcher or using it
  std::atomic<size_t> tableBytes_{0};
  SolveLimits runLimits_;        // the thread's searches: they stop at yield_
  mutable std::mutex jobMutex_;  // pending_, busy_ and the thread's waits
  std::condition_variable wake_;
  std::optional<DuelState> pending_;
  bool busy_ = false;
  std::thread thread_;
};

}  // namespace korvane
