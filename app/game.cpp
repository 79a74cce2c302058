#include "app/game.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "adventure/adv_korvane.h"
#include "adventure/adv_window.h"
#include "album/album_window.h"
#include "app/practice_setup.h"
#include "duel/korvane.h"
#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "engine/random.h"
#include "puzzle/puzzle_window.h"
#include "review/record_list.h"
#include "review/review_window.h"
#include "review/review_worker.h"
#include "sound/sound.h"
#include "state/data_files.h"
#include "state/duel_record.h"
#include "state/preferences.h"
#include "state/puzzle_progress.h"
#include "state/statistics.h"
#include "ui/card_pictures.h"
#include "ui/fonts.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"
#include "ui/window_place.h"

namespace korvane {

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

QString CardFilePath(const QString& dataDir) {
  const QString found = FindFileNoCase(dataDir, QStringLiteral("carddata"));
  return found.isEmpty() ? QDir(dataDir).filePath(QStringLiteral("carddata")) : found;
}

// Opens the duel for a duel or the tutorial and brings the adventure back when it closes: the
// duel window over the adventure window, or (without windows) the duel logic alone.
class Game::DuelOpener : public AdventureHost {
 public:
  explicit DuelOpener(Game& game) : game_(game) {}

  void OpenDuelWindow(bool tutorial) override {
    Korvane& duel = game_.Duel();
    if (!game_.setup_.windows || !game_.window_) {
      duel.Form_Load();
      if (tutorial) ShowTutorialControls(duel, *game_.sound_);
      return;
    }
    KorvaneWindow* w = game_.MakeDuelWindow(duel);
    opened_ = w;
    if (tutorial) ShowTutorialControls(duel, *game_.sound_);
    // Over the adventure window, which hides itself as the duel begins.
    game_.ShowDuelWindow(w, *game_.window_);
  }
  void Quit() override {
    if (game_.window_) game_.window_->hide();
    QCoreApplication::exit(0);
  }
  KorvaneWindow* Opened() const { return opened_; }

