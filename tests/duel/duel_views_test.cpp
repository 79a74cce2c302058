// The duel views' help against the rules: the placement preview says exactly which cards the
// placement then turns; the result line only delays the result (the same messages, counters and
// closing come after it); the deck selection's way back returns one to four taken cards.
#include <algorithm>
#include <set>
#include <utility>

#include "duel/korvane_extras.h"
#include "duel/korvane_keys.h"
#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

// A fixture of its own for each run of a table, so every run starts from a fresh game.
struct Rig : DuelTest {
  void TestBody() override {}
  using DuelTest::act;
  using DuelTest::cards;
  using DuelTest::game;
  using DuelTest::Give;
  using DuelTest::k;
  using DuelTest::Open;
  using DuelTest::platform;
  using DuelTest::StartDuel;
};

using SquareSet = std::set<std::pair<int, int>>;

// The squares whose flip the window shows after the player puts `slot` on (c, r): every square
// whose flip clock runs at some tick until the animation is over.
SquareSet ShownFlips(Korvane& k, int slot, int c, int r) {
  k.Duel.SelectedSlot = static_cast<int16_t>(slot);
  k.PlaceOnSquare(c, r);
  SquareSet shown;
  for (int tick = 0; tick < 40; ++tick) {
    for (int cc = 1; cc <= kBoardSize; ++cc) {
      for (int rr = 1; rr <= kBoardSize; ++rr) {
        if (k.FlipTime[cc][rr] != 0) shown.insert({cc, rr});
      }
    }
    if (!k.IsFlipRunning()) break;
    k.FlipAnime_Timer();
  }
  return shown;
}

TEST(DuelViewsTest, PreviewNamesExactlyTheFlipsThePlacementShows) {
  Rig rig;
  Korvane& k = rig.k;
  rig.Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {10, 2}});
  rig.Open(kShindo);
  ASSERT_NO_FATAL_FAILURE(rig.StartDuel());
  k.PreviewShown = true;
  SeededRandom dice(7);
  auto roll = [&dice](int n) { return static_cast<int>(dice.Next() * n); };
  int positions = 0, placements = 0, withOwnFlip = 0, atOnce = 0;
  while (positions < 1000) {
    // A random deal (bombs, arcs and splits among the forty kinds) and a random number of random
    // placements by both sides, stopping at the player's turn.
    DuelModel::Hand mine, theirs;
    for (int i = 0; i < kHandSize; ++i) mine[i] = roll(kCardKinds), theirs[i] = roll(kCardKinds);
    k.Model.Deal(mine, theirs, rig.cards);
    const int moves = roll(10);
    for (int m = 0; m < moves && k.Duel.Turn != TurnState::Nobody; ++m) {
      for (int tries = 0; tries < 200; ++tries) {
        if (k.Model.PlaceOn(roll(kHandSize), 1 + roll(5), 1 + roll(5)).Placed()) break;
      }
    }
    if (k.Duel.Turn != TurnState::Player) continue;
    ++positions;
    const DuelState position = k.Duel;
    for (int slot = 0; slot < kHandSize; ++slot) {
      for (int c = 1; c <= kBoardSize; ++c) {
        for (int r = 1; r <= kBoardSize; ++r) {
          if (position.PlayerPlayed[slot] || !IsPlayable(c, r) ||
              position.BoardCard[c][r] != kEmptySquare) {
            continue;
          }
          k.Duel.SelectedSlot = static_cast<int16_t>(slot);
          const auto preview = PreviewOf(k, BoardSquare{c, r});
          ASSERT_TRUE(preview) << "slot " << slot << " on " << c << "," << r;
          ASSERT_EQ(k.Duel.BoardCard, position.BoardCard) << "the preview changed the duel";
          SquareSet previewed;
          for (const Flip& f : preview->flips) previewed.insert({f.column, f.row});
          withOwnFlip += std::any_of(preview->flips.begin(), preview->flips.end(),
                                     [](const Flip& f) { return f.before > 0; });
          atOnce += preview->atOnce;
          const SquareSet shown = ShownFlips(k, slot, c, r);
          ASSERT_EQ(previewed, shown) << "slot " << slot << " on " << c << "," << r;
          EXPECT_EQ(preview->atOnce, k.Duel.BoardCard[c][r] == kFlippedPlayerCard);
          ++placements;
          k.Model.State = position;
          k.FlipTime = {};
          k.FlippedCard = {};
        }
      }
    }
  }
  ::testing::Test::RecordProperty("placements", placements);
  ::testing::Test::RecordProperty("own_flips", withOwnFlip);
  ::testing::Test::RecordProperty("at_once", atOnce);
  // The sample reaches the cases that matter: own cards turned, cards going down at once.
  EXPECT_GT(placements, 5000);
  EXPECT_GT(withOwnFlip, 500);
  EXPECT_GT(atOnce, 500);
  // Outside the player's turn, or without the preference, there is no preview.
  k.Duel.Turn = TurnState::Enemy;
  EXPECT_FALSE(PreviewOf(k, BoardSquare{3, 3}));
  k.Duel.Turn = TurnState::Player;
  k.PreviewShown = false;
  EXPECT_FALSE(PreviewOf(k, BoardSquare{3, 3}));
}

