// The review board: a session over self-play duels held against the solver's review (values,
// marks, lines, playing on from a position without touching the record), and the window offscreen
// stepped through by keys once its review has been worked out.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "ai/selfplay.h"
#include "engine/random.h"
#include "review/record_list.h"
#include "review/review_session.h"
#include "review/review_window.h"
#include "solver/analyst.h"
#include "solver/solver.h"
#include "tests/engine/engine_test_support.h"
#include "ui/accessibility.h"
#include "tests/support/recorded_duels.h"
#include "ui/card_pictures.h"
#include "ui/sharp_art.h"

namespace korvane {
namespace {

const CardTable& Cards() {
  static const CardTable table = test::SourceCardTable();
  return table;
}

std::vector<DuelRecord> SelfPlayRecords(int games, uint64_t seed) {
  std::vector<DuelRecord> records;
  SelfPlaySide enemy{"高原", true}, player{"random", false};
  RunSelfPlay(Cards(), enemy, player, games, seed,
              [&](const SelfPlayLog& log, const DuelOutcome& out) {
                DuelRecord r;
                std::copy(log.playerHand.begin(), log.playerHand.end(), r.PlayerHand.begin());
                std::copy(log.enemyHand.begin(), log.enemyHand.end(), r.EnemyHand.begin());
                r.PlayerFirst = log.playerFirst;
                r.Moves = log.moves;
                r.Result = out.result;
                r.PlayerScore = out.PlayerScore;
                r.EnemyScore = out.EnemyScore;
                records.push_back(r);
              });
  return records;
}

TEST(ReviewSession, FollowsTheSolverAndPlaysOnWithoutTouchingTheRecord) {
  for (const DuelRecord& record : SelfPlayRecords(2, 7)) {
    ReviewSession session(record, Cards());
    ASSERT_EQ(session.Moves(), 10);
    session.GoTo(99);
    EXPECT_EQ(session.Step(), 10);
    EXPECT_TRUE(session.Values().empty());  // nothing before the review arrives
    std::string error;
    std::optional<DuelReview> review = ReviewDuel(session.Played(), Cards(), &error);
    ASSERT_TRUE(review) << error;
    session.SetReview(*review);
    const std::vector<int> values = session.Values();
    ASSERT_EQ(values.size(), 11u);
    // The last value is the duel's own final margin.
    EXPECT_EQ(values.back(), record.PlayerScore - record.EnemyScore);
    for (int step = 1; step <= 10; ++step) {
      session.GoTo(step);
      const ReviewedMove& m = *session.MoveInView();
      EXPECT_EQ(values[step], m.value);
      const std::vector<ReviewSession::BoardMark> marks = session.Marks();
      // A placement that lost value shows where the best one was.
      ASSERT_EQ(marks.size(), m.alternative ? 2u : 1u) << step;
      EXPECT_EQ(marks[0].column, m.move.column);
      EXPECT_TRUE(session.MoveLine(step).contains(LabelText(m.label)));
    }
    EXPECT_TRUE(session.Summary().contains(QStringLiteral("%")));

    // Playing on from the deal: a refused placement changes nothing, good ones run to the end.
    session.GoTo(0);
    session.RetryFromHere();
    ASSERT_TRUE(session.Retrying());
    EXPECT_FALSE(session.RetryPlace(0, 1, 1));  // a corner outside the diamond
    SeededRandom rng(record.PlayerHand[0]);
    for (int guard = 0; !session.RetryOutcome() && guard < 200; ++guard) {
      const DuelState& s = session.RetryPosition();
      const std::vector<Placement> moves = LegalPlacements(s);
      ASSERT_FALSE(moves.empty());
      const Placement& p = moves[static_cast<size_t>(rng.Next() * moves.size()) % moves.size()];
      ASSERT_TRUE(session.RetryPlace(p.slot, p.column, p.row));
    }
    ASSERT_TRUE(session.RetryOutcome());
    EXPECT_EQ(session.Record(), record);
    session.StopRetrying();
    EXPECT_FALSE(session.Retrying());
  }
}

// A duel with a mistake and a blunder of the player's: the analyst's review labels both with the
// values the solver gives the positions directly, and the board marks the placement made and the
// one that would have kept the win.
TEST(ReviewSession, LabelsTheMistakeAndTheBlunderWithTheSolversValues) {
  const DuelRecord record = test::BlunderDuel(Cards());
  ReviewSession session(record, Cards());
  ASSERT_EQ(session.Moves(), 10);
  Analyst analyst;
  analyst.Start(DealOf(session.Played(), Cards()));
  ASSERT_TRUE(QTest::qWaitFor([&] { return analyst.Ready(); }, 180000));
  std::string error;
  std::optional<DuelReview> review =
      ReviewDuel(session.Played(), Cards(), &error, AnalystSolver(analyst));
  ASSERT_TRUE(review) << error;
  session.SetReview(*review);
  EXPECT_EQ(review->mistakes, 1);
  EXPECT_EQ(review->blunders, 1);
  EXPECT_EQ(review->playerKept, 2);
  EXPECT_EQ(review->playerMoves, 5);
  const struct {
    int step;
    MoveLabel label;
    int best, value;
    const char* alternative;
    const char* tag;
  } expected[] = {{4, MoveLabel::Mistake, 3, 0, "p4@3,4", "悪手"},
                  {8, MoveLabel::Blunder, 1, -1, "p4@3,4", "大悪手"}};
  for (const auto& e : expected) {
    SCOPED_TRACE(e.step);
    const ReviewedMove& m = review->moves[e.step - 1];
    EXPECT_EQ(m.label, e.label);
    EXPECT_EQ(m.bestValue, e.best);
    EXPECT_EQ(m.value, e.value);
    ASSERT_TRUE(m.alternative);
    EXPECT_EQ(*m.alternative, *ParsePlacement(e.alternative));
    // The solver on its own gives the same values: before the placement, after it, and after
    // the alternative.
    session.GoTo(e.step - 1);
    DuelState before = session.Position(), instead = before;
    session.GoTo(e.step);
    EXPECT_EQ(Solve(before).margin, e.best);
    EXPECT_EQ(Solve(session.Position()).margin, e.value);
    PlayPlacement(instead, *m.alternative);
    EXPECT_EQ(Solve(instead).margin, e.best);
    const std::vector<ReviewSession::BoardMark> marks = session.Marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(std::tie(marks[0].column, marks[0].row), std::tie(m.move.column, m.move.row));
    EXPECT_EQ(marks[0].tag, QString::fromUtf8(e.tag));
    EXPECT_EQ(std::tie(marks[1].column, marks[1].row),
              std::tie(m.alternative->column, m.alternative->row));
    EXPECT_EQ(marks[1].tag, QStringLiteral("最善"));
  }
  EXPECT_TRUE(session.Summary().contains(QStringLiteral("正確さ 40%（悪手 1、大悪手 1）")));
}

TEST(ReviewWindow, StepsByKeysOnceReviewed) {
  const DuelRecord record = SelfPlayRecords(1, 11).front();
  CardPictures pictures(QStringLiteral(KORVANE_DATA_DIR), &Cards());
  SharpArt art(pictures, QStringLiteral(KORVANE_DATA_DIR));
  ReviewWindow window(record, Cards(), art, nullptr, 1.5);
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Reviewed(); }, 180000));
  const struct {
    Qt::Key key;
    int step;
  } presses[] = {{Qt::Key_End, 10}, {Qt::Key_Left, 9},  {Qt::Key_Home, 0},
                 {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 2}};
  for (const auto& p : presses) {
    QTest::keyClick(&window, p.key);
    EXPECT_EQ(window.Session().Step(), p.step) << p.key;
  }
  // A screen reader reads the position shown square by square: two cards down after two steps.
  QWidget* board = nullptr;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (AccessibleName(w) == QStringLiteral("盤")) board = w;
  }
  ASSERT_TRUE(board);
  const std::vector<QString> squares = AccessibleItemNames(board);
  ASSERT_EQ(squares.size(), 13u);
  EXPECT_EQ(std::count_if(squares.begin(), squares.end(),
                          [](const QString& s) { return !s.contains(QStringLiteral("：空き")); }),
            2);
  QTest::keyClick(&window, Qt::Key_R);
  EXPECT_TRUE(window.Session().Retrying());
  QTest::keyClick(&window, Qt::Key_R);
  EXPECT_FALSE(window.Session().Retrying());
  window.grab().save(QStringLiteral(KORVANE_SHOTS_DIR "/review_board.png"));
}

TEST(RecordList, NewestFirstWithThePracticeDuelsCountedApart) {
  std::vector<DuelRecord> duels = SelfPlayRecords(3, 5);
  duels[0].Practice = true;
  duels[0].Result = DuelResult::PlayerWon;
  std::vector<DuelRecord> opened;
  RecordList list(duels, [&](QWidget*, const DuelRecord& r) { opened.push_back(r); });
  ASSERT_EQ(list.List()->count(), 3);
  EXPECT_EQ(list.List()->item(0)->text(), RecordLine(duels[2]));
  EXPECT_TRUE(list.List()->item(2)->text().contains(QStringLiteral("練習")));
  auto* tally = list.findChild<QLabel*>(QStringLiteral("PracticeTally"));
  ASSERT_TRUE(tally);
  EXPECT_EQ(tally->text(), QStringLiteral("練習試合：1戦 1勝 0敗 0分"));
  list.OpenRow(2);
  list.OpenRow(7);  // no such row: nothing
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], duels[0]);
}

}  // namespace
}  // namespace korvane
