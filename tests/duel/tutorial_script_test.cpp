// The tutorial's page table on its own: the texts and their order, the moves of the two example
// duels, and the page counter of "ふむふむ". The same script played on the real duel window is
// in tutorial_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "duel/tutorial.h"
#include "state/game_state.h"
#include "tests/duel/tutorial_texts.h"

namespace korvane {
namespace {

// Records every call as one line, so a test can compare whole pages.
class RecordingStage : public TutorialStage {
 public:
  std::vector<QString> calls;
  std::vector<QString> texts;
  void ShowText(const QString& text) override {
    texts.push_back(text);
    calls.push_back("text");
  }
  void ShowExampleList(std::span<const ExampleListCard> cards) override {
    QString line = "list";
    for (const auto& c : cards) line += QString(" %1:%2").arg(c.card).arg(ExampleCaption(c));
    calls.push_back(line);
  }
  void StartFirstExample(const ExampleHands& h) override { calls.push_back("first " + Hands(h)); }
  void StartSecondExample(const ExampleHands& h) override { calls.push_back("second " + Hands(h)); }
  void PlayerMove(int slot, int x, int y) override {
    calls.push_back(QString("player %1 at %2,%3").arg(slot).arg(x).arg(y));
  }
  void SetTurn(TurnState t) override {
    calls.push_back("turn " + QString::fromUtf8(TurnStateText(t).data(), TurnStateText(t).size()));
  }
  void EnemyMove(int slot, int c, int r) override {
    calls.push_back(QString("enemy %1 to %2,%3").arg(slot).arg(c).arg(r));
  }
  void CloseWindow() override { calls.push_back("close"); }

 private:
  static QString Hands(const ExampleHands& h) {
    QString s;
    for (int16_t id : h.Player) s += QString::number(id) + " ";
    s += "/";
    for (int16_t id : h.Enemy) s += " " + QString::number(id);
    return s;
  }
};

std::vector<QString> CallsOfPage(int page) {
  RecordingStage stage;
  stage.Perform(page);
  return stage.calls;
}

TEST(TutorialScript, ThirtyFivePressesShowTheThirtyTextsInOrderAndClose) {
  GameState game;
  game.TutorialMode = -1;
  game.TutorialPage = 1;
  RecordingStage stage;
  for (int press = 0; press < kTutorialPages; ++press) LButton_Click(game, stage);

  ASSERT_EQ(stage.texts.size(), size_t(kTutorialTexts));
  for (int i = 0; i < kTutorialTexts; ++i) {
    EXPECT_EQ(stage.texts[i], QString::fromUtf8(kTutorialExpectedTexts[i])) << "text " << i + 1;
  }
  EXPECT_EQ(stage.calls.back(), "close");
  EXPECT_EQ(std::count(stage.calls.begin(), stage.calls.end(), QString("close")), 1);
  EXPECT_EQ(game.TutorialPage, 36);
  EXPECT_EQ(TutorialOpeningText(),
            QString::fromUtf8("ＫＯＲＶＡＮＥの説明を始めます。ふむふむボタンを押してください。"));
}

TEST(TutorialScript, PagesActInTheirOwnOrder) {
  using V = std::vector<QString>;
  EXPECT_EQ(CallsOfPage(4),
            (V{"text", QString::fromUtf8("list 2:ゴブリン\r×2 3:マンイーター\r×2 5:盗賊\r×2 "
                                         "7:僧侶\r×2")}));
  EXPECT_EQ(CallsOfPage(8), (V{"text", "first 0 2 3 5 7 / 3 6 9 12 15"}));
  // The move first, then nobody's turn, then the text about "×".
  EXPECT_EQ(CallsOfPage(13), (V{"player 0 at 200,150", "turn Nobody's Turn", "text"}));
  EXPECT_EQ(CallsOfPage(16), (V{"text", "enemy 1 to 2,3"}));
  EXPECT_EQ(CallsOfPage(18), (V{"player 2 at 20,200"}));
  EXPECT_EQ(CallsOfPage(22), (V{"text", "second 0 9 18 27 36 / 1 2 3 4 5"}));
  EXPECT_EQ(CallsOfPage(23), (V{"enemy 1 to 3,2", "text"}));
  EXPECT_EQ(CallsOfPage(24), (V{"player 2 at 200,250"}));
  EXPECT_EQ(CallsOfPage(25), (V{"text", "enemy 3 to 3,3"}));
  EXPECT_EQ(CallsOfPage(27), (V{"player 3 at 150,150"}));
  EXPECT_EQ(CallsOfPage(31),
            (V{"text", "enemy 4 to 2,3", "player 0 at 250,200", "enemy 2 to 2,4"}));
  EXPECT_EQ(CallsOfPage(32), (V{"player 4 at 200,350"}));
  EXPECT_EQ(CallsOfPage(35), (V{"close"}));
  for (int page : {0, -1, 36, 37, 1000}) EXPECT_TRUE(CallsOfPage(page).empty()) << page;
}

// Each example duel plays every hand slot at most once per side and never twice on one square,
// and every move lands on one of the 13 playable squares.
TEST(TutorialScript, ExampleMovesAreConsistent) {
  std::set<int> playerSlots, enemySlots;
  std::set<std::pair<int, int>> squares;
  int moves = 0;
  for (const TutorialStep& step : TutorialScript()) {
    if (step.kind == TutorialStepKind::SecondExample) {
      playerSlots.clear();
      enemySlots.clear();
      squares.clear();
    }
    if (step.kind != TutorialStepKind::PlayerMove && step.kind != TutorialStepKind::EnemyMove) {
      continue;
    }
    ++moves;
    auto& used = step.kind == TutorialStepKind::PlayerMove ? playerSlots : enemySlots;
    EXPECT_TRUE(used.insert(step.slot).second) << "page " << step.page;
    EXPECT_TRUE(IsValidSlot(step.slot)) << "page " << step.page;
    EXPECT_TRUE(IsPlayable(step.column, step.row)) << "page " << step.page;
    EXPECT_TRUE(squares.insert({step.column, step.row}).second) << "page " << step.page;
    // Before the second example starts, the moves belong to pages 13 to 18.
    if (step.page < 22) {
      EXPECT_TRUE(step.page >= 13 && step.page <= 18);
    }
  }
  EXPECT_EQ(moves, 3 + 8);
}

TEST(TutorialScript, ButtonRaisesThePageWhateverItDidAndIsIdleOutsideTheTutorial) {
  GameState game;
  RecordingStage stage;
  game.TutorialMode = -1;
  game.TutorialPage = 18;
  LButton_Click(game, stage);  // a move, no text
  EXPECT_EQ(game.TutorialPage, 19);
  game.TutorialPage = 50;
  LButton_Click(game, stage);  // a page that does nothing
  EXPECT_EQ(game.TutorialPage, 51);
  EXPECT_EQ(stage.calls.size(), 1u);

  game.TutorialMode = 0;  // the window has closed; a late click finds nothing to do
  game.TutorialPage = 10;
  LButton_Click(game, stage);
  EXPECT_EQ(game.TutorialPage, 10);
  EXPECT_EQ(stage.calls.size(), 1u);
}

}  // namespace
}  // namespace korvane
