#include "duel/hint_worker.h"

namespace korvane {

HintWorker::HintWorker() {
  // One solve at a time: a dropped one stops within a few microseconds.
  pool_.setMaxThreadCount(1);
}

HintWorker::~HintWorker() {
  Cancel();
  pool_.waitForDone();
}

void HintWorker::Start(const DuelState& state, const AiWeights& weights,
                       std::chrono::milliseconds budget, Done done,
                       std::shared_ptr<Analyst> analyst) {
  Cancel();
  const uint64_t request = ++request_;
  auto stop = std::make_shared<std::atomic<bool>>(false);
  stop_ = stop;
  busy_ = true;
  pool_.start([this, state, weights, budget, stop, request, done = std::move(done),
               analyst = std::move(analyst)] {
    std::optional<PlayerHint> exact;
    if (analyst && analyst->Ready() && !stop->load()) exact = analyst->ExactHint(state, weights);
    const PlayerHint hint = exact ? *exact : HintForPlayer(state, weights, budget, stop.get());
    // Back to this object's thread; posted events die with the object, and the destructor
    // waits for this thread first, so `this` is alive here.
    QMetaObject::invokeMethod(
        this,
        [this, hint, request, done] {
          if (request != request_) return;
          busy_ = false;
          done(hint);
        },
        Qt::QueuedConnection);
  });
}

void HintWorker::Cancel() {
  if (stop_) stop_->store(true);
  stop_.reset();
  ++request_;
  busy_ = false;
}

}  // namespace korvane
