// The yardstick for the game's start-up: a bare Qt Widgets program, one window of the title's
// size with a label in it, started through the game's own QApplication so that its stall probe
// times the first painted window exactly as it does for the game (KORVANE_STALL_MS set).
//   bare_window [WIDTHxHEIGHT] [--quit]
// --quit ends the program as soon as the window has painted; bench/startup_time.sh runs it
// side by side with the game.
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "app/game_application.h"

int main(int argc, char** argv) {
  korvane::GameApplication app(argc, argv);
  QSize size(1015, 718);  // the title window at the zoom a 1920 x 1080 screen gives it
  bool quit = false;
  for (const QString& a : app.arguments().mid(1)) {
    if (a == QLatin1String("--quit")) {
      quit = true;
      continue;
    }
    const QStringList wh = a.split(QLatin1Char('x'));
    if (wh.size() == 2 && wh[0].toInt() > 0 && wh[1].toInt() > 0) {
      size = QSize(wh[0].toInt(), wh[1].toInt());
    } else {
      std::fprintf(stderr, "usage: bare_window [WIDTHxHEIGHT] [--quit]\n");
      return 2;
    }
  }
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.resize(size);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("A bare Qt Widgets window"), &window), 0,
                    Qt::AlignCenter);
  window.show();
  if (quit) {
    // The probe reports the first paint from inside the event that paints; end the run once the
    // window is exposed and the event loop is idle again.
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, tries = 0]() mutable {
      const bool shown = window.windowHandle() && window.windowHandle()->isExposed();
      if (!shown && ++tries < 500) return;
      poll->stop();
      QCoreApplication::exit(shown ? 0 : 1);
    });
    poll->start(10);
  }
  return app.exec();
}
