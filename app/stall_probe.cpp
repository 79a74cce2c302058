#include "app/stall_probe.h"

#include <QEvent>
#include <QMetaEnum>
#include <QStringList>
#include <cmath>

namespace korvane {

StallProbe::StallProbe(double thresholdMs, Clock now, Sink report)
    : thresholdMs_(thresholdMs), now_(std::move(now)), report_(std::move(report)), last_(now_()) {}

QString StallProbe::Describe(const ProbedEvent& event) {
  const char* typeName = QMetaEnum::fromType<QEvent::Type>().valueToKey(event.type);
  QString text = typeName ? QString::fromLatin1(typeName) : QString::number(event.type);
  text += QStringLiteral(" → ") + QString::fromLatin1(event.receiverClass);
  if (!event.receiverName.isEmpty()) text += QStringLiteral("「%1」").arg(event.receiverName);
  QStringList notes;
  if (event.timerInterval >= 0) notes << QStringLiteral("%1 ms 間隔").arg(event.timerInterval);
  if (event.parentClass)
    notes << QStringLiteral("親 %1").arg(QString::fromLatin1(event.parentClass));
  if (!notes.isEmpty()) text += QStringLiteral("（%1）").arg(notes.join(QStringLiteral("、")));
  return text;
}

// Time since the last sign of life counts only while the thread was not waiting for input.
void StallProbe::Checkpoint() {
  const double now = now_();
  const double busy = now - last_;
  last_ = now;
  if (blocked_) return;
  if (busy > worstMs_) worstMs_ = busy;
  if (busy <= thresholdMs_) return;
  ++reports_;
  QStringList chain;
  for (const ProbedEvent& e : running_) chain << Describe(e);
  QString what = chain.join(QStringLiteral(" ＞ "));
  if (chain.isEmpty()) {
    what = lastFinished_ ? QStringLiteral("イベントの外（直前: %1）").arg(Describe(*lastFinished_))
                         : QStringLiteral("イベントの外（起動処理）");
  }
  report_(QStringLiteral("korvane: GUI停止 %1 ms: %2").arg(std::lround(busy)).arg(what));
}

void StallProbe::EventStarted(const ProbedEvent& event) {
  Awake();  // an event being delivered means the wait is over, said or not
  Checkpoint();
  running_.push_back(event);
}

void StallProbe::EventFinished() {
  Checkpoint();
  if (running_.empty()) return;
  const bool windowPaint = running_.back().windowPaint;
  lastFinished_ = std::move(running_.back());
  running_.pop_back();
  if (windowPaint && !painted_) {
    painted_ = true;
    if (OnFirstWindowPainted) OnFirstWindowPainted();
  }
}

void StallProbe::AboutToBlock() {
  Checkpoint();
  blocked_ = true;
}

void StallProbe::Awake() {
  if (!blocked_) return;
  blocked_ = false;
  last_ = now_();
}

}  // namespace korvane
