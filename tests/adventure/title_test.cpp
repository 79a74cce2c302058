// The title screen and profile, starting and continuing, and closing the window.
#include <QFile>

#include "adv_test_support.h"
#include "adventure/story/player_name.h"
#include "ai/ai.h"

namespace korvane {
namespace {

GameState SavedGame() {
  GameState g;
  NewGameState(g, QStringLiteral("花子さん"), 1);
  g.ShindoStep = 40;
  g.TakaharaStep = 33;
  g.YokotaStep = 5;
  g.PlaceUnlocked[1] = -1;
  g.PlaceUnlocked[3] = -1;
  g.Collections[0][7] = 4;
  return g;
}

TEST_F(AdventureTest, NoSaveHidesContinueUntilNewGameShowsStart) {
  adv->Form_Load();
  EXPECT_TRUE(adv->Picture5().visible);
  EXPECT_FALSE(adv->Command(2).visible);
  EXPECT_TRUE(adv->Command(1).visible);
  EXPECT_TRUE(adv->Command(3).visible);
  EXPECT_FALSE(adv->Picture1Visible());
  adv->Command1_Click();
  EXPECT_FALSE(adv->Command(1).visible);
  EXPECT_FALSE(adv->Command(3).visible);
  EXPECT_TRUE(adv->Command(2).visible);
  EXPECT_EQ(adv->Command(2).caption, QStringLiteral("始める"));
  EXPECT_TRUE(adv->Frame1Visible());
  // The title does not tick.
  Tick(20);
  EXPECT_EQ(adv->MessageCursor(), 0);
}

TEST_F(AdventureTest, NewGameStartsInTownAndLeavesNoSave) {
  // The game's generator starts afresh from the clock when the game starts, not before.
  struct Counting : RandomSource {
    double Next() override { return 0; }
    void SeedFromClock() override { ++seeds; }
    int seeds = 0;
  } rng;
  adv->SetRandom(&rng);
  adv->Form_Load();
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("花子"));
  adv->SetCombo1(QStringLiteral("女"));
  EXPECT_EQ(rng.seeds, 0);
  adv->Command2_Click();
  EXPECT_EQ(rng.seeds, 1);
  EXPECT_FALSE(adv->Picture5().visible);
  for (int i = 1; i <= 5; ++i) EXPECT_FALSE(adv->Command(i).visible) << i;
  EXPECT_FALSE(adv->Frame1Visible());
  EXPECT_TRUE(adv->Picture1Visible());
  EXPECT_EQ(state.PlayerName, QStringLiteral("花子さん"));
  EXPECT_EQ(state.PlayerSex, 1);
  EXPECT_EQ(state.FairyTreeStep, -1);
  EXPECT_EQ(state.Collections[1][1], 5);
  EXPECT_TRUE(adv->PlayerPicVisible(1));
  EXPECT_FALSE(adv->PlayerPicVisible(0));
  EXPECT_EQ(adv->MessageText(), QStringLiteral("どこに行こうかな？"));
  EXPECT_EQ(adv->CurrentPlace(), -1);
  EXPECT_FALSE(SaveExists());
  TypeOut();
  EXPECT_EQ(adv->MessageLabelCaption(), QStringLiteral("どこに行こうかな？"));
}

TEST_F(AdventureTest, NewGameDeletesTheOldSave) {
  WriteSave(SavedGame());
  MakeWindow();
  adv->Form_Load();
  EXPECT_TRUE(adv->Command(2).visible);
  EXPECT_EQ(adv->Command(2).caption, QStringLiteral("続きから"));
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("次郎"));
  adv->Command2_Click();
  EXPECT_FALSE(SaveExists());
  EXPECT_EQ(state.PlayerName, QStringLiteral("次郎君"));
  EXPECT_EQ(state.ShindoStep, 0);  // nothing of the old game was read
  EXPECT_EQ(state.Collections[0][7], 0);
}

// Continuing leaves the save in its place (the game once deleted it here, as the original did,
// so that quitting without saving lost it).
TEST_F(AdventureTest, ContinueBuildsTheMapFromTheSaveAndKeepsIt) {
  WriteSave(SavedGame());
  MakeWindow();
  adv->Form_Load();
  adv->Command2_Click();
  EXPECT_EQ(state.PlayerName, QStringLiteral("花子さん"));
  EXPECT_EQ(state.Collections[0][7], 4);
  EXPECT_TRUE(SaveExists());
  EXPECT_TRUE(adv->PlayerPicVisible(1));
  // ShindoStep 40 and TakaharaStep 33: 0, 1, 2; flag 3: 3 and 8; YokotaStep 5: 4; flag 1: 7.
  for (int i = 0; i <= 8; ++i) EXPECT_EQ(adv->ClickerVisible(i), i != 5) << i;
  EXPECT_EQ(adv->MessageText(), QStringLiteral("どこに行こうかな？"));
}

TEST_F(AdventureTest, OnlyANewGameAsksForFreshStatistics) {
  WriteSave(SavedGame());
  for (bool newGame : {false, true}) {
    MakeWindow();
    int fresh = 0;
    adv->OnNewGame = [&] { ++fresh; };
    if (newGame) {
      StartNewGame();
    } else {
      adv->Form_Load();
      adv->Command2_Click();  // "続きから"
      EXPECT_EQ(state.PlayerName, QStringLiteral("花子さん"));
    }
    EXPECT_EQ(fresh, newGame ? 1 : 0);
  }
}