 private:
  Game& game_;
  QPointer<KorvaneWindow> opened_;
};

std::unique_ptr<Game> Game::Make(GameSetup setup, std::string* error) {
  std::optional<CardTable> cards =
      CardTable::Open(CardFilePath(setup.dataDir).toStdString(), error);
  if (!cards) return nullptr;
  return std::unique_ptr<Game>(new Game(std::move(setup), std::move(*cards)));
}

Game::Game(GameSetup setup, CardTable cards)
    : setup_(std::move(setup)), cards_(std::move(cards)), store_(setup_.saveDir) {
  if (!setup_.platform) ownPlatform_ = std::make_unique<QtPlatform>();
  platform_ = setup_.platform ? setup_.platform : ownPlatform_.get();
  // With windows, the sound system waits until the title is painted (see Show).
  sound_ = setup_.sound ? std::move(setup_.sound)
                        : CreateSdlSoundSystem(setup_.dataDir, /*held=*/setup_.windows);
  if (!setup_.rng) ownRng_ = std::make_unique<ClockSeededRandom>();
  rng_ = setup_.rng ? setup_.rng : ownRng_.get();
  pictures_ = std::make_unique<CardPictures>(setup_.dataDir, &cards_);
  // Both windows at one zoom (remembered with our own preferences), drawn from the sharp art.
  art_ = std::make_unique<SharpArt>(*pictures_, setup_.dataDir);
  zoom_ = std::make_unique<ViewZoom>(setup_.preferences);
  // The statistics and the record of duels beside the save; damage is told once, at Load.
  statistics_ = std::make_unique<Statistics>(store_.Directory());
  statisticsProblem_ = statistics_->Load();
  record_ = std::make_unique<DuelRecordFile>(store_.Directory());
  recordProblem_ = record_->Load();
  opener_ = std::make_unique<DuelOpener>(*this);
  adventure_ = std::make_unique<ADVKorvane>(
      state_, store_, *sound_, *platform_, *opener_,
      setup_.windows ? LoadAdventurePictures(setup_.dataDir) : PlaceholderPictures(), &cards_);
  adventure_->SetRandom(rng_);
  WireAdventure();
}

Game::~Game() {
  reviews_.reset();  // the review under way stops before what it reports to goes
  if (duel_) duel_->OnClosed = nullptr;
  window_.reset();
}

// The duel's logic paints its board as it is made, which needs the duel's pictures: it is made
// when the first duel or the tutorial opens, not before the title.
Korvane& Game::Duel() {
  if (!duel_) {
    duel_ = std::make_unique<Korvane>(state_, *sound_, cards_, *platform_, *rng_, *pictures_);
    WireDuel();
  }
  return *duel_;
}

void Game::WireDuel() {
  Korvane& duel = *duel_;
  duel.SetAdventureMusic(&adventure_->Music());
  // The pace of the duels is the player's own choice, remembered beside the settings.
  if (setup_.preferences) {
    const Preferences prefs = setup_.preferences->Load();
    duel.DuelPace = prefs.pace;
    duel.ScoreShown = prefs.score;  // the views' help, each switched off in the preferences
    duel.PreviewShown = prefs.preview;
    duel.OnPaceChosen = [this](Pace pace) {
      Preferences chosen = setup_.preferences->Load();
      chosen.pace = pace;
      (void)setup_.preferences->Save(chosen);
    };
  }
  duel.OnDuelSettled = [this](const DuelReport& r) { DuelSettled(r); };
  duel.OnDuelRecorded = [this](const DuelRecord& r) {
    QString problem;
    if (!record_->Append(r, &problem) && !problem.isEmpty()) {
      std::fprintf(stderr, "korvane: %s\n", qPrintable(problem));
    }
    ReviewForStatistics(r);
  };
  duel.OnHintShown = [this](int opponent) { statistics_->CountHint(opponent); };
  duel.OnClosed = [this] {
    adventure_->DuelWindowClosed();
    if (window_) {
      window_->Sync();
      window_->activateWindow();  // the keyboard comes back with it
    }
  };
}

void Game::DuelSettled(const DuelReport& report) { statistics_->Record(report); }

// Every recorded duel is reviewed in the background, and its accuracy, mistakes and blunders go
// into the statistics against that opponent once the review is ready. Only the real game does
// it (a duel's review costs about a second of a low-priority thread).
void Game::ReviewForStatistics(const DuelRecord& r) {
  if (!setup_.windows || r.Forfeit || r.Practice) return;
  if (!reviews_) {
    reviews_ = std::make_unique<ReviewWorker>();
    reviewReceiver_ = std::make_unique<QObject>();
  }
  const int opponent = r.Opponent;
  reviews_->Review(PlayedDuel{r.PlayerHand, r.EnemyHand, r.PlayerFirst, r.Moves}, cards_,
                   reviewReceiver_.get(), [this, opponent](DuelReview d) {
                     if (const std::optional<double> accuracy = d.Accuracy()) {
                       statistics_->RecordReview(opponent, *accuracy, d.mistakes, d.blunders);
                     }
                   });
}

void Game::WireAdventure() {
  adventure_->OnNewGame = [this] { (void)statistics_->StartNewGame(); };
  if (!setup_.windows) return;
  window_ = std::make_unique<ADVKorvaneWindow>(*adventure_, zoom_.get(), art_.get());
  window_->OnAlbum = [this](QWidget* over, const GameState& shown, double zoom) {
    return OpenAlbum(over, shown, zoom);
  };
  window_->OnPractice = [this](QWidget* over) { OpenPracticeSetup(over); };
  window_->OnPuzzles = [this](QWidget* over) { OpenPuzzles(over); };
  // The map's marks are the player's to switch off (M), remembered beside the settings.
  if (setup_.preferences) {
    window_->SetMapMarks(setup_.preferences->Load().mapMarks);
    window_->OnMapMarksChosen = [this](bool on) {
      Preferences chosen = setup_.preferences->Load();
      chosen.mapMarks = on;
      (void)setup_.preferences->Save(chosen);
    };
  }
  if (ownPlatform_) {
    ADVKorvaneWindow* window = window_.get();
    ownPlatform_->BeforeEvents = [window] { window->Sync(); };
    // Message boxes follow the zoom; the result's card is painted from the art.
    ownPlatform_->Zoom = [window] { return window->Zoom(); };
    ownPlatform_->Art = art_.get();
  }
}

bool Game::Load() {
  adventure_->Form_Load();
  if (adventure_->Ended()) return false;
  if (!statisticsProblem_.isEmpty()) {
    platform_->ShowOk(QCoreApplication::translate("Messages", "対戦成績"), statisticsProblem_);
  }
  if (!recordProblem_.isEmpty()) {
    platform_->ShowOk(QCoreApplication::translate("Messages", "対戦の記録"), recordProblem_);
  }
  return !adventure_->Ended();
}

void Game::Show() {
  if (!window_) return;
  window_->Sync();  // what Load made of the title, before the first frame
  window_->show();
  window_->StartTimer();
  ReadAheadOncePainted();
}

// The title shows none of the duel's pictures, the town or the portraits. Once it is on the
// screen, they are read on threads of their own, at a low priority, so that the first duel or
// map finds them waiting; one needed before that is read when it is asked for.
void Game::ReadAheadOncePainted() {
  // The window's own widget gets no paint of its own (its stage covers it): the native window's
  // first expose, which paints and shows the widgets in it, is watched instead. A window that
  // the window system keeps covered is not exposed: after two seconds all this starts anyway.
  class FirstExpose : public QObject {
   public:
    FirstExpose(QWidget* window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
      window->windowHandle()->installEventFilter(this);
      QTimer::singleShot(2000, this, [this] { Run(); });
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        // After the expose has painted the window.
        QTimer::singleShot(0, this, [this] { Run(); });
      }
      return false;
    }

   private:
    void Run() {
      if (std::exchange(done_, true)) return;
      then_();
    }
    std::function<void()> then_;
    bool done_ = false;
  };
  auto then = [this] {
    // The title writes nothing in the messages' handwriting face: it is opened now, while the
    // player reads the title, rather than by the first message on the map. First, before the
    // threads below start mapping libraries and files beside it.
    {
      QImage scratch(32, 32, QImage::Format_RGB32);
      QPainter p(&scratch);
      DrawPictureText(p, 0, 0, QStringLiteral("あ字A"), Qt::black);
    }
    sound_->Begin();
    if (OncePainted) OncePainted();
    pictures_->ReadAhead();
    adventure_->Pictures().ReadAhead();
  };
  if (window_->windowHandle()) {
    new FirstExpose(window_.get(), std::move(then));
  } else {
    then();
  }
}

