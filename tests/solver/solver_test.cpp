// The solver held against a plain full-width minimax, against the same duel seen from the other
// side, and against the engine playing its principal line to the end test.
#include <gtest/gtest.h>

#include <set>

#include "ai/selfplay.h"
#include "solver/search.h"
#include "tests/solver/solver_test_support.h"

namespace korvane {
namespace {

using test::Advance;
using test::RandomPosition;

std::set<std::string> Texts(const std::vector<Placement>& moves) {
  std::set<std::string> out;
  for (const Placement& m : moves) out.insert(PlacementText(m));
  return out;
}

TEST(SolverTest, ValueAndBestMovesMatchPlainMinimax) {
  // Positions per number of cards left; the reference tries every move to the end.
  const int kPositions[] = {0, 600, 800, 800, 150, 4, 1};
  SeededRandom rng(1);
  int checked = 0;
  for (int left = 1; left <= 6; ++left) {
    for (int k = 0; k < kPositions[left]; ++k, ++checked) {
      const DuelState s = RandomPosition(rng, left);
      const bool enemy = s.Turn == TurnState::Enemy;
      // The reference value of every move, and of the position.
      std::set<std::string> keeping;
      std::vector<std::pair<Placement, int>> values;
      int best = enemy ? 99 : -99;
      for (const Placement& m : LegalPlacements(s)) {
        DuelState next = s;
        Advance(next, m.enemy, m.slot, m.column, m.row);
        values.emplace_back(m, test::ReferenceMargin(next));
        best = enemy ? std::min(best, values.back().second) : std::max(best, values.back().second);
      }
      for (const auto& [m, v] : values) {
        if (v == best) keeping.insert(PlacementText(m));
      }
      const SolveResult r = Solve(s);
      ASSERT_TRUE(r.finished);
      ASSERT_EQ(r.margin, best) << "position " << checked << ", " << left << " left";
      EXPECT_EQ(Texts(r.best), keeping) << "position " << checked;
      EXPECT_EQ(r.turn, s.Turn);
      EXPECT_EQ(r.MoverValue(), enemy ? -best : best);
    }
  }
}

TEST(SolverTest, PrincipalLinePlayedOutByTheEngineEndsAtTheMargin) {
  SeededRandom rng(2);
  for (int k = 0; k < 40; ++k) {
    DuelState s = RandomPosition(rng, 5 + k % 3);
    const int left = test::CardsLeft(s);
    const SolveResult r = Solve(s);
    ASSERT_TRUE(r.finished);
    ASSERT_EQ(static_cast<int>(r.line.size()), left) << "position " << k;
    ASSERT_FALSE(r.best.empty());
    EXPECT_EQ(r.line.front(), r.best.front());
    for (const Placement& m : r.line) {
      // Each move is legal and made by the side whose turn it is.
      const std::vector<Placement> legal = LegalPlacements(s);
      ASSERT_NE(std::find(legal.begin(), legal.end(), m), legal.end()) << PlacementText(m);
      Advance(s, m.enemy, m.slot, m.column, m.row);
    }
    const std::optional<DuelOutcome> out = EndTest(s);
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->PlayerScore - out->EnemyScore, r.margin) << "position " << k;
  }
}

TEST(SolverTest, TheDuelSeenFromTheOtherSideHasTheValueNegated) {
  SeededRandom rng(3);
  for (int k = 0; k < 120; ++k) {
    const DuelState s = RandomPosition(rng, 2 + k % 5);
    const SolveResult r = Solve(s);
    const SolveResult m = Solve(MirrorSides(s));
    ASSERT_TRUE(r.finished && m.finished);
    EXPECT_EQ(m.margin, -r.margin) << "position " << k;
    EXPECT_EQ(m.MoverValue(), r.MoverValue());
    // The best moves are the same moves, turned round.
    std::vector<Placement> turned;
    for (Placement p : r.best) turned.push_back({!p.enemy, p.slot, 6 - p.column, 6 - p.row});
    EXPECT_EQ(Texts(m.best), Texts(turned)) << "position " << k;
  }
}

TEST(SolverTest, SearchPositionsFollowTheDuelMoveByMove) {
  // The search keeps each card's cover up to date move by move; the duel measures every card
  // afresh at each redraw. Both must see the same board.
  SeededRandom rng(4);
  for (int game = 0; game < 300; ++game) {
    DuelState s = RandomPosition(rng, 10);
    SolveLimits limits;
    search::Searcher searcher(s, 10, limits);
    search::Node n = searcher.NodeOf(s);
    while (test::CardsLeft(s) > 0) {
      const std::vector<Placement> moves = LegalPlacements(s);
      const Placement m = moves[test::Pick(rng, static_cast<int>(moves.size()))];
      n = searcher.Play(n, m.slot, search::SquareIndex(m.column, m.row));
      Advance(s, m.enemy, m.slot, m.column, m.row);
      const search::Node fresh = searcher.NodeOf(s);
      ASSERT_EQ(n.bits.occupied, fresh.bits.occupied);
      ASSERT_EQ(n.bits.playerCards, fresh.bits.playerCards) << "game " << game;
      ASSERT_EQ(n.bits.enemyCards, fresh.bits.enemyCards) << "game " << game;
      ASSERT_EQ(n.bits.playerField, fresh.bits.playerField) << "game " << game;
      ASSERT_EQ(n.bits.enemyField, fresh.bits.enemyField) << "game " << game;
      for (SquareMask up = n.bits.playerCards | n.bits.enemyCards; up; up &= up - 1) {
        const int i = std::countr_zero(up);
        ASSERT_EQ(n.bits.coverAt[i], fresh.bits.coverAt[i]) << "game " << game << " bit " << i;
      }
      ASSERT_EQ(n.board, fresh.board);
      ASSERT_EQ(n.empty, fresh.empty);
      ASSERT_EQ(n.played, fresh.played);
      ASSERT_EQ(n.enemy, fresh.enemy);
    }
  }
}

TEST(SolverTest, EdgesOfTheDuelAndGivingUp) {
  SeededRandom rng(5);
  // All ten placed: the count is the margin, nothing to play.
  DuelState over = RandomPosition(rng, 0);
  const SolveResult done = Solve(over);
  const FaceUpCount up = CountFaceUp(over);
  EXPECT_TRUE(done.finished);
  EXPECT_EQ(done.margin, up.player - up.enemy);
  EXPECT_TRUE(done.best.empty() && done.line.empty());
  // Nobody's turn with cards in hand is no position to solve.
  DuelState nobody = RandomPosition(rng, 4);
  nobody.Turn = TurnState::Nobody;
  EXPECT_THROW(Solve(nobody), std::invalid_argument);

  // A deadline that has passed or a stop flag already set: nothing is searched.
  const DuelState deal = RandomPosition(rng, 10);
  SolveLimits late;
  late.deadline = std::chrono::steady_clock::now();
  std::atomic<bool> stop{true};
  SolveLimits stopped;
  stopped.stop = &stop;
  for (const SolveLimits& limits : {late, stopped}) {
    const SolveResult r = Solve(deal, limits);
    EXPECT_FALSE(r.finished);
    EXPECT_EQ(r.nodes, 0u);
    EXPECT_TRUE(r.best.empty() && r.line.empty());
  }
  // A whole duel takes seconds: the search gives up on its own, soon after the deadline.
  SolveLimits brief;
  brief.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(30);
  const SolveResult cut = Solve(deal, brief);
  EXPECT_FALSE(cut.finished);
  EXPECT_LT(cut.seconds, 2.0);
  EXPECT_TRUE(cut.best.empty());
}

}  // namespace
}  // namespace korvane
