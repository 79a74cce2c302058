// Practice duels (練習試合) and puzzles (詰めKORVANE), outside the story. Practice duels: a duel
// window of their own on a copy of the game's state, so that no collection, counter, story step or
// save can change; only the duel record keeps them, marked as practice, and the story's statistics
// leave them out.
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QScreen>
#include <QWidget>
#include <set>

#include "adventure/adv_korvane.h"
#include "adventure/adv_window.h"
#include "app/game.h"
#include "app/practice_setup.h"
#include "duel/korvane.h"
#include "duel/korvane_window.h"
#include "puzzle/puzzle_session.h"
#include "puzzle/puzzle_window.h"
#include "solver/puzzle_file.h"
#include "state/duel_record.h"
#include "state/preferences.h"
#include "state/puzzle_progress.h"
#include "state/statistics.h"
#include "ui/view_zoom.h"

namespace korvane {

std::vector<int> Game::PracticeOpponents() const {
  std::set<int> met;
  for (int p = 1; p < kPersons; ++p) {
    if (statistics_->Against(p).Duels > 0) met.insert(p);
  }
  for (const DuelRecord& r : record_->Duels()) {
    if (r.Opponent >= 1 && r.Opponent < kPersons) met.insert(r.Opponent);
  }
  return {met.begin(), met.end()};
}

Korvane* Game::StartPractice(const PracticeChoice& choice, QWidget* over) {
  if (choice.opponent < 1 || choice.opponent >= kPersons) return nullptr;
  if (practiceWindow_ || DuelWindow() || (practice_ && !setup_.windows && practice_->IsOpen())) {
    return nullptr;
  }
  // The player's own collection: the game being played, else the last save, else a new game's.
  practiceState_ = state_;
  if (practiceState_.PlayerName.isEmpty() && !store_.LoadGame(practiceState_)) {
    NewGameState(practiceState_, QStringLiteral("練習"), 0);
  }
  practiceState_.OpponentName = PersonName(choice.opponent);
  practiceState_.TutorialMode = 0;
  practiceState_.SeriesWins = practiceState_.SeriesLosses = practiceState_.SeriesDraws = 0;

  practice_ =
      std::make_unique<Korvane>(practiceState_, *sound_, cards_, *platform_, *rng_, *pictures_);
  Korvane& duel = *practice_;
  duel.Practice = true;
  duel.PracticeStrength = choice.strength;
  duel.SeedPractice(choice.seed ? choice.seed
                                : static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
  duel.UseAnalyst = duel_ ? duel_->UseAnalyst : setup_.windows;
  if (choice.strength == Strength::Master) duel.UseAnalyst = true;
  duel.SetAdventureMusic(&adventure_->Music());
  // The player's own pace and the views' help, as every duel of the story has them (a practice
  // duel may come before any story duel has been made).
  if (setup_.preferences) {
    const Preferences prefs = setup_.preferences->Load();
    duel.DuelPace = prefs.pace;
    duel.ScoreShown = prefs.score;
    duel.PreviewShown = prefs.preview;
    duel.OnPaceChosen = [this](Pace pace) {
      Preferences chosen = setup_.preferences->Load();
      chosen.pace = pace;
      (void)setup_.preferences->Save(chosen);
    };
  } else if (duel_) {
    duel.DuelPace = duel_->DuelPace;
  }
  duel.OnDuelRecorded = [this](const DuelRecord& r) {
    QString problem;
    if (!record_->Append(r, &problem) && !problem.isEmpty()) {
      std::fprintf(stderr, "korvane: %s\n", qPrintable(problem));
    }
  };
  duel.OnClosed = [this] {
    if (window_ && window_->isVisible()) window_->activateWindow();
  };
  if (!setup_.windows || !window_) {
    duel.Form_Load();
    return &duel;
  }
  KorvaneWindow* w = MakeDuelWindow(duel);
  practiceWindow_ = w;
  ShowDuelWindow(w, over ? *over : static_cast<const QWidget&>(*window_));
  return &duel;
}

void Game::OpenPracticeSetup(QWidget* over) {
  if (!setup_.windows || practiceWindow_ || DuelWindow()) return;
  QWidget* at = over ? over : window_.get();
  const double zoom = zoom_->ZoomOn(at && at->screen() ? at->screen()->geometry().size() : QSize());
  auto* setup = new PracticeSetup(
      PracticeOpponents(), [this, at](const PracticeChoice& c) { StartPractice(c, at); }, at, zoom);
  setup->setAttribute(Qt::WA_DeleteOnClose);
  setup->open();
}

void Game::OpenPuzzles(QWidget* over) {
  if (!setup_.windows || puzzleWindow_) return;
  QWidget* at = over ? over : window_.get();
  if (!puzzleProgress_) {
    std::string error;
    const std::optional<PuzzleFile> file =
        ReadPuzzleFile(QDir(setup_.dataDir).filePath(QStringLiteral("puzzles.jsonl")), &error);
    if (file) puzzles_ = file->puzzles;
    puzzleProgress_ = std::make_unique<PuzzleProgress>(setup_.saveDir);
    const QString told = puzzleProgress_->Load();
    if (!told.isEmpty())
      platform_->ShowOk(QCoreApplication::translate("Puzzle", "詰めKORVANE"), told);
  }
  if (puzzles_.empty()) {
    platform_->ShowOk(QCoreApplication::translate("Puzzle", "詰めKORVANE"),
                      QCoreApplication::translate("Puzzle", "問題のファイルが見つかりません。"));
    return;
  }
  const double zoom = zoom_->ZoomOn(at && at->screen() ? at->screen()->geometry().size() : QSize());
  const int first = PuzzleOfTheDay(QDate::currentDate(), static_cast<int>(puzzles_.size()));
  puzzleWindow_ = ShowPuzzles(at, puzzles_, first, cards_, *art_, puzzleProgress_.get(), zoom,
                              zoom_.get(), setup_.saveDir);
}

}  // namespace korvane
