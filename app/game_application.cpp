#include "app/game_application.h"

#include <time.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdio>

#include "app/stall_probe.h"

namespace korvane {

namespace {

void PrintLine(const QString& line) {
  std::fprintf(stderr, "%s\n", qUtf8Printable(line));
  std::fflush(stderr);
}

// Milliseconds since the kernel started this process (to 1/100 s), or -1 when unknown.
double MsSinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = stat.readAll();
  // The fields after the command name, which may itself hold spaces and parentheses.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  constexpr int kStartTimeField = 22 - 3;  // field 22 of the line, counted from field 3
  if (fields.size() <= kStartTimeField) return -1;
  timespec boot{};
  if (clock_gettime(CLOCK_BOOTTIME, &boot) != 0) return -1;
  const double startMs = fields[kStartTimeField].toDouble() * 1000.0 / sysconf(_SC_CLK_TCK);
  return boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6 - startMs;
}

// CPU time of the calling thread so far, in ms: what start-up cost, whatever else the machine did.
double ThreadCpuMs() {
  timespec cpu{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
  return cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6;
}

}  // namespace

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
  bool ok = false;
  const double thresholdMs = qEnvironmentVariable("KORVANE_STALL_MS").toDouble(&ok);
  if (ok && thresholdMs >= 0) StartProbe(thresholdMs);
}

GameApplication::~GameApplication() = default;

void GameApplication::StartProbe(double thresholdMs) {
  guiThread_ = QThread::currentThreadId();
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  // KORVANE_STALL_CLOCK=cpu counts the pauses in the GUI thread's CPU time instead: what the work
  // itself cost, without the time a busy machine gave to other programs.
  const bool cpuClock = qEnvironmentVariable("KORVANE_STALL_CLOCK") == QLatin1String("cpu");
  StallProbe::Clock now = [clock] { return clock->nsecsElapsed() / 1e6; };
  if (cpuClock) now = ThreadCpuMs;
  probe_ = std::make_unique<StallProbe>(thresholdMs, std::move(now), PrintLine);
  probe_->OnFirstWindowPainted = [clock] {
    PrintLine(QStringLiteral("korvane: 最初のウィンドウが描かれるまで %1 ms（プロセス起動から）、"
                             "%2 ms（QApplication から）、GUI スレッドの CPU 時間 %3 ms")
                  .arg(std::lround(MsSinceProcessStart()))
                  .arg(clock->elapsed())
                  .arg(std::lround(ThreadCpuMs())));
  };
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  StallProbe* probe = probe_.get();
  connect(
      dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [probe] { probe->AboutToBlock(); },
      Qt::DirectConnection);
  connect(
      dispatcher, &QAbstractEventDispatcher::awake, this, [probe] { probe->Awake(); },
      Qt::DirectConnection);
  PrintLine(QStringLiteral("korvane: GUI停止の監視中（%1 ms を超える停止を表示%2）")
                .arg(thresholdMs)
                .arg(cpuClock ? QStringLiteral("、GUI スレッドの CPU 時間で") : QString()));
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
  if (!probe_ || !receiver || !event || QThread::currentThreadId() != guiThread_) {
    return QApplication::notify(receiver, event);
  }
  ProbedEvent probed;
  probed.type = event->type();
  probed.receiverClass = receiver->metaObject()->className();
  probed.receiverName = receiver->objectName();
  if (QObject* parent = receiver->parent()) probed.parentClass = parent->metaObject()->className();
  if (event->type() == QEvent::Timer) {
    if (auto* timer = qobject_cast<QTimer*>(receiver)) probed.timerInterval = timer->interval();
  }
  // A window is on the screen once it has painted: its widget's paint, or the native window's
  // expose or update request, which paint and flush the widgets in it.
  if (event->type() == QEvent::Paint && receiver->isWidgetType()) {
    probed.windowPaint = static_cast<QWidget*>(receiver)->isWindow();
  } else if (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest) {
    probed.windowPaint = receiver->isWindowType();
  }
  struct Finish {
    StallProbe* probe;
    ~Finish() { probe->EventFinished(); }
  } finish{probe_.get()};
  probe_->EventStarted(probed);
  return QApplication::notify(receiver, event);
}

}  // namespace korvane
