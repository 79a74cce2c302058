// Shipped puzzles solved through the session and through the window's keys: a wrong placement
// is refuted to the last card and can be tried again, the right ones are answered by the
// solution's replies until the puzzle is solved and counted in the player's progress. The
// player's own puzzles come from a duel record in the save folder, which is only read.
#include "puzzle/puzzle_session.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "engine/duel_model.h"
#include "puzzle/puzzle_window.h"
#include "ui/view_zoom.h"
#include "solver/puzzle_file.h"
#include "solver/solver.h"
#include "state/puzzle_progress.h"
#include "tests/engine/engine_test_support.h"
#include "tests/support/recorded_duels.h"
#include "ui/card_pictures.h"
#include "ui/sharp_art.h"

namespace korvane {
namespace {

const CardTable& Cards() {
  static const CardTable table = test::SourceCardTable();
  return table;
}

// The first shipped puzzles: some of one placement, some of several.
std::vector<Puzzle> Shipped(size_t count) {
  std::string error;
  const std::optional<PuzzleFile> file =
      ReadPuzzleFile(QStringLiteral(KORVANE_SOURCE_DIR "/assets/puzzles/puzzles.jsonl"), &error);
  EXPECT_TRUE(file.has_value()) << error;
  std::vector<Puzzle> some, longer;
  for (const Puzzle& p : file ? file->puzzles : std::vector<Puzzle>{}) {
    auto& into = p.solution.size() > 1 ? longer : some;
    if (into.size() < count) into.push_back(p);
  }
  some.insert(some.end(), longer.begin(), longer.end());
  return some;
}

// A legal placement of the player's that is not the key (another square).
Placement WrongPlacement(const DuelState& s, const Placement& key) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const Placement m{false, key.slot, c, r};
      if ((c != key.column || r != key.row) && IsLegalPlacement(s, m)) return m;
    }
  }
  return key;
}

TEST(PuzzleSessionTest, WrongPlacementsAreRefutedAndRightOnesSolve) {
  const std::vector<Puzzle> puzzles = Shipped(3);
  ASSERT_GE(puzzles.size(), 4u);
  for (const Puzzle& p : puzzles) {
    SCOPED_TRACE(p.id);
    std::optional<PuzzleSession> s = PuzzleSession::Open(p, Cards());
    ASSERT_TRUE(s.has_value());
    EXPECT_FALSE(s->GoalKnown());  // the solver's part is handed in
    s->SetMargin(*GoalMargin(s->Asked()));
    const DuelState asked = s->Position();
    const Placement wrong = WrongPlacement(asked, p.solution[0]);
    EXPECT_EQ(s->Place(wrong.slot, 0, 0), PuzzleSession::Try::Refused);
    ASSERT_EQ(s->Place(wrong.slot, wrong.column, wrong.row), PuzzleSession::Try::Wrong);
    EXPECT_FALSE(s->ShowNextRefutation());  // not worked out yet
    s->SetRefutation(*RefutationLine(s->Position()));
    while (s->ShowNextRefutation()) {
    }
    EXPECT_TRUE(s->RefutationShown());
    // Played out to the last card, the wrong placement ends a band below the goal.
    const FaceUpCount end = s->Count();
    EXPECT_LT(OutcomeBand(end.player - end.enemy), OutcomeBand(s->Margin()));
    s->Retry();
    EXPECT_EQ(s->State(), PuzzleSession::Phase::Asking);
    EXPECT_EQ(s->Position().BoardCard, asked.BoardCard);
    for (size_t i = 0; i < p.solution.size(); i += 2) {
      const Placement& m = p.solution[i];
      ASSERT_EQ(s->Place(m.slot, m.column, m.row), PuzzleSession::Try::Right);
      if (i + 1 < p.solution.size()) {
        EXPECT_EQ(s->LastReply(), p.solution[i + 1]);
      }
    }
    EXPECT_EQ(s->State(), PuzzleSession::Phase::Solved);
    EXPECT_EQ(s->Wrong(), 1);
  }
  EXPECT_NE(PuzzleOfTheDay(QDate(2026, 12, 9), 320), PuzzleOfTheDay(QDate(2026, 12, 10), 320));
  EXPECT_EQ(PuzzleOfTheDay(QDate(2026, 12, 9), 320), PuzzleOfTheDay(QDate(2026, 12, 9), 320));
}