// What a settled duel leaves behind, to compare the runs with and without the result line.
struct Settled {
  std::vector<QString> messages;
  int wins, losses, draws;
  std::array<int16_t, kCardKinds> mine;
  bool open;
  bool operator==(const Settled&) const = default;
};

enum class LineEnd { NoLine, Waits, Dismissed };

struct ResultCase {
  const char* what;
  QString opponent;
  int takaharaStep;
  const char* board;  // 25 characters, as test::Board reads them
  const char* line;   // the result line's text
};

Settled SettleWithLine(const ResultCase& rc, LineEnd end) {
  Rig rig;
  Korvane& k = rig.k;
  rig.Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {10, 2}});
  rig.Give(6, {{29, 1}, {31, 1}, {32, 1}, {33, 1}, {34, 1}, {35, 1}, {38, 1}});
  rig.game.TakaharaStep = rc.takaharaStep;
  int64_t now = 1000;
  k.Clock = [&now] { return now; };
  k.ScoreShown = end != LineEnd::NoLine;
  rig.Open(rc.opponent);
  EXPECT_NO_FATAL_FAILURE(rig.StartDuel());
  rig.act.Finish(Board(rc.board));
  rig.platform.messages.clear();
  const GameState before = rig.game;
  k.Timer1_Timer();
  if (end != LineEnd::NoLine) {
    // The line is up; nothing of the result has happened yet.
    EXPECT_TRUE(k.ResultLine) << rc.what;
    if (k.ResultLine) EXPECT_EQ(ResultText(*k.ResultLine), QString::fromUtf8(rc.line)) << rc.what;
    now += 700;
    k.Timer1_Timer();
    EXPECT_TRUE(rig.platform.messages.empty()) << rc.what;
    EXPECT_EQ(rig.game.SeriesWins, before.SeriesWins) << rc.what;
    EXPECT_EQ(rig.game.Collections, before.Collections) << rc.what;
    EXPECT_TRUE(k.IsOpen()) << rc.what;
    if (end == LineEnd::Waits) {
      now += kResultLineMs - 701;
      k.Timer1_Timer();
      EXPECT_TRUE(k.ResultLine) << rc.what << ": gone before its time";
      now += 1;
      k.Timer1_Timer();
    } else {
      // A click or a key: the view calls DismissResult, and the messages come at once.
      k.DismissResult();
    }
    EXPECT_FALSE(k.ResultLine) << rc.what;
  }
  Settled s{{},
            rig.game.SeriesWins,
            rig.game.SeriesLosses,
            rig.game.SeriesDraws,
            rig.game.Collections[0],
            k.IsOpen()};
  for (const test::Message& m : rig.platform.messages) s.messages.push_back(m.Line());
  return s;
}