TEST_F(AdventureTest, ProfileRefusals) {
  WriteSave(SavedGame());
  MakeWindow();
  adv->Form_Load();
  adv->Command1_Click();
  // An empty name: nothing at all, and the old save is kept.
  adv->Command2_Click();
  EXPECT_TRUE(adv->Frame1Visible());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(SaveExists());
  // The master mark.
  adv->SetText1(QStringLiteral("※太郎"));
  adv->Command2_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].Line(),
            QStringLiteral("名前再入力|※から始まる名前はマスターしか使えません。"));
  EXPECT_TRUE(adv->Picture5().visible);
  // A character that code page 932 cannot hold, and a name longer than every message that
  // shows it can hold; the refusal gives the real limit.
  const int limit = story::NameLengthLimit();
  adv->SetText1(QStringLiteral("太郎😀"));
  adv->Command2_Click();
  adv->SetText1(QString(limit + 1, QChar(u'長')));
  adv->Command2_Click();
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_TRUE(platform.messages[1].Line().startsWith(QStringLiteral("名前再入力|")));
  EXPECT_EQ(platform.messages[2].Line(),
            QStringLiteral("名前再入力|名前は %1 文字までです（いまは %2 文字）。")
                .arg(limit)
                .arg(limit + 1));
  EXPECT_TRUE(adv->Picture5().visible);
  EXPECT_TRUE(SaveExists());
  // "※" later in the name, and a name of spaces only, are fine; the longest name that fits too.
  adv->SetText1(QString(limit, QChar(u'長')));
  adv->Command2_Click();
  EXPECT_FALSE(adv->Picture5().visible);
  EXPECT_EQ(state.PlayerName, QString(limit, QChar(u'長')) + QStringLiteral("君"));
  EXPECT_EQ(platform.messages.size(), 3u);
}

TEST_F(AdventureTest, OddButSavableNamesAreAccepted) {
  StartNewGame(QStringLiteral("  "));
  EXPECT_EQ(state.PlayerName, QStringLiteral("  君"));
  MakeWindow();
  StartNewGame(QStringLiteral("太※郎"), QStringLiteral("女"));
  EXPECT_EQ(state.PlayerName, QStringLiteral("太※郎さん"));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AdventureTest, DamagedSaveIsToldOnceAndKeptAside) {
  {
    QFile f(store.SavePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x04\x00\xff\xff\xff\xff", 6));  // a name and then nothing
  }
  adv->Form_Load();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].Line().startsWith(QStringLiteral("セーブデータ|")));
  EXPECT_FALSE(adv->Command(2).visible);
  EXPECT_FALSE(SaveExists());
  const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")});
  ASSERT_EQ(kept.size(), 1);
  EXPECT_EQ(QFileInfo(QDir(dir.path()).filePath(kept[0])).size(), 6);
  // A new game starts as if there had been no save, and the kept file survives it.
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  EXPECT_EQ(state.PlayerName, QStringLiteral("太郎君"));
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}).size(), 1);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(AdventureTest, ClosingRules) {
  // On the title: no question, and the switches are written first.
  adv->Form_Load();
  adv->Command4_Click();
  EXPECT_EQ(adv->Command(4).caption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_TRUE(adv->Form_QueryUnload());
  EXPECT_TRUE(platform.questions.empty());
  SoundSwitches read;
  store.LoadSettings(read);
  EXPECT_EQ(read.MusicCaption, QStringLiteral("音楽：ＯＦＦ"));
  // The next run reads them back.
  MakeWindow();
  adv->Form_Load();
  EXPECT_EQ(adv->Command(4).caption, QStringLiteral("音楽：ＯＦＦ"));
  EXPECT_EQ(adv->Command(5).caption, QStringLiteral("効果音：ＯＮ"));

  // During play: asked; No keeps playing, Yes ends without a save.
  StartNewGame();
  adv->Command5_Click();  // hidden during play: no change
  platform.answers = {false, true};
  EXPECT_FALSE(adv->Form_QueryUnload());
  EXPECT_EQ(platform.questions.back().Line(),
            QStringLiteral("ゲーム終了|セーブしないで終わりますか？"));
  Tick(3);
  EXPECT_GT(adv->MessageCursor(), 0);  // the game goes on
  EXPECT_TRUE(adv->Form_QueryUnload());
  EXPECT_EQ(platform.questions.size(), 2u);
  EXPECT_FALSE(SaveExists());

  // Earlier in the ending (counter 111) the usual question still comes; No keeps playing.
  state.TakamineStep = 111;
  platform.answers = {false};
  EXPECT_FALSE(adv->Form_QueryUnload());
  EXPECT_EQ(platform.questions.size(), 3u);

  // After the ending counter has reached 112: no question.
  state.TakamineStep = 112;
  EXPECT_TRUE(adv->Form_QueryUnload());
  EXPECT_EQ(platform.questions.size(), 3u);
}

TEST_F(AdventureTest, RulesButtonOpensTheTutorial) {
  adv->Form_Load();
  sound->TakeLog();
  adv->Command3_Click();
  EXPECT_EQ(host.tutorialOpenings, 1);
  EXPECT_EQ(state.TutorialMode, -1);
  EXPECT_EQ(state.TutorialPage, 1);
  EXPECT_FALSE(adv->WindowVisible());
  EXPECT_EQ(sound->TakeLog(), QStringList{QStringLiteral("music1 Close")});
  // The device's report arrives while the window is hidden: no restart.
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QString());
  adv->DuelWindowClosed();
  EXPECT_TRUE(adv->WindowVisible());
  EXPECT_TRUE(adv->Picture5().visible);  // back on the title as it was
}

}  // namespace
}  // namespace korvane
