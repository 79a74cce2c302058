// Practice duels through the whole game, without windows: series against all six at every
// strength leave the collections, the story, the counters, the save and the statistics exactly
// as they were and only add practice duels to the record; 達人 never gives away what the solver
// proves its position holds; 手加減 loses more often than 本気 against the same player.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "ai/selfplay.h"
#include "app/game.h"
#include "app/practice_setup.h"
#include "duel/korvane.h"
#include "solver/analyst.h"
#include "solver/solver.h"
#include "state/duel_record.h"
#include "state/preferences.h"
#include "state/statistics.h"
#include "tests/support/duel_actions.h"
#include "tests/support/test_game.h"

namespace korvane {
namespace {

// One practice duel to its end: five cards taken from the player's own collection, then the
// player's own policy (a seeded random placement) while the timers run on a clock of the test's.
// With `dealValue` the analyst's solve of the deal is waited for and its value kept there.
std::optional<DuelOutcome> PlayPractice(Korvane& k, RandomSource& dice, int* dealValue = nullptr) {
  int64_t now = 0;
  k.Clock = [&now] { return now; };
  test::DuelActions act(k);
  const auto owned = k.Game().Collections[0];  // taking a card lowers its count
  for (int id = 0, taken = 0; id < kCardKinds && taken < kHandSize; ++id) {
    for (int n = 0; n < owned[id] && taken < kHandSize; ++n, ++taken) act.Take(id);
  }
  if (!act.Start()) return std::nullopt;  // the series is over, as the story's would be
  if (dealValue) {
    EXPECT_TRUE(k.DuelAnalyst());
    if (!k.DuelAnalyst()) return std::nullopt;
    while (!k.DuelAnalyst()->Ready()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    *dealValue = k.DuelAnalyst()->StartResult().margin;
  }
  k.LastRecord.reset();
  for (int guard = 0; guard < 2000 && k.Duel.Turn != TurnState::Nobody; ++guard) {
    const std::vector<Placement> moves = k.Duel.Turn == TurnState::Player && !k.IsFlipRunning()
                                             ? LegalPlacements(k.Duel)
                                             : std::vector<Placement>{};
    if (!moves.empty()) {
      Placement m = moves[static_cast<size_t>(dice.Next() * moves.size()) % moves.size()];
      // Against the master the player plays perfectly too.
      if (dealValue && k.DuelAnalyst()) {
        SolveLimits limits;
        limits.allBest = false;
        limits.principalLine = false;
        m = Solve(k.Duel, limits).best.front();
      }
      act.Play(m.slot, m.column, m.row);
    }
    for (int i = 0; i < 10; ++i) k.FlipAnime_Timer();
    now += 100;
    k.Timer1_Timer();
  }
  EXPECT_TRUE(k.LastRecord);
  if (!k.LastRecord) return std::nullopt;
  return DuelOutcome{k.LastRecord->Result, k.LastRecord->PlayerScore, k.LastRecord->EnemyScore};
}

int FellBack(const test::FakePlatform& p) {
  int n = 0;
  for (const test::Message& m : p.messages) n += m.text.contains(QStringLiteral("間に合わない"));
  return n;
}

class PracticeTest : public test::GameTest {};

TEST_F(PracticeTest, SeriesAtEveryStrengthChangeNothingButTheRecord) {
  NewGameState(*state, QStringLiteral("太郎君"), 0);
  for (int id : {0, 1, 2, 7, 10}) state->Collections[0][id] = 2;
  state->TakaharaStep = 12;
  ASSERT_TRUE(game->Files().SaveGame(*state).ok);
  const QByteArray save = [&] {
    QFile f(game->Files().SavePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  const GameState before = *state;
  const OpponentRecord statsBefore = game->Stats().Total();
  EXPECT_TRUE(game->PracticeOpponents().empty());  // nobody met yet
  SeededRandom dice(5);
  int duels = 0;
  for (int person = 1; person < kPersons; ++person) {
    for (Strength s : {Strength::Gentle, Strength::Full, Strength::Master}) {
      Korvane* k = game->StartPractice({person, s, 11u + person});
      ASSERT_TRUE(k);
      k->MasterBudgetMs = 0;  // no analyst here: 達人 says so and plays 本気's move
      for (int d = 0; d < 2; ++d) {
        duels += PlayPractice(*k, dice).has_value();
      }
      k->Command4_Click();  // 終わり
      EXPECT_FALSE(k->IsOpen());
      // Whatever the results, no card went anywhere: the practice copy is untouched too.
      EXPECT_EQ(k->Game().Collections[0], before.Collections[0]) << person;
    }
  }
  EXPECT_EQ(*state, before);
  EXPECT_EQ(game->Stats().Total(), statsBefore);
  QFile f(game->Files().SavePath());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), save);
  ASSERT_EQ(static_cast<int>(game->Record().Duels().size()), duels);
  for (const DuelRecord& r : game->Record().Duels()) EXPECT_TRUE(r.Practice);
  // Everyone practised against counts as met from now on.
  EXPECT_EQ(game->PracticeOpponents(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(FellBack(platform), 6);  // once in each 達人 series
}

// A practice duel has the player's pace and the views' help from the preferences, as a story duel
// has them, also when no story duel has been opened before it.
TEST(PracticePreferences, TheDuelTakesThePaceAndTheHelpChosen) {
  const Preferences chosen[] = {{.pace = Pace::Fast, .score = true, .preview = true},
                                {.pace = Pace::Normal, .score = false, .preview = false}};
  for (const Preferences& prefs : chosen) {
    QTemporaryDir dir;
    PreferenceStore store(dir.filePath(QStringLiteral("preferences.ini")));
    ASSERT_TRUE(store.Save(prefs));
    test::TestGame::Options o;
    o.preferences = &store;
    test::TestGame game(o);
    Korvane* k = game->StartPractice({1, Strength::Full, 1});
    ASSERT_TRUE(k);
    EXPECT_EQ(k->DuelPace, prefs.pace);
    EXPECT_EQ(k->ScoreShown, prefs.score);
    EXPECT_EQ(k->PreviewShown, prefs.preview);
  }
}

class PracticeWithAnalyst : public test::GameTest {
 protected:
  PracticeWithAnalyst() : GameTest(Options()) {}
  static test::TestGame::Options Options() {
    test::TestGame::Options o;
    o.analyst = true;
    return o;
  }
};

TEST_F(PracticeWithAnalyst, TheMasterNeverGivesAwayWhatItsPositionHolds) {
  NewGameState(*state, QStringLiteral("太郎君"), 0);
  for (int id : {3, 8, 12, 20, 25}) state->Collections[0][id] = 1;
  SeededRandom dice(9);
  for (int duel = 0; duel < 3; ++duel) {
    Korvane* k = game->StartPractice({1 + duel, Strength::Master, 3});
    ASSERT_TRUE(k);
    k->MasterBudgetMs = 600000;
    int dealValue = 0;
    const std::optional<DuelOutcome> played = PlayPractice(*k, dice, &dealValue);
    ASSERT_TRUE(played);
    const DuelOutcome out = *played;
    // The value of the deal is the player's margin with perfect play on both sides: a player
    // playing perfectly ends exactly there against a perfect opponent, and beyond it against
    // any mistake.
    EXPECT_EQ(out.PlayerScore - out.EnemyScore, dealValue) << duel;
    k->Command4_Click();
  }
  EXPECT_EQ(FellBack(platform), 0);
}

}  // namespace
}  // namespace korvane
