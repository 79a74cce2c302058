// Deck selection: the paged list and its captions, scrolling, preview and take, choose again,
// too few cards, and the first press after a duel.
#include "tests/duel/duel_test_support.h"
#include "ui/sprite.h"

namespace korvane::testing {
namespace {

class SelectionTest : public DuelTest {
 protected:
  QImage Sprite(int id) {
    QImage img = BlankImage(81, 81, qRgb(192, 192, 192));
    PaintSprite(img, pictures.Mask(), pictures.Card(id), 0, 0, 80, 80);
    return img;
  }
  std::vector<int> Shown() const {
    std::vector<int> out;
    for (int id = 0; id < kCardKinds; ++id) {
      if (k.Ctl.CardPic[id].Visible) out.push_back(id);
    }
    return out;
  }
};

TEST_F(SelectionTest, PagesCaptionsAndScrolling) {
  Give(0, {{0, 3}, {3, 2}, {20, 1}});
  Open(kKazami);
  EXPECT_TRUE(k.Ctl.Picture1.Visible);
  EXPECT_TRUE(k.Ctl.VScroll1.Visible);
  EXPECT_EQ(Shown(), (std::vector<int>{0, 3}));
  EXPECT_EQ(k.Ctl.cardlabel[0].Caption, CardName(0) + QChar(13) + "×3");
  EXPECT_EQ(k.Ctl.cardlabel[3].Caption, CardName(3) + QChar(13) + "×2");
  EXPECT_EQ(k.Ctl.CardPic[3].Pos, QPoint(240, 8));
  EXPECT_EQ(k.Ctl.cardlabel[3].Pos, QPoint(240, 88));
  for (int j : {1, 2, 4, 5, 6, 7, 13}) EXPECT_FALSE(k.Ctl.cardlabel[j].Visible);

  // The thumb snaps to the first card of a page.
  const std::pair<int, int> snaps[] = {{0, 0},   {6, 0},   {7, 14},  {9, 14},
                                       {20, 14}, {21, 28}, {22, 28}, {28, 28}};
  for (auto [dragged, page] : snaps) {
    k.VScroll1_Change(dragged);
    EXPECT_EQ(k.Ctl.VScrollValue, page) << dragged;
  }
  k.VScroll1_Change(14);
  EXPECT_EQ(Shown(), std::vector<int>{20});
  EXPECT_EQ(k.Ctl.CardPic[20].Pos, QPoint(480, 8));
  EXPECT_TRUE(k.Ctl.cardlabel[6].Visible);
  EXPECT_EQ(k.Ctl.cardlabel[6].Caption, CardName(20) + QChar(13) + "×1");
  EXPECT_EQ(k.Ctl.cardlabel[6].Pos, QPoint(480, 88));
  k.VScroll1_Change(28);
  EXPECT_TRUE(Shown().empty());
}

TEST_F(SelectionTest, PreviewTakeAndChooseAgain) {
  Give(0, {{2, 1}, {5, 5}, {7, 2}, {9, 1}});
  Open(kKazami);
  const auto before = game.Collections[0];
  sound.TakeLog();
  // Three presses: only the third is previewed, in slot 0, and nothing is taken.
  k.CardPic_MouseDown(2);
  k.CardPic_MouseDown(7);
  k.CardPic_MouseDown(9);
  EXPECT_TRUE(k.Ctl.PHand[0].Visible);
  EXPECT_FALSE(k.Ctl.PHand[1].Visible);
  EXPECT_EQ(k.PHandPic[0], Sprite(9));
  EXPECT_EQ(game.Collections[0], before);
  EXPECT_EQ(k.Duel.PlayerHand[0], -1);
  EXPECT_EQ(sound.Effects().count("mmyw.wav"), 3);

  // Taking the last copy removes the card from the list at once.
  k.CardPic_DblClick(2);
  EXPECT_EQ(k.Duel.PlayerHand[0], 2);
  EXPECT_FALSE(k.Ctl.CardPic[2].Visible);
  EXPECT_FALSE(k.Ctl.cardlabel[2].Visible);
  EXPECT_EQ(sound.Effects().count("mmyw2.wav"), 1);

  // Four more double-clicks on a card held five times; "勝負！" appears with the fifth.
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(k.Ctl.Command1.Visible);
    k.CardPic_MouseDown(5);
    k.CardPic_DblClick(5);
  }
  EXPECT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{2, 5, 5, 5, 5}));
  EXPECT_EQ(k.Ctl.cardlabel[5].Caption, CardName(5) + QChar(13) + "×1");
  EXPECT_TRUE(k.Ctl.Command1.Visible);
  EXPECT_TRUE(k.Ctl.Command2.Visible);
  // With five chosen, presses and double-clicks do nothing.
  k.CardPic_MouseDown(5);
  k.CardPic_DblClick(5);
  EXPECT_EQ(game.Collections[0][5], 1);
  EXPECT_EQ(k.PHandPic[4], Sprite(5));

  // "選び直す": everything back, the hand empty and hidden.
  k.Command2_Click();
  EXPECT_EQ(game.Collections[0], before);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(k.Duel.PlayerHand[i], -1);
    EXPECT_FALSE(k.Ctl.PHand[i].Visible);
  }
  EXPECT_FALSE(k.Ctl.Command1.Visible);
  EXPECT_TRUE(k.Ctl.CardPic[2].Visible);
  EXPECT_EQ(k.Ctl.cardlabel[5].Caption, CardName(5) + QChar(13) + "×5");
}

