#include "app/signal_closer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace korvane {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_writeFd = -1;
std::atomic<int> g_received{0};

// Only async-signal-safe calls here: write, signal, raise.
void OnSignalArrived(int sig) {
  if (g_received.fetch_add(1) > 0) {
    // The second signal: the game did not manage to close, so it ends now.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    return;
  }
  const char byte = static_cast<char>(sig);
  const int saved = errno;
  [[maybe_unused]] const ssize_t n = ::write(g_writeFd, &byte, 1);
  errno = saved;
}

}  // namespace

SignalCloser::SignalCloser() {
  // SDL's own handlers would swallow SIGINT and SIGTERM.
  ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;  // no pipe: the default handlers stay
  readFd_ = fds[0];
  g_writeFd = fds[1];
  notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { Deliver(); });
  struct sigaction action {};
  action.sa_handler = OnSignalArrived;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : kSignals) ::sigaction(sig, &action, nullptr);
}

SignalCloser::~SignalCloser() {
  for (int sig : kSignals) std::signal(sig, SIG_DFL);
  if (readFd_ >= 0) ::close(readFd_);
  if (g_writeFd >= 0) ::close(g_writeFd);
  g_writeFd = -1;
}

void SignalCloser::Deliver() {
  char byte = 0;
  if (::read(readFd_, &byte, 1) != 1) return;
  notifier_->setEnabled(false);  // one closing is enough; a second signal ends at once
  if (OnSignal) {
    OnSignal(static_cast<int>(byte));
  } else {
    QCoreApplication::exit(0);
  }
}

}  // namespace korvane
