// The record of duels fed by the duel window itself: series won, lost and drawn on finished
// boards, a forfeit, real play against the enemy, the record across a save and reload of the
// game, and nothing at all from the rules tutorial.
#include <QTemporaryDir>

#include "duel/tutorial.h"
#include "state/save_files.h"
#include "state/statistics.h"
#include "tests/duel/duel_test_support.h"

namespace korvane::testing {
namespace {

// The ten playable squares a finished board uses, player's half first.
constexpr std::pair<int, int> kSquares[10] = {{3, 5}, {2, 4}, {3, 4}, {4, 4}, {1, 3},
                                              {2, 3}, {4, 3}, {5, 3}, {3, 2}, {3, 1}};

class StatisticsSeriesTest : public DuelTest {
 protected:
  StatisticsSeriesTest() {
    Give(0, {{1, 9}, {2, 9}, {3, 9}, {4, 9}, {10, 9}});
    Give(6, {{0, 1}, {29, 1}, {31, 1}, {32, 1}, {33, 1}, {38, 1}});
    k.OnDuelSettled = [this](const DuelReport& r) {
      ++reports;
      stats.Record(r);
    };
  }

  // One duel that ends with `mine` of the player's cards face up and `theirs` of the enemy's.
  void Duel(int mine, int theirs) {
    ASSERT_NO_FATAL_FAILURE(StartDuel());
    Finish(test::NewBoard());
    for (int s = 0; s < kHandSize; ++s) {
      const auto [pc, pr] = kSquares[s];
      const auto [ec, er] = kSquares[9 - s];
      k.Duel.BoardCard[pc][pr] = static_cast<int16_t>(s < mine ? s + 1 : kFlippedPlayerCard);
      k.Duel.BoardCard[ec][er] = static_cast<int16_t>(s < theirs ? -(s + 1) : kFlippedEnemyCard);
    }
    Tick();
    ASSERT_EQ(k.Duel.Turn, TurnState::Nobody);
  }

  QTemporaryDir dir;
  Statistics stats{dir.path()};
  int reports = 0;
};

TEST_F(StatisticsSeriesTest, WonLostAndDrawnSeriesAreCountedPerOpponent) {
  using R = OpponentRecord;
  const struct {
    const char* what;
    QString opponent;
    std::vector<std::pair<int, int>> duels;  // face-up cards: the player's, the enemy's
    OpponentRecord expected;                 // duels wins losses draws pwins plosses won lost hints
  } series[] = {
      {"won", kShindo, {{3, 2}, {5, 0}, {1, 2}}, R{3, 2, 1, 0, 1, 0, 3 + 5, 4, 0}},
      {"lost", kKazami, {{0, 5}, {2, 4}, {2, 2}}, R{3, 0, 2, 1, 0, 1, 0, 5 + 3, 0}},
      {"drawn", kYokota, {{1, 1}, {3, 3}, {4, 1}, {1, 4}}, R{4, 1, 1, 2, 0, 0, 4, 4, 0}},
      {"速水 moves no card", kHayami, {{5, 0}}, R{1, 1, 0, 0, 1, 0, 0, 0, 0}},
  };
  for (const auto& s : series) {
    Open(s.opponent);
    for (auto [mine, theirs] : s.duels) ASSERT_NO_FATAL_FAILURE(Duel(mine, theirs)) << s.what;
    const OpponentRecord& got = stats.Against(PersonIndex(s.opponent));
    EXPECT_EQ(got, s.expected) << s.what;
    // The record agrees with what the series told the adventure.
    EXPECT_EQ(got.Wins, game.SeriesWins) << s.what;
    EXPECT_EQ(got.Losses, game.SeriesLosses) << s.what;
    EXPECT_EQ(got.Draws, game.SeriesDraws) << s.what;
    if (k.IsOpen()) k.Command4_Click();
  }
  EXPECT_EQ(reports, 11);
  EXPECT_EQ(stats.Total().Duels, 11);
  EXPECT_EQ(stats.Against(1), OpponentRecord{});  // 高原 was never met

  // The record outlives the program and a save and reload of the game.
  SaveStore store(dir.path());
  game.PlayerName = QStringLiteral("太郎君");
  ASSERT_TRUE(store.SaveGame(game).ok);
  GameState reloaded;
  ASSERT_TRUE(store.LoadGame(reloaded));
  Statistics again(dir.path());
  EXPECT_EQ(again.Load(), QString());
  for (int p = 1; p < kPersons; ++p) EXPECT_EQ(again.Against(p), stats.Against(p)) << p;
}

TEST_F(StatisticsSeriesTest, ForfeitIsAPerfectLossOfTheFiveChosenCards) {
  Open(kTakamine);
  ASSERT_NO_FATAL_FAILURE(StartDuel());
  platform.answers = {false, true};
  EXPECT_FALSE(k.Unload());  // "No": the duel goes on, nothing is counted
  EXPECT_EQ(reports, 0);
  EXPECT_TRUE(k.Unload());
  EXPECT_EQ(stats.Against(5), (OpponentRecord{1, 0, 1, 0, 0, 1, 0, 5, 0}));
  // Closing with the cards chosen but the duel not started is no duel at all.
  Open(kTakamine);
  Take({1, 2, 3, 4, 10});
  EXPECT_TRUE(k.Unload());
  EXPECT_EQ(reports, 1);
}

TEST_F(StatisticsSeriesTest, RealPlayAgreesWithTheMessagesAndTheCounters) {
  Open(kTakahara);
  platform.messages.clear();
  for (int duel = 0; duel < 4; ++duel) {
    ASSERT_NO_FATAL_FAILURE(StartDuel());
    ASSERT_LT(PlayToEnd(), 500);
  }
  int gained = 0, lost = 0;
  for (const Message& m : platform.messages) {
    gained += m.title == QStringLiteral("カード入手");
    lost += m.title == QStringLiteral("カード譲渡");
  }
  const OpponentRecord& r = stats.Against(1);
  EXPECT_EQ(r.Duels, 4);
  EXPECT_EQ(r.Wins, game.SeriesWins);
  EXPECT_EQ(r.Losses, game.SeriesLosses);
  EXPECT_EQ(r.Draws, game.SeriesDraws);
  EXPECT_EQ(r.CardsWon, gained);
  EXPECT_EQ(r.CardsLost, lost);
  EXPECT_GT(r.CardsWon + r.CardsLost, 0);  // the seeded duels did move cards
}

TEST_F(StatisticsSeriesTest, TheTutorialRecordsNothing) {
  // The last opponent's name is still set when the tutorial opens.
  game.OpponentName = kTakahara;
  for (bool closeMidway : {false, true}) {
    game.TutorialMode = -1;
    game.TutorialPage = 1;
    k.Form_Load();
    ShowTutorialControls(k, sound);
    bool forfeited = false;
    for (int press = 0; press < 100 && k.IsOpen(); ++press) {
      k.LButton_Click();
      for (int i = 0; i < 10; ++i) Tick();
      if (closeMidway && k.Duel.EnemyHand[0] != -1 && k.Duel.PlayerHand[4] != -1) {
        forfeited = k.Unload();
      }
    }
    EXPECT_FALSE(k.IsOpen());
    EXPECT_EQ(forfeited, closeMidway);
  }
  EXPECT_EQ(reports, 0);
  EXPECT_TRUE(stats.IsEmpty());
}

}  // namespace
}  // namespace korvane::testing
