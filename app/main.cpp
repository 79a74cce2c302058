// KORVANE: finds the game's data and the player's save folder, opens the card file, and starts
// the adventure window. One game state, one sound system and one duel logic live for the whole
// run; the duel window is made afresh for every duel and for the rules tutorial.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <memory>

#include "adventure/adv_korvane.h"
#include "adventure/adv_window.h"
#include "ai/ai.h"
#include "app/game_application.h"
#include "app/translations.h"
#include "duel/card_pictures.h"
#include "duel/korvane.h"
#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "engine/card_table.h"
#include "sound/sound.h"
#include "state/game_state.h"
#include "state/save_files.h"

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
  const QStringList entries = QDir(dataDir).entryList(QDir::Files);
  for (const QString& e : entries) {
    if (e.compare(QStringLiteral("carddata"), Qt::CaseInsensitive) == 0) {
      return QDir(dataDir).filePath(e);
    }
  }
  return QDir(dataDir).filePath(QStringLiteral("carddata"));
}

// Opens the duel window for a duel or the tutorial, and brings the adventure back when it closes.
class DuelOpener : public AdventureHost {
 public:
  DuelOpener(Korvane& duel, SoundSystem& sound) : duel_(duel), sound_(sound) {}
  void SetAdventure(ADVKorvane* logic, ADVKorvaneWindow* window) {
    adventure_ = logic;
    window_ = window;
    duel_.SetAdventureMusic(&logic->Music());
    duel_.OnClosed = [this] {
      adventure_->DuelWindowClosed();
      window_->Sync();
    };
  }
  void OpenDuelWindow(bool tutorial) override {
    auto* w = new KorvaneWindow(duel_);
    w->setWindowIcon(window_->windowIcon());
    opened_ = w;
    if (tutorial) ShowTutorialControls(duel_, sound_);
    w->Mirror();
    w->show();
  }
  void Quit() override {
    if (window_) window_->hide();
    QCoreApplication::exit(0);
  }

 private:
  Korvane& duel_;
  SoundSystem& sound_;
  ADVKorvane* adventure_ = nullptr;
  ADVKorvaneWindow* window_ = nullptr;
  QPointer<KorvaneWindow> opened_;
};

int Run(QApplication& app) {
  const QString dataDir = FindDataDir();
  const QIcon icon(QDir(dataDir).filePath(QStringLiteral("icon.png")));
  QApplication::setWindowIcon(icon);

  // The card file: without it there is no game to play.
  std::string error;
  std::optional<CardTable> cards = CardTable::Open(CardFilePath(dataDir).toStdString(), &error);
  if (!cards) {
    QMessageBox::critical(
        nullptr, QStringLiteral("KORVANE"),
        QStringLiteral("カードデータを読み込めませんでした。\n%1\n\nデータの場所: %2")
            .arg(QString::fromStdString(error), dataDir));
    return 2;
  }

  // What lives for the whole run.
  GameState state;
  SaveStore store(SaveStore::DefaultDirectory());
  std::unique_ptr<SoundSystem> sound = CreateSdlSoundSystem(dataDir);
  AdventurePlatform platform;
  SeededRandom rng(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
  CardPictures cardPictures(dataDir, &*cards);
  Korvane duel(state, *sound, *cards, platform, rng, cardPictures);
  DuelOpener opener(duel, *sound);

  // The adventure window: its load reads the save and the switches and starts the title
  // music; a damaged save is told before the window appears.
  ADVKorvane adventure(state, store, *sound, platform, opener, LoadAdventurePictures(dataDir),
                       &*cards);
  adventure.Form_Load();
  ADVKorvaneWindow window(adventure);
  window.setWindowIcon(icon);
  platform.BeforeEvents = [&window] { window.Sync(); };
  opener.SetAdventure(&adventure, &window);
  window.OnClosed = [] { QCoreApplication::exit(0); };
  window.show();
  window.StartTimer();
  const int code = app.exec();
  duel.OnClosed = nullptr;
  return code;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
  korvane::GameApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("korvane"));
  korvane::InstallTranslations(app);
  QApplication::setQuitOnLastWindowClosed(false);
  return korvane::Run(app);
}
