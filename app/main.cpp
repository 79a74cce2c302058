// KORVANE: finds the game's data and the player's save folder, opens the card file, and starts
// the adventure window. One game state, one sound system and one duel logic live for the whole
// run; the duel window is made afresh for every duel and for the rules tutorial.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <memory>

#include "adventure/adv_korvane.h"
#include "adventure/adv_window.h"
#include "ai/ai.h"
#include "album/album_window.h"
#include "app/command_line.h"
#include "app/game_application.h"
#include "app/signal_closer.h"
#include "app/translations.h"
#include "duel/korvane.h"
#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "engine/card_table.h"
#include "sound/sound.h"
#include "state/data_files.h"
#include "state/game_state.h"
#include "state/preferences.h"
#include "state/save_files.h"
#include "state/statistics.h"
#include "ui/card_pictures.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"
#include "ui/window_place.h"

namespace korvane {
namespace {

// The data folder: next to the executable in the build tree, or in the installed share folder.
QString FindDataDir() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  QStringList candidates{QDir(exeDir).filePath(QStringLiteral("data")),
                         QDir(exeDir).filePath(QStringLiteral("../share/korvane/data"))};
  for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    candidates << QDir(d).filePath(QStringLiteral("korvane/data"));
  }
  for (const QString& c : candidates) {
    if (QFileInfo(c).isDir()) return QDir(c).canonicalPath();
  }
  return candidates.front();
}

// The card file, its name matched without regard to case.
QString CardFilePath(const QString& dataDir) {
  const QString found = FindFileNoCase(dataDir, QStringLiteral("carddata"));
  return found.isEmpty() ? QDir(dataDir).filePath(QStringLiteral("carddata")) : found;
}

// Opens the duel window for a duel or the tutorial, and brings the adventure back when it closes.
class DuelOpener : public AdventureHost {
 public:
  DuelOpener(Korvane& duel, SoundSystem& sound, ViewZoom& zoom, const SharpArt& art)
      : duel_(duel), sound_(sound), zoom_(zoom), art_(art) {}
  void SetAdventure(ADVKorvane* logic, ADVKorvaneWindow* window) {
    adventure_ = logic;
    window_ = window;
    duel_.SetAdventureMusic(&logic->Music());
    duel_.OnClosed = [this] {
      adventure_->DuelWindowClosed();
      window_->Sync();
      window_->activateWindow();  // the keyboard comes back with it
    };
  }
  void OpenDuelWindow(bool tutorial) override {
    auto* w = new KorvaneWindow(duel_);
    w->setWindowIcon(window_->windowIcon());
    w->UseZoom(&zoom_, &art_);
    w->OnAlbum = OnAlbum;
    opened_ = w;
    if (tutorial) ShowTutorialControls(duel_, sound_);
    w->Mirror();
    // Over the adventure window, which hides itself as the duel begins.
    if (!zoom_.FullScreen()) {
      const QScreen* screen = window_->screen();
      const QRect place = CentredOver(w->size(), window_->geometry(),
                                      screen ? screen->availableGeometry() : QRect());
      w->setGeometry(place);
      (new KeepPlace(w))->Expect(place);
    }
    w->show();
    w->activateWindow();
  }
  // The result's picture painted sharply by the open duel window.
  QImage SharpShown(const QImage& shown, double scale) const {
    return opened_ ? opened_->SharpShown(shown, scale) : QImage();
  }
  void Quit() override {
    if (window_) window_->hide();
    QCoreApplication::exit(0);
  }
  AlbumOpener OnAlbum;

