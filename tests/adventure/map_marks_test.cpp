// The marks on the town map: they foretell what a visit brings, along a walk through the story,
// without moving it; the player switches them off with M, and the choice is remembered; the
// first-time line shows until a place has been entered.
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "adv_test_support.h"
#include "adventure/adv_window.h"
#include "adventure/story/worth_visit.h"
#include "state/preferences.h"
#include "tests/support/test_game.h"

namespace korvane {
namespace {

// What the scripts change: the counters, the flags, the collections and the name.
bool SameStory(const GameState& a, const GameState& b) {
  for (int place : {0, 1, 2, 3, 4, 5, 7, 8}) {
    if (*a.StepCounter(place) != *b.StepCounter(place)) return false;
  }
  return a.PlaceUnlocked == b.PlaceUnlocked && a.Collections == b.Collections &&
         a.PlayerName == b.PlayerName;
}

class MapMarksTest : public AdventureTest {
 protected:
  enum class Outcome { kBack, kAsked, kDuel };
  // The place entered from the map and its messages read, by the engine's own ticks and clicks,
  // until it asks, opens a duel or is left.
  Outcome Visit(int place) {
    const int duels = host.duelOpenings;
    adv->Clicker_Click(place);
    for (int n = 0; n < 5000; ++n) {
      Tick();
      if (adv->Choiser(0).visible) return Outcome::kAsked;
      if (host.duelOpenings != duels) return Outcome::kDuel;
      if (adv->CurrentPlace() == -1) return Outcome::kBack;
      if (adv->MessageLabelCaption() == adv->MessageText()) adv->Picture1_Click();
    }
    ADD_FAILURE() << "place " << place << " never let go";
    return Outcome::kBack;
  }
  // After a duel or a question, on to the map again (answers and results from `rng`).
  void FinishVisit(Outcome outcome, std::mt19937& rng) {
    for (int n = 0; n < 50 && adv->CurrentPlace() != -1; ++n) {
      if (outcome == Outcome::kAsked) adv->Choiser_Click(int(rng() % 2));
      if (outcome == Outcome::kDuel) {
        // Won more often than not, so that the walk gets on in the story.
        const bool won = rng() % 3 != 0;
        state.SeriesWins = int16_t(won ? 2 : 0);
        state.SeriesLosses = int16_t(won ? 0 : 2);
        adv->DuelWindowClosed();
      }
      const int place = adv->CurrentPlace();
      if (place == -1) break;
      adv->ShowTownMap();  // the visit's own way out is not needed here
      adv->EnterPlace(place);
      outcome = Visit(place);
    }
    if (adv->CurrentPlace() != -1) adv->ShowTownMap();
  }
};

TEST_F(MapMarksTest, TheMarksForetellWhatEachVisitBrings) {
  StartNewGame();
  std::mt19937 rng(20261209);
  int marked = 0, unmarked = 0;
  // Every place on the map visited for real from the state as it is, then everything put back.
  auto crossCheck = [&](const std::string& when) {
    adv->ShowTownMap();
    const GameState before = state;
    const std::array<bool, 9> worth = story::PlacesWorthAVisit(state);
    EXPECT_TRUE(SameStory(state, before)) << "working the marks out moved the story";
    std::vector<int> onMap;
    for (int place = 0; place < 9; ++place) {
      if (!adv->ClickerVisible(place)) {
        EXPECT_FALSE(worth[place]) << when << ", place " << place;
        continue;
      }
      onMap.push_back(place);
      if (place == 6) {
        EXPECT_FALSE(worth[6]);  // the player's house only asks whether to stop
        continue;
      }
      const Outcome outcome = Visit(place);
      const bool brings = outcome != Outcome::kBack || !SameStory(state, before);
      EXPECT_EQ(worth[place], brings) << when << ", place " << place;
      (worth[place] ? marked : unmarked)++;
      if (adv->Choiser(0).visible) adv->Choiser_Click(1);
      if (outcome == Outcome::kDuel) adv->DuelWindowClosed();
      state = before;
      adv->ShowTownMap();
    }
    // On along the story: a marked place when there is one.
    std::vector<int> next;
    for (int place : onMap) {
      if (worth[place]) next.push_back(place);
    }
    return next.empty() ? onMap : next;
  };
  EXPECT_EQ(story::PlacesWorthAVisit(state), (std::array<bool, 9>{false, true}));
  for (int arrival = 0; arrival < 40; ++arrival) {
    const std::vector<int> next = crossCheck("arrival " + std::to_string(arrival));
    const int place = next[rng() % next.size()];
    if (place != 6) FinishVisit(Visit(place), rng);
  }
  // Doors that stay shut: 横田 not yet at home, 高峰 not opening.
  const GameState walked = state;
  state.PlaceUnlocked[3] = -1;
  state.YokotaStep = 0;
  crossCheck("横田 away");
  state = walked;
  state.YokotaStep = 3;
  state.TakamineStep = 0;
  crossCheck("高峰 not opening");
  // Further on: 真道 stripped of his strong cards, 風見's house on the map.
  state = walked;
  state.ShindoStep = 32;
  state.TakaharaStep = 33;
  crossCheck("風見's house open");
  EXPECT_GT(marked, 20);
  EXPECT_GE(unmarked, 2);
}

// The real game with its windows and a preference file: marks off as remembered, M switches
// them on and remembers that; the first-time line goes once a place has been entered.
TEST(MapMarksWindow, TheMarksFollowThePreferenceAndTheKey) {
  QTemporaryDir dir;
  PreferenceStore preferences(dir.filePath(QStringLiteral("preferences.ini")));
  Preferences off;
  off.mapMarks = false;
  ASSERT_TRUE(preferences.Save(off));
  test::TestGame game({.windows = true, .preferences = &preferences});
  ASSERT_TRUE(game) << game.error;
  game.platform.defaultAnswer.reset();
  ADVKorvaneWindow* window = game->Window();
  ADVKorvane& adv = game.Adventure();
  test::StartNewGame(adv);
  window->Sync();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  auto* clicker = window->findChild<QWidget*>(QStringLiteral("Clicker1"));
  ASSERT_TRUE(clicker);
  // A point of the badge's yellow, left of its "!".
  auto yellow = [&] {
    const QColor c = clicker->grab().toImage().pixelColor(clicker->width() / 2 - 5, 11);
    return c.red() > 240 && c.green() > 190 && c.green() < 220 && c.blue() < 70;
  };
  EXPECT_FALSE(window->MapMarks());
  EXPECT_EQ(window->MarkedPlaces(), (std::array<bool, 9>{}));
  EXPECT_FALSE(yellow());
  EXPECT_TRUE(window->FirstTimeLineShown());
  QTest::keyClick(window, Qt::Key_M);
  EXPECT_TRUE(window->MapMarks());
  EXPECT_TRUE(preferences.Load().mapMarks);
  EXPECT_EQ(window->MarkedPlaces(), (std::array<bool, 9>{false, true}));
  EXPECT_TRUE(yellow());
  // Inside the place no marks; back on the map no first-time line.
  adv.Clicker_Click(1);
  window->Sync();
  EXPECT_EQ(window->MarkedPlaces(), (std::array<bool, 9>{}));
  for (int n = 0; n < 5000 && adv.CurrentPlace() != -1; ++n) {
    adv.Timer1_Timer();
    if (adv.MessageLabelCaption() == adv.MessageText()) adv.Picture1_Click();
  }
  window->Sync();
  ASSERT_TRUE(adv.OnTownMap());
  EXPECT_FALSE(window->FirstTimeLineShown());
  EXPECT_TRUE(window->MarkedPlaces()[0]);  // 高原's house has just come onto the map
  QTest::keyClick(window, Qt::Key_M);
  EXPECT_FALSE(preferences.Load().mapMarks);
  EXPECT_EQ(window->MarkedPlaces(), (std::array<bool, 9>{}));
}

}  // namespace
}  // namespace korvane