// The keys that take the window's square cursor from (3,3) to the square and place the card.
void PlaceByKeys(QWidget* w, const Placement& m) {
  QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_1 + m.slot));
  for (int c = 3; c != m.column; c += m.column > 3 ? 1 : -1) {
    QTest::keyClick(w, m.column > 3 ? Qt::Key_Right : Qt::Key_Left);
  }
  for (int r = 3; r != m.row; r += m.row > 3 ? 1 : -1) {
    QTest::keyClick(w, m.row > 3 ? Qt::Key_Down : Qt::Key_Up);
  }
  QTest::keyClick(w, Qt::Key_Return);
  // Back to (3,3) for the next placement.
  for (int r = m.row; r != 3; r += m.row > 3 ? -1 : 1) {
    QTest::keyClick(w, m.row > 3 ? Qt::Key_Up : Qt::Key_Down);
  }
  for (int c = m.column; c != 3; c += m.column > 3 ? -1 : 1) {
    QTest::keyClick(w, m.column > 3 ? Qt::Key_Left : Qt::Key_Right);
  }
}

TEST(PuzzleWindowTest, SolvedByKeyboardAfterAWrongTry) {
  const std::vector<Puzzle> puzzles = Shipped(1);
  ASSERT_EQ(puzzles.size(), 2u);
  const Puzzle& p = puzzles[1];  // several placements
  QTemporaryDir dir;
  PuzzleProgress progress(dir.path());
  const CardPictures pictures(&Cards());
  const SharpArt art(pictures, QString());
  PuzzleWindow window(puzzles, 1, Cards(), art, &progress);
  window.show();
  ASSERT_NE(window.Session(), nullptr);
  // The goal and the refutation are worked out off the window's thread and arrive.
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Session()->GoalKnown(); }, 60000));
  EXPECT_TRUE(window.Session()->GoalIsWin());
  PlaceByKeys(&window, WrongPlacement(window.Session()->Position(), p.solution[0]));
  EXPECT_EQ(window.Session()->State(), PuzzleSession::Phase::Refuted);
  EXPECT_TRUE(window.StatusText().contains(QStringLiteral("残念")));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return window.StatusText().contains(QStringLiteral("になりました")); }, 60000));
  EXPECT_TRUE(window.Session()->RefutationShown());
  QTest::keyClick(&window, Qt::Key_R);
  EXPECT_EQ(window.Session()->State(), PuzzleSession::Phase::Asking);
  for (size_t i = 0; i < p.solution.size(); i += 2) PlaceByKeys(&window, p.solution[i]);
  EXPECT_EQ(window.Session()->State(), PuzzleSession::Phase::Solved);
  EXPECT_TRUE(progress.Solved(p.id));
  EXPECT_LT(progress.Rating().rating, 1500);  // solved after a wrong try: a loss
  QTest::keyClick(&window, Qt::Key_N);
  EXPECT_EQ(window.Index(), 0);
  // The list marks the solved puzzle; choosing a row opens that puzzle.
  auto* list = window.findChild<QListWidget*>(QStringLiteral("PuzzleList"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(list->item(1)->text().startsWith(QStringLiteral("✓")));
  EXPECT_FALSE(list->item(0)->text().startsWith(QStringLiteral("✓")));
  list->setCurrentRow(1);
  EXPECT_EQ(window.Index(), 1);
  QTest::keyClick(&window, Qt::Key_P);
  EXPECT_EQ(window.Index(), 0);
  // At another zoom the window is built again at that size (as far as the screen has room),
  // on the same puzzle.
  window.SetZoom(2);
  EXPECT_EQ(window.size(),
            ZoomToFit(2, PuzzleWindow::kSize, AvailableRoom(&window)) * PuzzleWindow::kSize);
  EXPECT_EQ(window.Index(), 0);
  EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("PuzzleList"))->currentRow(), 0);
}

