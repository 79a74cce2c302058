// The adventure music: the title piece, the town loop with its three silences, the switch and
// the script's music actions.
#include "adv_test_support.h"

namespace korvane {
namespace {

TEST_F(AdventureTest, TitleMusicThenTheTownLoop) {
  adv->Form_Load();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("opening.mid"));
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  sound->TakeLog();
  adv->Command2_Click();
  // The file is set and the device closed; its report starts the town piece.
  EXPECT_EQ(sound->TakeLog(), (QStringList{QStringLiteral("music1 FileName BGM.mid"),
                                           QStringLiteral("music1 Close")}));
  EXPECT_EQ(sound->NowPlaying(), QString());
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  // The piece ends and starts again.
  static_cast<FakeMusicDevice&>(adv->Music()).FinishPlayback();
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
}

TEST_F(AdventureTest, MusicOffAtTheTitleAndOnInThePlayersHouse) {
  adv->Form_Load();
  adv->Command4_Click();  // off
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QString());
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QString());  // the town stays silent
  adv->Clicker_Click(6);
  Tick();
  ASSERT_TRUE(adv->Command(4).visible);
  sound->TakeLog();
  adv->Command4_Click();
  EXPECT_EQ(adv->Command(4).caption, QStringLiteral("音楽：ＯＮ"));
  EXPECT_EQ(sound->TakeLog(),
            (QStringList{QStringLiteral("music1 Close"), QStringLiteral("music1 Open BGM.mid"),
                         QStringLiteral("music1 Play")}));
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
}

TEST_F(AdventureTest, TheLoopIsSilentDuringADuelTakaminesStoryAndTheOldHouse) {
  StartNewGame();
  sound->DeliverNotifications();
  auto& device = static_cast<FakeMusicDevice&>(adv->Music());
  auto endAndReport = [&] {
    device.FinishPlayback();
    sound->DeliverNotifications();
    return sound->NowPlaying();
  };
  // 高峰's story, steps 50..61.
  for (int16_t step : {50, 55, 61}) {
    adv->MusicResume();
    state.TakamineStep = step;
    EXPECT_EQ(endAndReport(), QString()) << step;
  }
  adv->MusicResume();
  state.TakamineStep = 62;
  EXPECT_EQ(endAndReport(), QStringLiteral("BGM.mid"));
  // The old house.
  adv->SetCurrentPlace(5);
  EXPECT_EQ(endAndReport(), QString());
  adv->SetCurrentPlace(-1);
  adv->MusicResume();
  // A duel: StartDuel closes the device; its report comes while the window is hidden.
  adv->SetCurrentPlace(1);
  adv->StartDuel();
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QString());
  adv->DuelWindowClosed();
  // After the ending has started, the loop plays "ending.mid" again.
  adv->SetCurrentPlace(4);
  state.TakamineStep = 103;
  adv->PlayMusicFile(QStringLiteral("ending.mid"));
  EXPECT_EQ(endAndReport(), QStringLiteral("ending.mid"));
  // Script music actions: stop closes; resume opens and plays only with music on.
  adv->MusicStop();
  EXPECT_EQ(sound->NowPlaying(), QString());
  sound->Switches().MusicCaption = QStringLiteral("音楽：ＯＦＦ");
  adv->MusicResume();
  EXPECT_EQ(sound->NowPlaying(), QString());
}

TEST_F(AdventureTest, SwitchOffAndOnRestartsThePiece) {
  StartNewGame();
  sound->DeliverNotifications();
  adv->Clicker_Click(6);
  Tick();
  sound->TakeLog();
  adv->Command4_Click();  // off
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QString());
  adv->Command4_Click();  // on
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  const QStringList log = sound->TakeLog();
  EXPECT_EQ(log.count(QStringLiteral("music1 Play")), 1);
}

}  // namespace
}  // namespace korvane
