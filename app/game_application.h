// The game's QApplication. With KORVANE_STALL_MS=N set it times every event of the GUI thread
// and prints each pause longer than N ms (see stall_probe.h), and the time from the start of the
// process to the first painted window; without it, notify passes straight through. With
// KORVANE_STALL_CLOCK=cpu as well, the pauses are measured in the GUI thread's CPU time.
#pragma once

#include <QApplication>
#include <memory>

namespace korvane {

class StallProbe;

class GameApplication : public QApplication {
 public:
  GameApplication(int& argc, char** argv);
  ~GameApplication() override;

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void StartProbe(double thresholdMs);

  std::unique_ptr<StallProbe> probe_;
  Qt::HANDLE guiThread_ = nullptr;
};

}  // namespace korvane
