// Puzzles: hand-made positions with one, two or no good placements, random positions against a
// plain minimax, and the puzzle file's reader.
#include "solver/puzzle.h"

#include <gtest/gtest.h>

#include "solver/puzzle_file.h"
#include "tests/solver/solver_test_support.h"
#include "tests/support/board_text.h"

namespace korvane {
namespace {

using test::Board;
using test::Cards;

constexpr int kFairy = 0;   // four "0" sides
constexpr int kPriest = 7;  // "1" on every side

// The player's last card (a fairy, slot 4) to place; the enemy has placed all five, its priest
// (a, slot 0) on (3,3) covering the empty squares beside it. The fairy stays face up, and wins
// by one more card, wherever the enemy's field does not reach.
DuelState LastCard(std::string_view board) {
  DuelState s;
  s.PlayerHand.fill(kFairy);
  s.EnemyHand = {kPriest, kFairy, kFairy, kFairy, kFairy};
  test::PutBoard(s, Board(board), test::Played::AsWritten);
  LoadHandSides(s, Cards());
  ComputeFields(s);
  s.Turn = TurnState::Player;
  return s;
}

TEST(PuzzleTest, HandMadePositionsQualifyOnlyWithOneGoodPlacement) {
  struct Case {
    const char* what;
    const char* board;
    bool qualifies;
    int margin;
    const char* key;  // the solution's placement, or the start of the reason
  };
  const Case cases[] = {
      {"two squares outside the enemy's field both win",
       "  .  "
       " 1.2 "
       "b-a-."
       " +-+ "
       "  .  ",
       false, 1, "more than one placement keeps the win"},
      {"only the home square wins",
       "  .  "
       " 1.2 "
       "b-a.-"
       " +-+ "
       "  .  ",
       true, 1, "p4@3,5"},
      {"only the home square draws",
       "  .  "
       " 1.+ "
       "b-a.-"
       " +-+ "
       "  .  ",
       true, 0, "p4@3,5"},
      {"lost whatever is played",
       "  .  "
       " +.+ "
       "b-a.-"
       " +-+ "
       "  .  ",
       false, -1, "the player loses"},
      {"every card placed",
       "  .  "
       " 1.2 "
       "b-a.-"
       " +-+ "
       "  +  ",
       false, 0, "every card"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PuzzleAnalysis a = AnalysePuzzle(LastCard(c.board));
    EXPECT_EQ(a.qualifies, c.qualifies) << a.why;
    if (c.qualifies) {
      EXPECT_EQ(a.margin, c.margin);
      ASSERT_EQ(a.solution.size(), 1u);
      EXPECT_EQ(PlacementText(a.solution[0]), c.key);
    } else {
      EXPECT_EQ(a.why.rfind(c.key, 0), 0u) << a.why;
      if (a.why.rfind("every card", 0) != 0) {
        EXPECT_EQ(a.margin, c.margin);
      }
    }
  }
}

// The placements of the side to move, one per square and card kind, with their minimax values.
std::vector<std::pair<Placement, int>> Values(const DuelState& s) {
  std::vector<std::pair<Placement, int>> out;
  for (const Placement& m : LegalPlacements(s)) {
    const auto& hand = m.enemy ? s.EnemyHand : s.PlayerHand;
    const bool seen = std::any_of(out.begin(), out.end(), [&](const auto& o) {
      return o.first.column == m.column && o.first.row == m.row &&
             hand[o.first.slot] == hand[m.slot];
    });
    if (seen) continue;
    DuelState next = s;
    PlayPlacement(next, m);
    out.push_back({m, test::ReferenceMargin(next)});
  }
  return out;
}

// The placement that alone keeps the band of `margin`, if exactly one does among two or more.
std::optional<Placement> OnlyKeeper(const DuelState& s, int margin) {
  const auto values = Values(s);
  std::optional<Placement> only;
  int keepers = 0;
  for (const auto& [m, v] : values) {
    if (OutcomeBand(v) == OutcomeBand(margin)) ++keepers, only = m;
  }
  if (values.size() < 2 || keepers != 1) return std::nullopt;
  return only;
}

TEST(PuzzleTest, RandomPositionsAgreeWithMinimaxAndTheSolutionStaysUnique) {
  SeededRandom rng(4242);
  int positions = 0, puzzles = 0, longer = 0;
  while (positions < 600) {
    const DuelState s = test::RandomPosition(rng, 1 + test::Pick(rng, 4));
    if (s.Turn != TurnState::Player) continue;
    ++positions;
    const auto values = Values(s);
    int best = -99;
    for (const auto& [m, v] : values) best = std::max(best, v);
    const std::optional<Placement> only = best >= 0 ? OnlyKeeper(s, best) : std::nullopt;
    const PuzzleAnalysis a = AnalysePuzzle(s);
    ASSERT_EQ(a.qualifies, only.has_value()) << test::BoardText(s) << "\n" << a.why;
    EXPECT_EQ(a.margin, best);
    if (!only) continue;
    ++puzzles;
    longer += a.solution.size() > 1;
    ASSERT_EQ(a.solution.size() % 2, 1u);
    DuelState at = s;
    for (size_t i = 0; i < a.solution.size(); ++i) {
      const Placement& m = a.solution[i];
      if (i % 2 == 1) {
        DuelState next = at;
        PlayPlacement(next, m);
        EXPECT_EQ(test::ReferenceMargin(next), best) << "reply " << PlacementText(m);
      } else {
        const std::optional<Placement> key = OnlyKeeper(at, best);
        ASSERT_TRUE(key.has_value()) << "placement " << i;
        EXPECT_EQ(key->column, m.column);
        EXPECT_EQ(key->row, m.row);
        EXPECT_EQ(at.PlayerHand[key->slot], at.PlayerHand[m.slot]);
      }
      PlayPlacement(at, m);
    }
  }
  // The sample holds puzzles, some of them longer than one placement.
  EXPECT_GE(puzzles, 10);
  EXPECT_GE(longer, 1);
}

TEST(PuzzleTest, FileLinesAreReadOrReportedWithTheirNumber) {
  const std::string good =
      R"({"id":"a","level":2,"player":[1,2,3,4,5],"enemy":[6,7,8,9,10],"moves":["p0@3,3"],)"
      R"("solution":["e1@2,2","p1@4,4"]})";
  struct Case {
    std::string line;
    const char* problem;  // nullptr: read
  };
  const Case cases[] = {
      {good, nullptr},
      {R"({"id":7,"player":[0,0,0,0,0],"enemy":[39,39,39,39,39],"moves":[],"solution":["p0@3,5"]})",
       nullptr},
      {"{not json", "not a JSON object"},
      {"[1,2]", "not a JSON object"},
      {R"({"player":[0,0,0,0,0],"enemy":[0,0,0,0,0],"moves":[],"solution":["p0@3,5"]})", "no id"},
      {R"({"id":"b","level":6,"player":[0,0,0,0,0],"enemy":[0,0,0,0,0],"moves":[],"solution":["p0@3,5"]})",
       "level"},
      {R"({"id":"c","player":[0,0,0,0],"enemy":[0,0,0,0,0],"moves":[],"solution":["p0@3,5"]})",
       "player"},
      {R"({"id":"d","player":[0,0,0,0,0],"enemy":[0,0,0,0,40],"moves":[],"solution":["p0@3,5"]})",
       "enemy"},
      {R"({"id":"e","player":[0,0,0,0,0],"enemy":[0,0,0,0,0],"moves":["p9@3,3"],"solution":["p0@3,5"]})",
       "moves"},
      {R"({"id":"f","player":[0,0,0,0,0],"enemy":[0,0,0,0,0],"moves":[],"solution":[]})",
       "solution"},
      {good, "id a repeats line 1"},
  };
  std::string text;
  for (const Case& c : cases) text += c.line + "\n\n";  // blank lines are skipped
  const PuzzleFile file = ReadPuzzles(QByteArray::fromStdString(text));
  size_t read = 0, told = 0;
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].line);
    if (!cases[i].problem) {
      ASSERT_LT(read, file.puzzles.size());
      ++read;
      continue;
    }
    ASSERT_LT(told, file.problems.size());
    const std::string& problem = file.problems[told++];
    EXPECT_EQ(problem.rfind("line " + std::to_string(2 * i + 1) + ": ", 0), 0u) << problem;
    EXPECT_NE(problem.find(cases[i].problem), std::string::npos) << problem;
  }
  EXPECT_EQ(read, file.puzzles.size());
  EXPECT_EQ(told, file.problems.size());
  // What is written reads back the same.
  ASSERT_FALSE(file.puzzles.empty());
  const PuzzleFile again = ReadPuzzles(QByteArray::fromStdString(PuzzleLine(file.puzzles[0])));
  ASSERT_EQ(again.puzzles.size(), 1u);
  EXPECT_EQ(again.puzzles[0], file.puzzles[0]);
  EXPECT_EQ(file.puzzles[1].id, "7");
  EXPECT_FALSE(file.puzzles[1].level.has_value());
}

}  // namespace
}  // namespace korvane
