// HintWorker: works out the player's move hint on a thread of its own, so the window never waits
// for the solver. One request at a time; a newer request or Cancel drops the one before it: its
// solve is told to stop, and its result, when it comes anyway, is thrown away.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

#include "ai/ai.h"
#include "engine/duel_state.h"
#include "solver/analyst.h"
#include "solver/hint.h"

namespace korvane {

class HintWorker : public QObject {
 public:
  using Done = std::function<void(const PlayerHint&)>;

  HintWorker();
  // Stops the solve still running and waits for it (the stop flag makes that quick).
  ~HintWorker() override;

  // Solves a copy of `state` for the player within `budget`; `done` runs later on this object's
  // thread, from its event loop, unless the request was dropped meanwhile. An analyst that has
  // solved this duel (may be null) answers first: its hint is exact at once.
  void Start(const DuelState& state, const AiWeights& weights, std::chrono::milliseconds budget,
             Done done, std::shared_ptr<Analyst> analyst = nullptr);
  // Drops the request under way, if any.
  void Cancel();
  // A request is under way: its result has neither arrived nor been dropped.
  bool Busy() const { return busy_; }
  // No solve is running on the worker's thread (a dropped one may still be finishing).
  bool Idle() const { return pool_.activeThreadCount() == 0; }

 private:
  QThreadPool pool_;
  std::shared_ptr<std::atomic<bool>> stop_;
  uint64_t request_ = 0;
  bool busy_ = false;
};

}  // namespace korvane
