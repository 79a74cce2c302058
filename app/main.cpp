// KORVANE: the command line, the edition, the signals, then the game assembled (app/game.h) and
// its adventure window shown.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <memory>

#include "adventure/adv_korvane.h"
#include "adventure/adv_window.h"
#include "app/command_line.h"
#include "app/game.h"
#include "app/game_application.h"
#include "app/signal_closer.h"
#include "app/translations.h"
#include "state/key_map.h"
#include "state/preferences.h"
#include "state/save_files.h"
#include "ui/controller.h"
#include "ui/field_patterns.h"
#include "ui/high_contrast.h"
#include "ui/key_remap.h"
#include "ui/platform.h"
#include "ui/qt_platform.h"

namespace korvane {
namespace {

// --quit-after-title: once the title window is on the screen, say so and end the run without
// touching the save or the settings. Gives up after five seconds.
void QuitOnceShown(QWidget& window, const QString& dataDir) {
  auto* poll = new QTimer(&window);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, dataDir, tries = 0]() mutable {
    const bool shown =
        window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
    if (!shown && ++tries < 500) return;
    poll->stop();
    if (shown) {
      std::printf("korvane: title window shown (%dx%d), data from %s\n", window.width(),
                  window.height(), qPrintable(dataDir));
    } else {
      std::fprintf(stderr, "korvane: the title window did not appear\n");
    }
    std::fflush(stdout);
    QCoreApplication::exit(shown ? 0 : 1);
  });
  poll->start();
}

int Run(QApplication& app, const CommandLine& options) {
  const QString dataDir = FindDataDir();
  // The edition, before any text is made: --lang (remembered), else the player's last choice,
  // else Japanese; Qt's own texts with it.
  PreferenceStore preferences(PreferenceStore::DefaultPath());
  Edition edition(dataDir);
  QString editionProblem;
  if (!edition.Use(StartLanguage(options.language, preferences), &editionProblem)) {
    std::fprintf(stderr, "korvane: 英語版を使えません（%s）。日本語で続けます\n",
                 qUtf8Printable(editionProblem));
  }
  const QIcon icon(QDir(dataDir).filePath(QStringLiteral("icon.png")));
  QApplication::setWindowIcon(icon);

  // Fields with patterns as well as colour, and the views' marks in black and white, when the
  // player asked for them.
  SetFieldPatterns(preferences.Load().patterns);
  SetHighContrast(preferences.Load().highContrast);

  // Termination signals close the game cleanly; made before the sound system (see there).
  SignalCloser signalCloser;

  // The whole game; without its card file there is no game to play.
  GameSetup setup;
  setup.dataDir = dataDir;
  setup.saveDir = SaveStore::DefaultDirectory();
  setup.preferences = &preferences;
  std::string error;
  std::unique_ptr<Game> game = Game::Make(std::move(setup), &error);
  if (!game) {
    // The same words and status as korvane-tool; on the terminal too, for scripts.
    std::fprintf(stderr, "korvane: %s\n", error.c_str());
    QtPlatform::ShowError(nullptr, QCoreApplication::translate("Messages", "%1\n\nデータの場所: %2")
                                       .arg(QString::fromStdString(error), dataDir));
    return kCardFileExitStatus;
  }
  signalCloser.OnSignal = [&game](int) { game->Adventure().EndWithoutQuestion(); };
  if (!game->Load()) return 0;  // a signal came during start-up
  if (!editionProblem.isEmpty())
    game->GamePlatform().ShowOk(QStringLiteral("KORVANE"), editionProblem);

  // The player's own keys; a line that makes no sense is told once, and left out.
  KeyMap keyMap = ReadKeyMap(preferences.Path());
  for (const QString& problem : keyMap.problems)
    std::fprintf(stderr, "korvane: %s: %s\n", qUtf8Printable(preferences.Path()),
                 qUtf8Printable(problem));
  if (!keyMap.problems.isEmpty())
    game->GamePlatform().ShowOk(
        QCoreApplication::translate("KeyMap", "キーの設定"),
        keyMap.problems.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + preferences.Path());
  KeyRemap keyRemap(std::move(keyMap.keys));

  ADVKorvaneWindow& window = *game->Window();
  window.setWindowIcon(icon);
  // The title's switch of editions; the choice is remembered for the next start.
  Platform& platform = game->GamePlatform();
  window.ChooseLanguage = [&edition, &preferences, &platform](const QString& language) {
    QString problem;
    const bool used = edition.Use(language, &problem);
    if (used) (void)preferences.SaveLanguage(language);
    if (!problem.isEmpty()) platform.ShowOk(QStringLiteral("KORVANE"), problem);
    return used;
  };
  window.OnClosed = [] { QCoreApplication::exit(0); };
  // A game controller plays as the keyboard does, in whichever window is in front. SDL's
  // controllers are opened once the title is on the screen; the first window need not wait.
  std::unique_ptr<Controller> controller;
  game->OncePainted = [&controller] {
    controller = std::make_unique<Controller>(nullptr, /*inBackground=*/true);
  };
  game->Show();
  if (options.quitAfterTitle) QuitOnceShown(window, dataDir);
  return app.exec();
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
  korvane::SetApplicationIdentity();
  // The command line is judged before the QApplication opens the display: a wrong option is told
  // with status 2 also where there is no display to open.
  korvane::CommandLine options;
  if (const auto status = korvane::ReadCommandLine(argc, argv, &options)) return *status;
  korvane::GameApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return korvane::Run(app, options);
}