TEST(DuelViewsTest, ResultLineComesFirstAndChangesNothingAfterIt) {
  const ResultCase cases[] = {
      {"win", kShindo, 0,
       "  a  "
       " b-- "
       ".+-+."
       " 23. "
       "  1  ",
       "勝ち 3 対 2"},
      {"loss", kShindo, 0,
       "  a  "
       " bcd "
       ".+-5."
       " +3. "
       "  1  ",
       "負け 3 対 4"},
      {"draw", kShindo, 0,
       "  a  "
       " b-- "
       ".+-+."
       " 2+. "
       "  1  ",
       "引き分け 2 対 2"},
      {"速水 結", kHayami, 0,
       "  a  "
       " b-- "
       ".+-+."
       " 23. "
       "  1  ",
       "勝ち 3 対 2"},
      {"special result", kTakahara, 30,
       "  -  "
       " --- "
       ".5-.."
       " 234 "
       "  1  ",
       "勝ち 5 対 0"},
  };
  for (const ResultCase& rc : cases) {
    const Settled plain = SettleWithLine(rc, LineEnd::NoLine);
    for (LineEnd end : {LineEnd::Waits, LineEnd::Dismissed}) {
      EXPECT_EQ(SettleWithLine(rc, end), plain) << rc.what << " ended by " << int(end);
    }
    // The described outcome itself, as a check that the table means what it says.
    if (rc.opponent == kHayami) EXPECT_FALSE(plain.open);
    if (rc.takaharaStep == 30) EXPECT_EQ(plain.wins, -1);
  }
}

TEST(DuelViewsTest, BackspaceGivesBackOneToFourTakenCards) {
  for (int taken = 0; taken <= kHandSize; ++taken) {
    Rig rig;
    Korvane& k = rig.k;
    rig.Give(0, {{1, 2}, {2, 1}, {3, 1}, {4, 1}, {10, 1}});
    rig.Open(kShindo);
    const auto held = rig.game.Collections[0];
    const int ids[] = {1, 2, 3, 4, 10};
    for (int i = 0; i < taken; ++i) rig.act.Take(ids[i]);
    k.CardPic_MouseDown(1);  // and a preview in the next slot
    DuelKeys keys(k);
    EXPECT_EQ(keys.Press(Qt::Key_Backspace, Qt::NoModifier), DuelKeys::Action::Handled);
    EXPECT_EQ(rig.game.Collections[0], held) << taken << " taken";
    for (int i = 0; i < kHandSize; ++i) {
      EXPECT_EQ(k.Duel.PlayerHand[i], -1) << taken << " taken";
      EXPECT_FALSE(k.Ctl.PHand[i].Visible) << taken << " taken";
    }
    EXPECT_FALSE(k.Ctl.Command1.Visible);
    EXPECT_FALSE(k.Ctl.Command2.Visible);
    EXPECT_TRUE(k.Ctl.CardPic[2].Visible) << "the last copy is back in the list";
    // Taking again works as before.
    rig.act.Take({1, 2, 3, 4, 10});
    EXPECT_TRUE(k.Ctl.Command1.Visible);
    // Not during the duel: Backspace leaves the hand alone.
    ASSERT_TRUE(rig.act.Start());
    keys.Press(Qt::Key_Backspace, Qt::NoModifier);
    EXPECT_EQ(k.Duel.PlayerHand[0], 1);
  }
}

}  // namespace
}  // namespace korvane::testing

namespace korvane::testing {
namespace {

TEST(DuelViewsTest, AnEnemyCardPlacedFaceDownIsNamedUntilTheNextPlacement) {
  Rig rig;
  Korvane& k = rig.k;
  rig.Give(0, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {10, 2}});
  rig.Open(kShindo);
  ASSERT_NO_FATAL_FAILURE(rig.StartDuel());
  int64_t now = 5000;
  k.Clock = [&now] { return now; };
  // The player's home lies in the player's field: the enemy's card goes down face down there.
  k.EnemyPlaces(0, 3, 5);
  ASSERT_EQ(k.Duel.BoardCard[3][5], kFlippedEnemyCard);
  EXPECT_EQ(k.EnemyAtOnce, std::optional<int>(k.Duel.EnemyHand[0]));
  EXPECT_EQ(k.EnemyAtOnceSince, 5000);
  // A card that lands face up names nothing.
  k.EnemyPlaces(1, 3, 2);
  ASSERT_NE(k.Duel.BoardCard[3][2], kFlippedEnemyCard);
  EXPECT_FALSE(k.EnemyAtOnce);
}

}  // namespace
}  // namespace korvane::testing
