// Ends the game cleanly when the desktop or a terminal asks it to: SIGTERM (logout, shutdown,
// kill), SIGINT (Ctrl+C) and SIGHUP (the terminal went away). The signal handler only writes the
// signal's number into a pipe (the self-pipe pattern); the event loop reads it and runs the
// game's own closing. A second signal ends the process at once, for a game that cannot close.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace korvane {

class SignalCloser : public QObject {
 public:
  // Installs the handlers. Make it before the sound system: it also tells SDL to leave these
  // signals alone (SDL would otherwise turn them into events nobody reads).
  SignalCloser();
  ~SignalCloser() override;

  // Runs in the event loop for the first signal; until it is set, a signal quits the event loop.
  std::function<void(int signal)> OnSignal;

 private:
  void Deliver();

  int readFd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace korvane