 private:
  Korvane& duel_;
  SoundSystem& sound_;
  ViewZoom& zoom_;
  const SharpArt& art_;
  ADVKorvane* adventure_ = nullptr;
  ADVKorvaneWindow* window_ = nullptr;
  QPointer<KorvaneWindow> opened_;
};

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

  // The card file: without it there is no game to play.
  std::string error;
  std::optional<CardTable> cards = CardTable::Open(CardFilePath(dataDir).toStdString(), &error);
  if (!cards) {
    // The same words and status as korvane-tool; on the terminal too, for scripts.
    std::fprintf(stderr, "korvane: %s\n", error.c_str());
    QtPlatform::ShowError(nullptr, QCoreApplication::translate("Messages", "%1\n\nデータの場所: %2")
                                       .arg(QString::fromStdString(error), dataDir));
    return kCardFileExitStatus;
  }

  // Termination signals close the game cleanly; made before the sound system (see there).
  SignalCloser signalCloser;

  // What lives for the whole run.
  GameState state;
  SaveStore store(SaveStore::DefaultDirectory());
  std::unique_ptr<SoundSystem> sound = CreateSdlSoundSystem(dataDir);
  QtPlatform platform;
  ClockSeededRandom rng;
  CardPictures cardPictures(dataDir, &*cards);
  Korvane duel(state, *sound, *cards, platform, rng, cardPictures);
  // Both windows at one zoom (remembered with our own preferences), drawn from the sharp art.
  ViewZoom zoom(&preferences);
  const SharpArt cardArt(cardPictures, dataDir);
  DuelOpener opener(duel, *sound, zoom, cardArt);
  // The pace of the duels is the player's own choice, remembered beside the settings.
  duel.DuelPace = preferences.Load().pace;
  duel.OnPaceChosen = [&preferences](Pace pace) {
    Preferences chosen = preferences.Load();
    chosen.pace = pace;
    (void)preferences.Save(chosen);
  };
  // The record of duels beside the save; a damaged file is told once and set aside.
  Statistics statistics(store.Directory());
  const QString statisticsProblem = statistics.Load();
  duel.OnDuelSettled = [&statistics](const DuelReport& r) { statistics.Record(r); };
  duel.OnHintShown = [&statistics](int opponent) { statistics.CountHint(opponent); };
  // The album, from the map and from the deck selection.
  // It opens at the zoom its window shows and follows the zoom keys from then on.
  opener.OnAlbum = [&](QWidget* over, const GameState& shown, double shownZoom) -> QWidget* {
    return ShowAlbum(over, shown, statistics, cardPictures, *cards, shownZoom, &cardArt, &zoom);
  };

  // The adventure window: its load reads the save and the switches and starts the title
  // music; a damaged save is told before the window appears.
  ADVKorvane adventure(state, store, *sound, platform, opener, LoadAdventurePictures(dataDir),
                       &*cards);
  adventure.SetRandom(&rng);
  signalCloser.OnSignal = [&adventure](int) { adventure.EndWithoutQuestion(); };
  adventure.OnNewGame = [&statistics] { (void)statistics.StartNewGame(); };
  adventure.Form_Load();
  if (adventure.Ended()) return 0;  // a signal came during start-up
  if (!editionProblem.isEmpty()) platform.ShowOk(QStringLiteral("KORVANE"), editionProblem);
  if (!statisticsProblem.isEmpty()) {
    platform.ShowOk(QCoreApplication::translate("Messages", "対戦成績"), statisticsProblem);
  }
  ADVKorvaneWindow window(adventure, &zoom, &cardArt);
  window.setWindowIcon(icon);
  window.OnAlbum = opener.OnAlbum;
  platform.BeforeEvents = [&window] { window.Sync(); };
  // Message boxes follow the zoom; the result's card is painted sharply.
  platform.Zoom = [&window] { return window.Zoom(); };
  platform.SharpPicture = [&opener](const QImage& shown, double scale) {
    return opener.SharpShown(shown, scale);
  };
  opener.SetAdventure(&adventure, &window);
  // The title's switch of editions; the choice is remembered for the next start.
  window.ChooseLanguage = [&edition, &preferences, &platform](const QString& language) {
    QString problem;
    const bool used = edition.Use(language, &problem);
    if (used) (void)preferences.SaveLanguage(language);
    if (!problem.isEmpty()) platform.ShowOk(QStringLiteral("KORVANE"), problem);
    return used;
  };
  window.OnClosed = [] { QCoreApplication::exit(0); };
  window.show();
  window.StartTimer();
  if (options.quitAfterTitle) QuitOnceShown(window, dataDir);
  const int code = app.exec();
  duel.OnClosed = nullptr;
  return code;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
  korvane::SetApplicationIdentity();
  if (const auto status = korvane::AnswerInfoOptions(argc, argv)) return *status;
  korvane::GameApplication app(argc, argv);
  korvane::CommandLine options;
  if (const auto status = korvane::ParseCommandLine(app.arguments(), &options)) return *status;
  QApplication::setQuitOnLastWindowClosed(false);
  return korvane::Run(app, options);
}
