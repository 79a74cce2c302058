// From the story into the duel logic and back, without windows: StartDuel loads the real duel
// logic, closing it brings the adventure back, and the result step reads the series.
#include "duel/korvane.h"
#include "tests/support/adventure_actions.h"
#include "tests/support/test_game.h"

namespace korvane {
namespace {

using namespace test;

// The game without windows: a duel opens the duel logic, whose close brings the adventure back.
class DuelSeamTest : public GameTest {
 protected:
  DuelSeamTest() { platform.defaultAnswer.reset(); }  // every question is the test's
};

TEST_F(DuelSeamTest, ShindosDuelAndBack) {
  StartNewGame(*adv);
  sound->DeliverNotifications();
  ASSERT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  state->ShindoStep = 7;
  state->Collections[0][1] = 5;
  adv->Clicker_Click(1);
  Tick(*adv);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("勝負するかい？"));
  Answer(*adv, 0);
  Tick(*adv);  // step 8: the duel
  ASSERT_TRUE(duel->IsOpen());
  EXPECT_FALSE(adv->WindowVisible());
  EXPECT_EQ(state->OpponentName, QStringLiteral("真道 祐樹"));
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("shindo.mid"));
  EXPECT_EQ(state->ShindoStep, 12);
  Tick(*adv, 20);  // the adventure waits
  EXPECT_EQ(state->ShindoStep, 12);

  // The player leaves before choosing: the duel window closes and the town music comes back.
  EXPECT_TRUE(duel->Unload());
  EXPECT_TRUE(adv->WindowVisible());
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  Tick(*adv);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("『今回の戦績は0勝0敗0引き分けだった。』"));
  EXPECT_EQ(adv->TextColor(), QColor(0, 0, 255));
  GoOn(*adv);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("ふ～～う。なかなかやるじゃん。"));  // even
}

TEST_F(DuelSeamTest, TheTutorialReturnsToTheTitle) {
  adv->Form_Load();
  adv->Command3_Click();
  ASSERT_TRUE(duel->IsOpen());
  EXPECT_EQ(state->TutorialMode, -1);
  EXPECT_TRUE(duel->Unload());
  EXPECT_EQ(state->TutorialMode, 0);
  EXPECT_TRUE(adv->WindowVisible());
  EXPECT_TRUE(adv->Picture5().visible);
  // The title music resumes with the duel window's close.
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("opening.mid"));
}

}  // namespace
}  // namespace korvane
