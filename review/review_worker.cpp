#include "review/review_worker.h"

#include <chrono>
#include <thread>

#include "engine/card_table.h"

namespace korvane {

ReviewWorker::ReviewWorker() { pool_.setMaxThreadCount(1); }

ReviewWorker::~ReviewWorker() {
  stop_.store(true);
  analyst_.Stop();
  pool_.waitForDone();
}

void ReviewWorker::Review(const PlayedDuel& duel, const CardTable& cards, QObject* receiver,
                          std::function<void(DuelReview)> done) {
  ++pending_;
  QPointer<QObject> target(receiver);
  pool_.start([this, duel, &cards, target, done = std::move(done)] {
    struct Finished {
      std::atomic<int>& pending;
      ~Finished() { --pending; }
    } finished{pending_};
    if (stop_.load()) return;
    analyst_.Start(DealOf(duel, cards));
    while (!analyst_.Ready() && !stop_.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (stop_.load()) return;
    std::optional<DuelReview> review = ReviewDuel(duel, cards, nullptr, AnalystSolver(analyst_));
    analyst_.Stop();
    if (!review || stop_.load() || !target) return;
    QMetaObject::invokeMethod(
        target.data(),
        [target, done, review = std::move(*review)]() mutable {
          if (target) done(std::move(review));
        },
        Qt::QueuedConnection);
  });
}

}  // namespace korvane
