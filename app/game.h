// The game assembled: one object that makes and wires every part for a whole run, in the order
// they depend on each other. main() makes it with the real platform, sound and files; the window
// tests and the soak tests make it with their own platform, a silent sound system and a folder of
// their own, so that every run of the game is put together the same way.
//
// What lives here for the whole run: the card table, the game state, the save and settings files,
// the statistics and the duel record beside them, the sound system, the random numbers, the duel's
// pictures and one sharp-art cache, the duel window's logic (whose variables outlive its windows),
// the zoom of both windows, and the adventure's logic and window. The duel window itself is made
// for every duel and for the tutorial, and the album for every opening.
//
// Only what the title shows is made ready before it: the duel's logic is made when the first duel
// opens, and the pictures are read when first asked for, or in the background once the title has
// painted.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/card_table.h"
#include "solver/puzzle.h"
#include "state/game_state.h"
#include "state/save_files.h"

class QWidget;

namespace korvane {

class ADVKorvane;
class ADVKorvaneWindow;
class CardPictures;
class DuelRecordFile;
class Korvane;
class KorvaneWindow;
class Platform;
class PreferenceStore;
class QtPlatform;
class PuzzleProgress;
class RandomSource;
class ReviewWorker;
class SharpArt;
class SoundSystem;
class Statistics;
class ViewZoom;
struct DuelRecord;
struct PracticeChoice;
struct DuelReport;

struct GameSetup {
  QString dataDir;  // the card file, pictures, music and effects
  QString saveDir;  // the save, the settings, the statistics and the record
  // Our own preferences (zoom, pace, language); null: nothing is remembered.
  PreferenceStore* preferences = nullptr;
  // Each may be left empty: then the game's own (the Qt platform, the SDL sound system reading
  // dataDir, a generator seeded from the clock).
  Platform* platform = nullptr;
  std::unique_ptr<SoundSystem> sound;
  RandomSource* rng = nullptr;
  // With windows, a duel opens the duel window over the adventure; without, the duel logic opens
  // on its own and tests drive it.
  bool windows = true;
};

class Game {
 public:
  // Opens the card file and makes every part; nullptr, with *error, when the card file cannot be
  // read (there is no game without it).
  static std::unique_ptr<Game> Make(GameSetup setup, std::string* error);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The adventure's load (the save, the switches, the title music), then whatever went wrong
  // with the statistics or the record is told once. False when the game ended meanwhile (a
  // signal during start-up).
  bool Load();
  // Shows the adventure window and starts its timer (with windows). Once it is painted, the
  // sound system opens (its work would share the processor with the first window), then
  // OncePainted runs, then the pictures the title does not show are read ahead.
  void Show();
  std::function<void()> OncePainted;

  GameState& State() { return state_; }
  const CardTable& Cards() const { return cards_; }
  SaveStore& Files() { return store_; }
  SoundSystem& Sound() { return *sound_; }
  Platform& GamePlatform() { return *platform_; }
  Korvane& Duel();  // made when first needed
  ADVKorvane& Adventure() { return *adventure_; }
  ADVKorvaneWindow* Window() { return window_.get(); }
  KorvaneWindow* DuelWindow() const;
  Statistics& Stats() { return *statistics_; }
  DuelRecordFile& Record() { return *record_; }
  CardPictures& Pictures() { return *pictures_; }
  const SharpArt& Art() const { return *art_; }
  ViewZoom& Zoom() { return *zoom_; }
  // The real platform, when the game made its own (null with a test's platform).
  QtPlatform* OwnPlatform() { return ownPlatform_.get(); }

  // The album over `over`, showing `shown` at `zoom`; null without windows.
  QWidget* OpenAlbum(QWidget* over, const GameState& shown, double zoom);
  // The opponents a practice duel may be against: those the player has duelled (the statistics
  // or the record name them), person indices in order.
  std::vector<int> PracticeOpponents() const;
  // A practice duel (練習試合) on a copy of the game's state: of it only the record keeps
  // anything (the duel marked as practice). A duel window over `over`, or without windows the
  // duel logic alone. Refused (null) while a practice or a story duel is open.
  Korvane* StartPractice(const PracticeChoice& choice, QWidget* over = nullptr);
  Korvane* PracticeDuel() { return practice_.get(); }
  // The practice set-up over `over` (the title's control and F4, the album's button).
  void OpenPracticeSetup(QWidget* over);
  // The puzzles window over `over`, at the puzzle of the day; the shipped set is read once, and
  // the player's progress is kept beside the save.
  void OpenPuzzles(QWidget* over);

  // The review board of `duel` over `over` at `zoom`; null without windows.
  QWidget* OpenReview(QWidget* over, const DuelRecord& duel, double zoom);

 private:
  class DuelOpener;
  Game(GameSetup setup, CardTable cards);
  void WireDuel();
  void WireAdventure();
  void ReadAheadOncePainted();
  void DuelSettled(const DuelReport& report);
  void ReviewForStatistics(const DuelRecord& r);
  // A duel window on `duel`, wired to the album and the review board; shown centred over `over`.
  KorvaneWindow* MakeDuelWindow(Korvane& duel);
  void ShowDuelWindow(KorvaneWindow* w, const QWidget& over);

  GameSetup setup_;
  CardTable cards_;
  GameState state_;
  SaveStore store_;
  std::unique_ptr<QtPlatform> ownPlatform_;
  Platform* platform_ = nullptr;
  std::unique_ptr<SoundSystem> sound_;
  std::unique_ptr<RandomSource> ownRng_;
  RandomSource* rng_ = nullptr;
  std::unique_ptr<CardPictures> pictures_;
  std::unique_ptr<SharpArt> art_;
  std::unique_ptr<ViewZoom> zoom_;
  std::unique_ptr<Statistics> statistics_;
  std::unique_ptr<DuelRecordFile> record_;
  QString statisticsProblem_, recordProblem_;
  std::unique_ptr<Korvane> duel_;
  std::unique_ptr<DuelOpener> opener_;
  std::unique_ptr<ADVKorvane> adventure_;
  std::unique_ptr<ADVKorvaneWindow> window_;
  std::unique_ptr<ReviewWorker> reviews_;
  std::unique_ptr<QObject> reviewReceiver_;
  GameState practiceState_;
  std::unique_ptr<Korvane> practice_;
  QPointer<KorvaneWindow> practiceWindow_;
  std::unique_ptr<PuzzleProgress> puzzleProgress_;
  std::vector<Puzzle> puzzles_;
  QPointer<QWidget> puzzleWindow_;
};

// The data folder: next to the executable in the build tree, or in the installed share folder.
QString FindDataDir();
// The card file in `dataDir`, its name matched without regard to case.
QString CardFilePath(const QString& dataDir);

}  // namespace korvane
