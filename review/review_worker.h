// Reviews worked out off the windows' thread: the analyst solves each duel from its deal (at a
// low priority, on a thread of its own), then every position is answered from its table. The
// review board waits for its one duel this way; the game reviews every recorded duel the same
// way for the statistics. Duels queue; nothing is delivered after the worker or the receiving
// object is gone, and destroying the worker stops the work under way.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <functional>

#include "solver/analyst.h"
#include "solver/review.h"

namespace korvane {

class CardTable;

class ReviewWorker {
 public:
  ReviewWorker();
  ~ReviewWorker();
  ReviewWorker(const ReviewWorker&) = delete;
  ReviewWorker& operator=(const ReviewWorker&) = delete;

  // Reviews `duel`; `done` then runs on `receiver`'s thread, unless the receiver is gone. A duel
  // that cannot be played through (a damaged record) delivers nothing.
  void Review(const PlayedDuel& duel, const CardTable& cards, QObject* receiver,
              std::function<void(DuelReview)> done);
  // No duel is waiting or being reviewed.
  bool Idle() const { return pending_.load() == 0; }

 private:
  QThreadPool pool_;
  Analyst analyst_;
  std::atomic<bool> stop_{false};
  std::atomic<int> pending_{0};
};

}  // namespace korvane
