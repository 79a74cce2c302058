// A continued game's save waits beside its place as the resume copy until the player decides;
// a game that ended any other way is offered for resuming once at the next start.
#include "adv_test_support.h"

namespace korvane {
namespace {

GameState SavedGame() {
  GameState g;
  NewGameState(g, QStringLiteral("花子さん"), 1);
  g.ShindoStep = 40;
  g.TakaharaStep = 33;
  g.Collections[0][7] = 4;
  return g;
}

class ResumeTest : public AdventureTest {
 protected:
  // A new run that continues the save.
  void Continue() {
    MakeWindow();
    adv->Form_Load();
    adv->Command2_Click();
    ASSERT_FALSE(adv->Picture5().visible);
  }
  bool CopyExists() const { return store.HasResumeCopy(); }
  int Asked() const { return platform.Asked(QStringLiteral("ゲームの再開")); }
};

TEST_F(ResumeTest, ContinuedSaveIsKeptUntilThePlayerDecides) {
  struct Case {
    const char* how;
    std::function<void()> end;
    bool copyKept;  // the next start offers to resume
    bool saveInPlace;
  };
  const Case cases[] = {
      {"crash", [] {}, true, false},
      {"signal", [this] { adv->EndWithoutQuestion(); }, true, false},
      {"close, No",
       [this] {
         platform.answers = {false};
         EXPECT_FALSE(adv->Form_QueryUnload());
       },
       true, false},
      {"close, Yes",
       [this] {
         platform.answers = {true};
         EXPECT_TRUE(adv->Form_QueryUnload());
       },
       false, false},
      {"終わる",
       [this] {
         adv->Clicker_Click(6);
         Tick();
         adv->Choiser_Click(0);
         EXPECT_TRUE(adv->Ended());
       },
       false, true},
      {"old-house save", [this] { EXPECT_TRUE(adv->SaveGameOldHouse()); }, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ASSERT_TRUE(store.DeleteSave());
    ASSERT_TRUE(store.DiscardResumeCopy());
    WriteSave(SavedGame());
    ASSERT_NO_FATAL_FAILURE(Continue());
    // During play the save is gone from its place, as ever; its copy waits beside it.
    EXPECT_FALSE(SaveExists());
    EXPECT_TRUE(CopyExists());
    c.end();
    EXPECT_EQ(CopyExists(), c.copyKept);
    EXPECT_EQ(SaveExists(), c.saveInPlace);
    // The next start asks once when, and only when, the copy was kept.
    platform.questions.clear();
    platform.answers = {false};
    MakeWindow();
    adv->Form_Load();
    EXPECT_EQ(Asked(), c.copyKept ? 1 : 0);
    EXPECT_EQ(adv->Command(2).visible, c.saveInPlace || c.copyKept);
    platform.answers.clear();
  }
}

TEST_F(ResumeTest, YesResumesAtOnceNoGoesToTheTitleWithTheSave) {
  WriteSave(SavedGame());
  ASSERT_NO_FATAL_FAILURE(Continue());
  state.Collections[0][7] = 0;  // played on, never saved, then the program was killed
  // Yes: the game continues at once from the last save, and is kept for resuming again.
  MakeWindow();
  platform.answers = {true};
  adv->Form_Load();
  EXPECT_EQ(Asked(), 1);
  ASSERT_TRUE(platform.questions.back().Line().contains(QStringLiteral("再開しますか")));
  EXPECT_FALSE(adv->Picture5().visible);
  EXPECT_EQ(state.PlayerName, QStringLiteral("花子さん"));
  EXPECT_EQ(state.Collections[0][7], 4);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("どこに行こうかな？"));
  EXPECT_TRUE(CopyExists());
  EXPECT_FALSE(SaveExists());
  // No, after the next crash: the title, with the last save back in its place for "続きから";
  // the start after that asks nothing more.
  MakeWindow();
  platform.answers = {false};
  adv->Form_Load();
  EXPECT_EQ(Asked(), 2);
  EXPECT_TRUE(adv->Picture5().visible);
  EXPECT_TRUE(adv->Command(2).visible);
  EXPECT_EQ(adv->Command(2).caption, QStringLiteral("続きから"));
  EXPECT_FALSE(CopyExists());
  EXPECT_TRUE(SaveExists());
  MakeWindow();
  adv->Form_Load();
  EXPECT_EQ(Asked(), 2);
  adv->Command2_Click();
  EXPECT_EQ(state.Collections[0][7], 4);
}

TEST_F(ResumeTest, ASaveWrittenSinceWinsAndANewGameDiscardsTheCopy) {
  // A crash between a save and the removal of the copy: the save is newer, nothing is asked.
  WriteSave(SavedGame());
  ASSERT_TRUE(store.KeepForResume());
  GameState newer = SavedGame();
  newer.ShindoStep = 50;
  WriteSave(newer);
  adv->Form_Load();
  EXPECT_EQ(Asked(), 0);
  EXPECT_FALSE(CopyExists());
  adv->Command2_Click();
  EXPECT_EQ(state.ShindoStep, 50);

  // "ニューゲーム" → "始める" lets a copy go as it lets the save go.
  ASSERT_TRUE(store.DiscardResumeCopy());
  MakeWindow();
  adv->Form_Load();
  WriteSave(SavedGame());
  ASSERT_TRUE(store.KeepForResume());
  WriteSave(SavedGame());
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("次郎"));
  adv->Command2_Click();
  EXPECT_EQ(state.PlayerName, QStringLiteral("次郎君"));
  EXPECT_FALSE(CopyExists());
  EXPECT_FALSE(SaveExists());
}

}  // namespace
}  // namespace korvane
