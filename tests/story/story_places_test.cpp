// Single places at the moments the story turns: help for a player short of cards, results that
// branch on who owns what, 高峰's hints about the 「勇者」 card, the old house's closed door.
#include <gtest/gtest.h>

#include "adventure/story/conditions.h"
#include "adventure/story/script_table.h"
#include "tests/story/story_driver.h"

namespace korvane::testing {
namespace {

using namespace korvane::story;
using Steps = std::vector<int>;

// A driver whose map shows every place.
struct Anywhere : StoryDriver {
  Anywhere() {
    host.wholeMap = true;
    host.RebuildMap();
  }
};

TEST(StoryPlaces, ShindoHelpsOnlyWhileThePlayerHasFewerThanFiveCards) {
  Anywhere d;
  d.g.ShindoStep = 7;
  d.g.Collections[0][20] = 4;
  auto v = d.Visit(1);
  EXPECT_EQ(StepsOf(v, 1), (Steps{7, 50, 51, 52, 53, 54, 6}));
  EXPECT_TRUE(Shows(v, "notice", "カードを少しもらった。"));
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(d.g.Collections[0][k], 1);
  EXPECT_EQ(d.g.TotalCards(0), 12);

  // Five cards: he asks for a duel instead; a lost first series brings his line for it.
  Anywhere e;
  e.g.ShindoStep = 7;
  e.g.Collections[0][20] = 5;
  v = e.Visit(1, {0}, {Series(0, 2)});
  EXPECT_EQ(StepsOf(v, 1), (Steps{7, 8, 12, 14, 17, 10}));
  EXPECT_TRUE(Shows(v, "speech", "まだ俺の方が強いかな。"));
  EXPECT_EQ(e.g.ShindoStep, 7);

  // Later visits help through steps 55..57.
  Anywhere f;
  f.g.ShindoStep = 32;
  v = f.Visit(1);
  EXPECT_EQ(StepsOf(v, 1), (Steps{32, 55, 56, 57, 31}));
  EXPECT_EQ(f.g.TotalCards(0), 8);
}

TEST(StoryPlaces, ShindoGivesUpHisCardsOnlyWhenTheOnlyGeneralIsElsewhere) {
  Anywhere d;
  d.g.ShindoStep = 32;
  d.g.Collections[0][1] = 5;
  d.g.Collections[kShindo] = {};
  d.g.Collections[kTakahara][kGeneralCard] = 1;
  auto v = d.Visit(1, {0}, {Series(2, 0)});
  EXPECT_EQ(StepsOf(v, 1), (Steps{32, 33, 36, 39, 80, 81, 82, 83, 84, 31}));
  EXPECT_EQ(d.g.Collections[0][kKnightCard], 1);
  EXPECT_EQ(d.g.Collections[0][kGolemCard], 1);
  EXPECT_EQ(d.g.Collections[0][kGeneralCard], 1);

  // A second 「ジェネラル」 in town (here the one he just gave) keeps him quiet.
  v = d.Visit(1, {0}, {Series(2, 0)});
  EXPECT_EQ(StepsOf(v, 1), (Steps{32, 33, 36, 39, 40, 31}));
}

TEST(StoryPlaces, TakaharaSecondSeriesResults) {
  Anywhere d;
  d.g.TakaharaStep = 33;
  auto v = d.Visit(0, {0}, {Series(1, 1, 3)});
  EXPECT_EQ(StepsOf(v, 0), (Steps{33, 34, 36, 37, 40, 32}));
  EXPECT_TRUE(Shows(v, "notice", "今回の戦績は1勝1敗3引き分けだった。"));
  v = d.Visit(0, {0}, {Series(4, 0)});
  EXPECT_EQ(StepsOf(v, 0), (Steps{33, 34, 36, 39, 40, 32}));
  // "また今度" at the first visit returns to step 5 next time.
  Anywhere e;
  v = e.Visit(0, {1});
  EXPECT_EQ(StepsOf(v, 0), (Steps{0, 1, 3, 4}));
  v = e.Visit(0, {1});
  EXPECT_EQ(StepsOf(v, 0), (Steps{5, 7, 8}));
  v = e.Visit(0, {0}, {Series(0, 0, 2)});
  EXPECT_EQ(StepsOf(v, 0), (Steps{5, 6, 12, 13, 20, 8}));
}

TEST(StoryPlaces, KazamiKeepsHisFairiesAndTheGiftRouteNeedsExactlyOnePixie) {
  Anywhere d;
  d.g.KazamiStep = 32;
  d.g.Collections[0][kPixieCard] = 2;  // two: no question about it
  auto v = d.Visit(2, {0}, {Series(1, 0)});
  EXPECT_EQ(StepsOf(v, 2), (Steps{32, 33, 36, 39, 40, 31}));
  d.g.Collections[0][kPixieCard] = 1;
  v = d.Visit(2);
  EXPECT_EQ(StepsOf(v, 2), (Steps{32, 60, 61, 62, 63, 64}));

  // At step 54 with ten 「妖精」 outside 真道's house but no 「フェアリー」: his puzzle.
  Anywhere e;
  NewGameState(e.g, QStringLiteral("太郎君"), 0);
  e.g.KazamiStep = 50;
  e.g.Collections[kKazami][kFairyCard] = 7;  // 7 + 2 + 1 = 10
  v = e.Visit(2);
  EXPECT_EQ(StepsOf(v, 2), (Steps{50, 51, 52, 53, 54, 55, 40, 31}));
  EXPECT_TRUE(
      Shows(v, "speech", "妖精の樹の根本に妖精の絵？知らないなぁ。僕が描いたんじゃないよ。"));
}

TEST(StoryPlaces, SquareGivesYokotaHerDemonKingAndSendsHerHome) {
  Anywhere d;
  auto v = d.Visit(8, {1});
  EXPECT_EQ(StepsOf(v, 8), (Steps{0, 1, 2, 4, 5, 6}));
  EXPECT_EQ(d.g.Collections[kYokota][kDemonKingCard], 1);
  EXPECT_EQ(d.g.YokotaStep, 2);
  EXPECT_EQ(d.host.portrait, -1);
  // Later visits find nobody; 横田's own counter is left alone once she is home.
  d.g.YokotaStep = 31;
  v = d.Visit(8);
  EXPECT_EQ(StepsOf(v, 8), (Steps{5, 6}));
  EXPECT_TRUE(Shows(v, "message", "こんなところに一人でいてもしょうがないな。"));
  EXPECT_EQ(d.g.YokotaStep, 31);
}

TEST(StoryPlaces, YokotaGivesTheKeyAfterAnEvenSeriesIfHerDemonKingIsGone) {
  Anywhere d;
  d.g.YokotaStep = 7;
  d.g.Collections[kYokota][kDemonKingCard] = 1;
  auto v = d.Visit(3, {0}, {Series(1, 1)});
  EXPECT_EQ(StepsOf(v, 3), (Steps{7, 8, 12, 13, 9, 10}));
  v = d.Visit(3, {0}, {Series(1, 1, 0, [](GameState& g) { Move(g, kYokota, 0, 39); })});
  EXPECT_EQ(StepsOf(v, 3), (Steps{7, 8, 12, 17, 18, 19, 20, 30}));
  EXPECT_EQ(d.g.TakamineStep, 3);
  v = d.Visit(3, {1});
  EXPECT_EQ(StepsOf(v, 3), (Steps{31, 33, 34, 30}));
}

TEST(StoryPlaces, TakamineNamesWhoeverHoldsTheHeroCard) {
  struct Case {
    int holder;
    int step;
    QString said;
  };
  const Case cases[] = {
      {kShindo, 95, QStringLiteral("「勇者」カードは真道が持ってるみたいだな。")},
      {kKazami, 96, QStringLiteral("「勇者」カードは風見が持ってるみたいだな。")},
      {kYokota, 97, QStringLiteral("「勇者」カードは横田が持ってるみたいだな。")},
  };
  for (const Case& c : cases) {
    Anywhere d;
    d.g.TakamineStep = 75;
    d.g.Collections[c.holder][kHeroCard] = 1;
    d.g.Collections[5][kHeroCard] = 0;
    d.g.FairyTreeStep = 55;
    const auto v = d.Visit(4);
    EXPECT_EQ(StepsOf(v, 4), (Steps{75, 92, 93, c.step, 74}));
    EXPECT_TRUE(Shows(v, "speech", c.said));
  }
  // His extra hints depend on the tree and on who owns 「ウィル・オ・ウィスプ」.
  Anywhere k;
  k.g.TakamineStep = 92;
  k.g.Collections[kKazami][kHeroCard] = 1;
  k.g.FairyTreeStep = 7;
  EXPECT_EQ(TextsOf(k.Visit(4), "speech").size(), 2u);  // no word about 「妖精」 cards
  Anywhere y;
  y.g.TakamineStep = 92;
  y.g.Collections[kYokota][kHeroCard] = 1;
  auto v = y.Visit(4);
  EXPECT_EQ(
      LastText(v, "speech"),
      "横田か・・・。クックック、あいつはどうもＢが好きらしいな。しかも横や後ろばかり・・・。何"
      "を考えてるんだ。");
  y.g.TakamineStep = 92;
  y.g.Collections[kTakahara][kWispCard] = 1;
  EXPECT_EQ(TextsOf(y.Visit(4), "speech").size(), 2u);

  // With 速水 結 holding it, nobody in town has it: the complaint.
  Anywhere h;
  h.g.TakamineStep = 75;
  h.g.Collections[kHayami][kHeroCard] = 1;
  v = h.Visit(4);
  EXPECT_EQ(StepsOf(v, 4), (Steps{75, 92, 93, 98, 99, 74}));
  EXPECT_EQ(LastText(v, "speech"), "残念だが、やり直せ。「勇者」カードがこの世から消えてる。");
}

TEST(StoryPlaces, OldHouseStaysShutWithoutTheHeroCard) {
  Anywhere d;
  auto v = d.Visit(5);
  EXPECT_EQ(StepsOf(v, 5), (Steps{0, 1, 7, 8, 9}));
  EXPECT_TRUE(Shows(v, "notice", "扉は硬く閉ざされている。扉には勇者の絵が描いてある。"));
  EXPECT_EQ(d.host.music, (std::vector<std::string>{"stop", "stop"}));
  EXPECT_EQ(d.g.OldHouseStep, 1);
  v = d.Visit(5);
  EXPECT_EQ(StepsOf(v, 5), (Steps{1, 7, 8, 9}));
}

TEST(StoryPlaces, TreeDuelResetsTakamineWhateverItWas) {
  Anywhere d;
  d.g.FairyTreeStep = 8;
  d.g.TakamineStep = 40;
  auto v = d.Visit(7, {0}, {Series(1, 1)});
  EXPECT_EQ(StepsOf(v, 7), (Steps{8, 9, 12, 13, 11, 6}));
  EXPECT_EQ(d.g.TakamineStep, 0);
  EXPECT_EQ(d.g.KazamiStep, 50);
  // "散歩" also sends 風見 to his step 50, with no duel.
  Anywhere e;
  e.g.FairyTreeStep = 3;
  v = e.Visit(7, {1});
  EXPECT_EQ(StepsOf(v, 7), (Steps{3, 5, 6}));
  EXPECT_EQ(e.g.KazamiStep, 50);
  // A known grave changes the last thought.
  e.g.FairyTreeStep = 55;
  e.g.PlaceUnlocked[2] = -1;
  EXPECT_EQ(LastText(e.Visit(7), "message"), "墓場・・・。ここで一体何があったんだろう。");
}

TEST(StoryPlaces, NamesAreInsertedAsTyped) {
  // A name that looks like a marker stays as it is; a name shorter than its honorific leaves an
  // empty bare name instead of the whole name.
  StoryDriver d(QStringLiteral("{bare}君"), 0);
  EXPECT_EQ(ExpandText("A{name}B{bare}C", d.g), "A{bare}君B{bare}C");
  d.g.PlayerName = QStringLiteral("君");
  d.g.PlayerSex = 1;
  EXPECT_EQ(BareName(d.g), "");
  EXPECT_EQ(ExpandText("{pronoun}", d.g), "私");
  EXPECT_EQ(ExpandText("{unknown}", d.g), "{unknown}");
}

TEST(StoryPlaces, StepsWithoutEntriesAndOtherPlacesDoNothing) {
  StoryDriver d;
  GameState before = d.g;
  d.g.TakaharaStep = 9;
  EXPECT_FALSE(RunPlaceStep(0, d.host));
  EXPECT_FALSE(RunPlaceStep(6, d.host));
  EXPECT_FALSE(RunPlaceStep(-1, d.host));
  EXPECT_FALSE(RunPlaceStep(9, d.host));
  EXPECT_TRUE(d.host.log.empty());
  EXPECT_EQ(d.g.TakaharaStep, 9);
  // A run of empty steps is passed through one per tick: 横田's 21..29 after a key step.
  d.g.YokotaStep = 21;
  d.host.hotSpots.insert(3);
  const auto v = d.Visit(3);
  EXPECT_EQ(StepsOf(v, 3), (Steps{30}));
  EXPECT_EQ(d.g.YokotaStep, 31);
  (void)before;
}

}  // namespace
}  // namespace korvane::testing
