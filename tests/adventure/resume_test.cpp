// A continued game's save stays in its place until a newer save replaces it or a new game is
// begun: quitting without saving, a signal or a crash never costs it, and the next start offers
// it with "続きから" and asks nothing. A copy left beside it by an earlier version of the game
// goes back into its place.
#include <QFile>

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
  QByteArray SaveBytes() const {
    QFile f(store.SavePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The old version's copy beside the save: the save moved there.
  void LeaveOldCopy() { ASSERT_TRUE(QFile::rename(store.SavePath(), store.ResumePath())); }
};

TEST_F(ResumeTest, TheLastSaveStaysHoweverAContinuedGameEnds) {
  struct Case {
    const char* how;
    std::function<void()> end;
    bool saved;  // the game was saved anew
  };
  const Case cases[] = {
      {"crash", [] {}, false},
      {"signal", [this] { adv->EndWithoutQuestion(); }, false},
      {"close, No (the game goes on)",
       [this] {
         platform.answers = {false};
         EXPECT_FALSE(adv->Form_QueryUnload());
       },
       false},
      {"close, Yes",
       [this] {
         platform.answers = {true};
         EXPECT_TRUE(adv->Form_QueryUnload());
       },
       false},
      {"終わる",
       [this] {
         adv->Clicker_Click(6);
         Tick();
         adv->Choiser_Click(0);
         EXPECT_TRUE(adv->Ended());
       },
       true},
      {"old-house save", [this] { EXPECT_TRUE(adv->SaveGameOldHouse()); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ASSERT_TRUE(store.DeleteSave());
    WriteSave(SavedGame());
    const QByteArray before = SaveBytes();
    ASSERT_NO_FATAL_FAILURE(Continue());
    // During play the save stays where it is, byte for byte.
    EXPECT_EQ(SaveBytes(), before);
    state.Collections[0][7] = 9;  // played on
    c.end();
    EXPECT_FALSE(store.HasResumeCopy());
    ASSERT_TRUE(SaveExists());
    EXPECT_EQ(SaveBytes() == before, !c.saved);
    // The next start offers the last save and asks nothing.
    platform.questions.clear();
    platform.answers.clear();
    MakeWindow();
    adv->Form_Load();
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(adv->Command(2).visible);
    EXPECT_EQ(adv->Command(2).caption, QStringLiteral("続きから"));
    adv->Command2_Click();
    EXPECT_EQ(state.Collections[0][7], c.saved ? 9 : 4);
  }
}

TEST_F(ResumeTest, AnOldCopyGoesBackUnlessASaveSupersedesItAndANewGameLetsTheSaveGo) {
  // Only the copy: it goes back into its place, without a question.
  WriteSave(SavedGame());
  ASSERT_NO_FATAL_FAILURE(LeaveOldCopy());
  adv->Form_Load();
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_FALSE(store.HasResumeCopy());
  EXPECT_TRUE(adv->Command(2).visible);
  adv->Command2_Click();
  EXPECT_EQ(state.ShindoStep, 40);

  // A copy and a newer save: the save wins, the copy goes.
  ASSERT_NO_FATAL_FAILURE(LeaveOldCopy());
  GameState newer = SavedGame();
  newer.ShindoStep = 50;
  WriteSave(newer);
  MakeWindow();
  adv->Form_Load();
  EXPECT_FALSE(store.HasResumeCopy());
  adv->Command2_Click();
  EXPECT_EQ(state.ShindoStep, 50);

  // "ニューゲーム" → "始める" lets the save go, as a new game always has.
  MakeWindow();
  adv->Form_Load();
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("次郎"));
  adv->Command2_Click();
  EXPECT_EQ(state.PlayerName, QStringLiteral("次郎君"));
  EXPECT_FALSE(SaveExists());
}

}  // namespace
}  // namespace korvane