TEST_F(SelectionTest, TooFewCardsLeaveOnlyTheWayOut) {
  Give(0, {{1, 2}, {4, 2}});
  Open(kKazami);
  EXPECT_FALSE(k.Ctl.Picture1.Visible);
  EXPECT_FALSE(k.Ctl.VScroll1.Visible);
  EXPECT_TRUE(k.Ctl.Label1.Visible);
  EXPECT_EQ(k.Ctl.Label1.Caption, "カードが足りません。");
  EXPECT_TRUE(k.Ctl.Command4.Visible);
  k.CardPic_DblClick(1);  // the list is not there
  EXPECT_EQ(Held(0), 4);
  k.Command4_Click();
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(closedCount, 1);
}

TEST_F(SelectionTest, FirstPressAfterADuelHidesTheWayOutAndTopsUpTheStock) {
  // The player loses all five; with five left the press hides "終わり" as usual, with four
  // "勝負！" can never come, so "終わり" stays and the label says why.
  for (const bool short_ : {false, true}) {
    SCOPED_TRACE(short_ ? "four left" : "five left");
    game.Collections[0].fill(0);
    Give(0, {{1, 3}, {2, 3}, {3, 3}, {5, short_ ? 0 : 1}});
    Open(kKazami);
    StartDuel({1, 1, 2, 2, 3});
    Finish(
        Board("  a  "
              " b-- "
              ".+-+."
              " ++. "
              "  +  "));
    k.Timer1_Timer();
    // List, record and "終わり" all shown.
    EXPECT_EQ(Held(0), short_ ? 4 : 5);
    EXPECT_TRUE(k.Ctl.Picture1.Visible);
    EXPECT_TRUE(k.Ctl.Label1.Visible);
    EXPECT_EQ(k.Ctl.Label1.Caption, "現在0勝1敗");
    EXPECT_TRUE(k.Ctl.Command4.Visible);
    // 風見 had his card 8 drawn away into the hand and given back; empty it to see the top-up.
    k.OpponentStock[8] = 0;
    k.CardPic_MouseDown(1);
    EXPECT_EQ(k.OpponentStock[8], 1);
    EXPECT_TRUE(k.Ctl.PHand[0].Visible);
    EXPECT_EQ(k.Ctl.Command4.Visible, short_);
    EXPECT_EQ(k.Ctl.Label1.Visible, short_);
    if (short_) {
      EXPECT_EQ(k.Ctl.Label1.Caption, "カードが足りません。");
    }
    // Four taken: no "勝負！" yet; the way out stays only while five can never be chosen.
    k.CardPic_DblClick(1);
    Take({2, 3, 3});
    EXPECT_EQ(Held(0), short_ ? 0 : 1);
    EXPECT_FALSE(k.Ctl.Command1.Visible);
    EXPECT_EQ(k.Ctl.Command4.Visible, short_);
    if (short_) {
      k.Command4_Click();
    } else {
      EXPECT_TRUE(k.Unload());
    }
    EXPECT_FALSE(k.IsOpen());
    EXPECT_EQ(Held(0), short_ ? 4 : 5);  // the chosen cards came back
    EXPECT_EQ(game.SeriesLosses, 1);
  }
}

}  // namespace
}  // namespace korvane::testing
