// The stall probe: with KORVANE_STALL_MS=N in the environment, every stretch longer than N ms in
// which the GUI thread was busy without getting back to its event loop is printed on stderr,
// with the event (or chain of nested events) that was running. Waiting for input is not a
// stall, and neither is a modal message box: its own event loop keeps the window alive.
//
// The probe is fed from outside (GameApplication::notify and the event dispatcher's
// aboutToBlock/awake), and its clock and output are given, so tests drive it with no window.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace korvane {

// What one dispatched event was, captured when it starts (the receiver may be gone by the end).
struct ProbedEvent {
  int type = 0;                    // QEvent::Type
  const char* receiverClass = "";  // static strings from the meta-objects
  const char* parentClass = nullptr;
  QString receiverName;      // objectName
  int timerInterval = -1;    // a QTimer's interval in ms, else -1
  bool windowPaint = false;  // a top-level window paints (and so shows) itself
};

class StallProbe {
 public:
  using Clock = std::function<double()>;  // milliseconds, steady
  using Sink = std::function<void(const QString&)>;

  StallProbe(double thresholdMs, Clock now, Sink report);

  void EventStarted(const ProbedEvent& event);
  void EventFinished();
  void AboutToBlock();  // the event loop waits for input
  void Awake();         // and wakes up

  // The number of pauses reported, and the longest one seen (reported or not).
  int Reports() const { return reports_; }
  double WorstMs() const { return worstMs_; }

  // Called once, after the first top-level window has painted.
  std::function<void()> OnFirstWindowPainted;

  static QString Describe(const ProbedEvent& event);

 private:
  void Checkpoint();

  double thresholdMs_;
  Clock now_;
  Sink report_;
  double last_;
  bool blocked_ = false;
  bool painted_ = false;
  int reports_ = 0;
  double worstMs_ = 0;
  std::vector<ProbedEvent> running_;  // outermost first
  std::optional<ProbedEvent> lastFinished_;
};

}  // namespace korvane
