// The analyst against the plain solver and hint on the same positions, and its stop.
#include "solver/analyst.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/solver/solver_test_support.h"

namespace korvane {
namespace {

using Clock = std::chrono::steady_clock;
using test::Advance;
using test::RandomPosition;

bool WaitReady(const Analyst& a) {
  const Clock::time_point until = Clock::now() + std::chrono::minutes(5);
  while (!a.Ready() && Clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return a.Ready();
}

bool WaitIdle(const Analyst& a) {
  const Clock::time_point until = Clock::now() + std::chrono::minutes(2);
  while (a.Busy() && Clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return !a.Busy();
}

TEST(AnalystTest, QueriesAndHintsAnswerAsSolveAndHintForPlayer) {
  // Duels started with this many cards left; after Ready each is played on at random and every
  // position is asked of the analyst and of a solve of its own.
  struct Case {
    int left, duels;
  };
  const Case kCases[] = {{10, 1}, {8, 3}, {6, 8}};
  SeededRandom rng(31);
  AiWeights w;
  SetWeightsFor("風見 誠", &w);
  Analyst analyst;  // one analyst for every duel: Start forgets the earlier one
  int positions = 0, hints = 0;
  for (const Case& c : kCases) {
    for (int d = 0; d < c.duels; ++d) {
      DuelState s = RandomPosition(rng, c.left);
      analyst.Start(s);
      ASSERT_TRUE(WaitReady(analyst)) << c.left << " left, duel " << d;
      EXPECT_GT(analyst.TableBytes(), 0u);
      while (test::CardsLeft(s) > 0) {
        // Every other duel is followed: the queries then take the searcher from the thread.
        if (d % 2 == 1) analyst.Follow(s);
        const SolveResult kept = analyst.Query(s);
        const SolveResult own = Solve(s);
        ASSERT_TRUE(kept.finished);
        ASSERT_EQ(kept.margin, own.margin) << c.left << " left, duel " << d;
        ASSERT_EQ(kept.best, own.best) << c.left << " left, duel " << d;
        EXPECT_EQ(kept.line.size(), own.line.size());
        if (s.Turn == TurnState::Player) {
          // The hint waits only briefly for a thread still following: it is asked when idle.
          ASSERT_TRUE(WaitIdle(analyst));
          const std::optional<PlayerHint> h = analyst.ExactHint(s, w);
          const PlayerHint plain = HintForPlayer(s, w, std::chrono::minutes(1));
          ASSERT_TRUE(h && h->valid && h->exact && plain.exact);
          EXPECT_EQ(std::tie(h->slot, h->column, h->row, h->margin),
                    std::tie(plain.slot, plain.column, plain.row, plain.margin));
          ++hints;
        }
        ++positions;
        const std::vector<Placement> moves = LegalPlacements(s);
        const Placement m = moves[test::Pick(rng, static_cast<int>(moves.size()))];
        Advance(s, m.enemy, m.slot, m.column, m.row);
      }
      EXPECT_TRUE(WaitIdle(analyst));
      // The finished duel, and another duel's position, which the kept table cannot answer.
      EXPECT_EQ(analyst.Query(s).margin, Solve(s).margin);
      const DuelState other = RandomPosition(rng, 4);
      if (other.Turn == TurnState::Player && other.PlayerSides != s.PlayerSides) {
        EXPECT_FALSE(analyst.ExactHint(other, w).has_value());
      }
      EXPECT_EQ(analyst.Query(other).best, Solve(other).best);
    }
  }
  EXPECT_GT(hints, 20);
  EXPECT_GT(positions, 80);
}

TEST(AnalystTest, StopInTheMiddleOfTheSolveReturnsPromptly) {
  SeededRandom rng(32);
  AiWeights w;
  SetWeightsFor("高原 良絵", &w);
  const DuelState deal = RandomPosition(rng, 10);  // seconds of work
  Analyst analyst;
  analyst.Start(deal);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  ASSERT_FALSE(analyst.Ready());
  EXPECT_FALSE(analyst.ExactHint(deal, w).has_value());  // never waits for the solve
  // The solve gives up rather than finishing (how fast is bench/solver_bench --analyst-stop's
  // business: on a busy machine the lowest priority thread may wait a while to be scheduled).
  analyst.Stop();
  EXPECT_FALSE(analyst.StartResult().finished);
  EXPECT_FALSE(analyst.Ready());
  EXPECT_EQ(analyst.TableBytes(), 0u);
  analyst.Stop();  // twice is harmless

  // A new duel after the stop; the destructor stops a solve still running just as promptly.
  const DuelState small = RandomPosition(rng, 5);
  analyst.Start(small);
  ASSERT_TRUE(WaitReady(analyst));
  EXPECT_EQ(analyst.StartResult().best, Solve(small).best);
  {
    Analyst running;
    running.Start(deal);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }  // the destructor stops it and joins the thread; a hang fails the test by its time-out
}

}  // namespace
}  // namespace korvane