// A duel of the record that passes through a shipped puzzle's position: its moves, the
// solution, then perfect play to the last card.
DuelRecord DuelThrough(const Puzzle& p) {
  DuelState s = *PuzzlePosition(p, Cards());
  std::vector<Placement> moves = p.moves;
  for (const Placement& m : p.solution) {
    PlayPlacement(s, m);
    moves.push_back(m);
  }
  for (const Placement& m : Solve(s).line) moves.push_back(m);
  return test::RecordOf(p.player, p.enemy, moves, Cards());
}

TEST(PuzzleWindowTest, OwnPuzzlesComeFromTheRecordWhichStaysAsItWas) {
  // A shipped puzzle that the mining reaches (seven cards or fewer left).
  std::optional<Puzzle> known;
  for (const Puzzle& p : Shipped(20)) {
    if (p.moves.size() >= 3 && !known) known = p;
  }
  ASSERT_TRUE(known);
  const QByteArray good = QJsonDocument(ToJson(DuelThrough(*known))).toJson(QJsonDocument::Compact);
  const struct {
    const char* what;
    std::optional<QByteArray> file;  // none: no record at all
    const char* told;                // in the status of the empty or the found list
    bool found;
  } cases[] = {
      {"no record", std::nullopt, "まだ対戦の記録がありません", false},
      {"nothing readable", QByteArray("{garbled\n"), "読めませんでした", false},
      {"one line damaged", good + "\n{garbled\n", "読めない行", true},
  };
  const CardPictures pictures(&Cards());
  const SharpArt art(pictures, QString());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(DuelRecordFile::kFileName));
    if (c.file) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(*c.file);
    }
    PuzzleProgress progress(dir.path());
    PuzzleWindow window(Shipped(1), 0, Cards(), art, &progress);
    window.FindOwnPuzzles(dir.path());
    window.show();
    QTest::keyClick(&window, Qt::Key_Tab);
    ASSERT_EQ(window.Set(), PuzzleSet::Own);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.OwnSearched(); }, 60000));
    EXPECT_TRUE(window.StatusText().contains(QString::fromUtf8(c.told)))
        << window.StatusText().toStdString();
    // Read, never changed: damage stays where it is for the game's own loading.
    QFile f(path);
    EXPECT_EQ(f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt, c.file);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("PuzzleList"));
    ASSERT_EQ(list->count(), static_cast<int>(window.Own().size()));
    if (!c.found) {
      EXPECT_EQ(window.Session(), nullptr);
      continue;
    }
    int row = -1;
    for (size_t i = 0; i < window.Own().size(); ++i) {
      const Puzzle& mined = window.Own()[i].puzzle;
      if (mined.moves == known->moves && mined.solution == known->solution)
        row = static_cast<int>(i);
    }
    ASSERT_GE(row, 0) << "the shipped puzzle's position was not found in the duel";
    list->setCurrentRow(row);
    const std::string id = window.Own()[row].puzzle.id;
    for (size_t i = 0; i < known->solution.size(); i += 2) PlaceByKeys(&window, known->solution[i]);
    EXPECT_EQ(window.Session()->State(), PuzzleSession::Phase::Solved);
    EXPECT_TRUE(progress.Solved(id, PuzzleSet::Own));
    EXPECT_FALSE(progress.Solved(id) || progress.Solved(known->id, PuzzleSet::Own));
    EXPECT_GT(progress.Rating().rating, 1500);  // at the first try: a win
    EXPECT_TRUE(list->item(row)->text().startsWith(QStringLiteral("✓")));
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(window.Set(), PuzzleSet::Shipped);
    EXPECT_FALSE(list->item(0)->text().startsWith(QStringLiteral("✓")));
  }
}

}  // namespace
}  // namespace korvane