KorvaneWindow* Game::DuelWindow() const { return opener_->Opened(); }

QWidget* Game::OpenAlbum(QWidget* over, const GameState& shown, double zoom) {
  if (!setup_.windows) return nullptr;
  // It opens at the zoom its window shows and follows the zoom keys from then on.
  AlbumWindow* album =
      ShowAlbum(over, shown, *statistics_, *pictures_, cards_, zoom, art_.get(), zoom_.get());
  // Practice duels from the album over the map (not over a duel window, which holds a duel).
  if (!qobject_cast<KorvaneWindow*>(over)) {
    album->SetPractice([this](QWidget* at) { OpenPracticeSetup(at); });
    album->SetPuzzles([this](QWidget* at) { OpenPuzzles(at); });
  }
  // The recorded duels, newest first, each opening its review board over the list.
  album->SetRecordedDuels([this](QWidget* at) {
    const double zoom = zoom_->ZoomOn(at->screen() ? at->screen()->geometry().size() : QSize());
    ShowRecordList(
        at, record_->Duels(),
        [this, zoom](QWidget* list, const DuelRecord& duel) { OpenReview(list, duel, zoom); },
        zoom);
  });
  return album;
}

KorvaneWindow* Game::MakeDuelWindow(Korvane& duel) {
  auto* w = new KorvaneWindow(duel);
  if (window_) w->setWindowIcon(window_->windowIcon());
  w->UseZoom(zoom_.get(), art_.get());
  w->OnAlbum = [this](QWidget* at, const GameState& shown, double zoom) {
    return OpenAlbum(at, shown, zoom);
  };
  w->OnReview = [this](QWidget* at, const DuelRecord& record, double zoom) {
    return OpenReview(at, record, zoom);
  };
  return w;
}

void Game::ShowDuelWindow(KorvaneWindow* w, const QWidget& over) {
  w->Mirror();
  if (!zoom_->FullScreen()) {
    const QScreen* screen = over.screen();
    const QRect place =
        CentredOver(w->size(), over.geometry(), screen ? screen->availableGeometry() : QRect());
    w->setGeometry(place);
    (new KeepPlace(w))->Expect(place);
  }
  w->show();
  w->activateWindow();
}

QWidget* Game::OpenReview(QWidget* over, const DuelRecord& duel, double zoom) {
  if (!setup_.windows) return nullptr;
  return ShowReview(over, duel, cards_, *art_, zoom, zoom_.get());
}

}  // namespace korvane
