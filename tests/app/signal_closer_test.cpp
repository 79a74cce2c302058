// Termination signals: the first reaches the game's closing through the event loop, once; the
// second ends the process at once, by the signal itself. Each case runs in a child process.
#include "app/signal_closer.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>

namespace korvane {
namespace {

// Runs body in a child with its own QCoreApplication; returns the child's wait status.
template <typename Body>
int InChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int argc = 1;
    char name[] = "signal_closer_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

TEST(SignalCloser, FirstSignalClosesThroughTheEventLoopSecondEndsAtOnce) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(sig);
    // The first: delivered once, in the event loop, with its number; the process lives on.
    const int first = InChild([sig] {
      SignalCloser closer;
      int calls = 0, seen = 0;
      closer.OnSignal = [&](int s) { ++calls, seen = s; };
      std::raise(sig);
      if (calls != 0) return 10;  // never inside the handler
      for (int i = 0; i < 100 && calls == 0; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      }
      return calls == 1 && seen == sig ? 0 : 11;
    });
    EXPECT_TRUE(WIFEXITED(first) && WEXITSTATUS(first) == 0) << first;
    // The second, while the game is still closing: the process ends by the signal.
    const int second = InChild([sig] {
      SignalCloser closer;
      closer.OnSignal = [](int) {};
      std::raise(sig);
      std::raise(sig);
      return 12;
    });
    EXPECT_TRUE(WIFSIGNALED(second) && WTERMSIG(second) == sig) << second;
  }
  // SDL is told to leave the signals alone.
  SignalCloser closer;
  EXPECT_STREQ(std::getenv("SDL_NO_SIGNAL_HANDLERS"), "1");
}

}  // namespace
}  // namespace korvane
