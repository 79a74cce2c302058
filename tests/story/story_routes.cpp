#include "tests/story/story_routes.h"

#include "adventure/story/conditions.h"

namespace korvane::testing {

using namespace korvane::story;
using Steps = std::vector<int>;

void PlayToKazami(StoryDriver& d) {
  GameState& g = d.g;
  ASSERT_EQ(d.host.hotSpots, (std::set<int>{1, 6}));

  // 真道 gives two each of cards 1..8 and sends the player to 高原.
  auto v = d.Visit(1);
  EXPECT_EQ(StepsOf(v, 1), (Steps{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(TextsOf(v, "speech").front(),
            "ようこそ！俺は真道 祐樹。今、カードにはまってんだ。この辺で流行っててさ。");
  EXPECT_TRUE(Shows(v, "notice", "色々なカードを手に入れた。"));
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(g.Collections[0][k], 2) << k;
  EXPECT_EQ(g.TotalCards(0), 16);
  EXPECT_EQ(g.ShindoStep, 7);
  EXPECT_TRUE(d.host.hotSpots.count(0));
  EXPECT_FALSE(d.host.hotSpots.count(2));

  // 高原's first series, won: she points to 真道.
  v = d.Visit(0, {0}, {Series(2, 0, 1, [](GameState& s) { Move(s, kTakahara, kThePlayer, 12); })});
  EXPECT_EQ(StepsOf(v, 0), (Steps{0, 1, 2, 12, 15, 16, 17, 18, 19, 31, 32}));
  EXPECT_EQ(TextsOf(v, "speech").front(),
            "あ、いらっしゃ～い。" + g.PlayerName +
                "よね。さっき真道君から電話があったんだ～。私、高原 良絵ってゆ～の。");
  EXPECT_TRUE(Shows(v, "duel", "高原 良絵"));
  EXPECT_TRUE(Shows(v, "notice", "今回の戦績は2勝0敗1引き分けだった。"));
  EXPECT_EQ(g.TakaharaStep, 33);
  EXPECT_FALSE(d.host.hotSpots.count(2));  // 真道 has not had his first series yet

  // 真道's first series, won with his three strong cards: he sends the player to 風見.
  v = d.Visit(1, {0}, {Series(3, 1, 0, [](GameState& s) {
                for (int k : {kKnightCard, kGolemCard, kGeneralCard}) Move(s, kShindo, 0, k);
              })});
  EXPECT_EQ(StepsOf(v, 1), (Steps{7, 8, 12, 15, 18, 19, 20, 21, 22, 31}));
  EXPECT_EQ(g.ShindoStep, 32);
  EXPECT_TRUE(d.host.hotSpots.count(2));
  EXPECT_FALSE(d.host.hotSpots.count(7));
}

void PlayFairyTreeRoute(StoryDriver& d, bool winAtTree) {
  GameState& g = d.g;
  // 風見: "欲しい", "その通り", five 「妖精」 won, "いる".
  auto v = d.Visit(2, {0, 0, 0},
                   {Series(2, 0, 0, [](GameState& s) { Move(s, kKazami, 0, kFairyCard, 5); })});
  EXPECT_EQ(StepsOf(v, 2), (Steps{0, 1, 2, 3, 5, 6, 12, 15, 18, 19, 20, 30, 31}));
  EXPECT_EQ(g.KazamiStep, 32);
  EXPECT_TRUE(d.host.hotSpots.count(7));
  EXPECT_FALSE(d.host.hotSpots.count(3));

  // The first meeting with 高峰 at the tree.
  const QString name = g.PlayerName;
  v = d.Visit(7, {0, 0},
              {winAtTree ? Series(2, 0) : Series(0, 2, 0, [](GameState& s) { Move(s, 0, 5, 1); })});
  EXPECT_TRUE(Shows(v, "speech", name + "っていうのか。ここには、何しに来たんだ？"));
  EXPECT_TRUE(Shows(v, "duel", "高峰 武"));
  EXPECT_EQ(g.TakamineStep, 0);
  EXPECT_EQ(g.KazamiStep, 50);
  EXPECT_EQ(g.FairyTreeStep, 7);
  EXPECT_EQ(d.host.frame, false);
  if (winAtTree) {
    EXPECT_EQ(StepsOf(v, 7),
              (Steps{-1, 0, 1, 2, 3, 4, 8, 9, 12, 15, 16, 17, 18, 19, 20, 21, 11, 6}));
    EXPECT_EQ(g.Collections[0][kDeathCard], 1);
    EXPECT_TRUE(
        Shows(v, "notice",
              "マスターズチェックポイントを通過しました。難易度がマスターレベルになります。"));
    EXPECT_TRUE(Shows(v, "notice", "あなたの名前にマスターマーク※が付きます。"));
    EXPECT_EQ(g.PlayerName, "※" + name);
  } else {
    EXPECT_EQ(StepsOf(v, 7), (Steps{-1, 0, 1, 2, 3, 4, 8, 9, 12, 14, 11, 6}));
    EXPECT_EQ(g.Collections[0][kDeathCard], 0);
    EXPECT_EQ(g.PlayerName, name);
  }

  // With five 「妖精」 the picture on one of them changes.
  v = d.Visit(7);
  EXPECT_EQ(StepsOf(v, 7), (Steps{7, 51, 52, 53, 54, 55, 56}));
  EXPECT_EQ(g.Collections[0][kFairyCard], 4);
  EXPECT_EQ(g.Collections[0][kPixieCard], 1);
  EXPECT_TRUE(Shows(v, "message", "ここは一体何なんだろう？"));
  EXPECT_EQ(g.FairyTreeStep, 55);

  // 風見 hears about the tree: 横田 and the square open, 高峰 gets 「勇者」, and ten 「妖精」
  // outside 真道's house make him ask about the 「フェアリー」.
  EXPECT_EQ(g.Collections[kTakamine][kHeroCard], 0);
  v = d.Visit(2);
  EXPECT_EQ(StepsOf(v, 2), (Steps{50, 51, 52, 53, 54, 60, 61, 62, 63, 64}));
  EXPECT_TRUE(Shows(v, "message", "かくかくしかじか・・・・・・。"));
  EXPECT_EQ(g.Collections[kTakamine][kHeroCard], 1);
  EXPECT_TRUE(d.host.hotSpots.count(3));
  EXPECT_TRUE(d.host.hotSpots.count(8));
  EXPECT_FALSE(d.host.hotSpots.count(4));

  v = d.Visit(2, {1});
  EXPECT_EQ(StepsOf(v, 2), (Steps{65, 66, 32, 34, 31}));
  EXPECT_EQ(g.FairyTreeStep, 40);
  EXPECT_EQ(g.Collections[kKazami][kKazamiGift], 1);
  EXPECT_NE(g.PlaceUnlocked[5], 0);

  v = d.Visit(7);
  EXPECT_EQ(StepsOf(v, 7), (Steps{40, 54, 55, 56}));
  EXPECT_TRUE(Shows(v, "notice", "妖精の絵が消えている。"));
}

void PlayDoubterRoute(StoryDriver& d) {
  GameState& g = d.g;
  auto v = d.Visit(2, {0, 0}, {Series(2, 0)});
  EXPECT_EQ(StepsOf(v, 2), (Steps{0, 1, 2, 3, 5, 6, 12, 15, 16, 17, 8}));
  // He kept all eight 「妖精」, so the question waits for a later series.
  v = d.Visit(2, {0, 1}, {Series(1, 0, 0, [](GameState& s) { Move(s, kKazami, 0, kFairyCard); })});
  EXPECT_EQ(StepsOf(v, 2), (Steps{5, 6, 12, 15, 18, 19, 21, 22, 23, 30, 31}));
  EXPECT_EQ(g.TakaharaStep, 50);
  EXPECT_FALSE(d.host.hotSpots.count(7));
  EXPECT_FALSE(d.host.hotSpots.count(3));

  v = d.Visit(0, {1});
  EXPECT_EQ(StepsOf(v, 0), (Steps{50, 51, 52, 53, 33, 35, 32}));
  EXPECT_TRUE(Shows(v, "speech", "あ、いらしゃ～い。"));
  EXPECT_EQ(g.Collections[kTakamine][kHeroCard], 1);
  EXPECT_TRUE(d.host.hotSpots.count(3));
  EXPECT_TRUE(d.host.hotSpots.count(8));
  EXPECT_FALSE(d.host.hotSpots.count(7));
}

std::vector<Event> PlaySquareToEnding(StoryDriver& d, bool winSquare, bool metAtTree,
                                      const std::function<void(GameState&)>& beforeLastDuel) {
  GameState& g = d.g;
  // Nobody at 横田's until the square.
  auto v = d.Visit(3);
  EXPECT_EQ(StepsOf(v, 3), (Steps{0, 1}));
  EXPECT_EQ(g.YokotaStep, 0);

  // The square.
  const int wispBefore = g.Collections[0][kWispCard];
  v = d.Visit(8, {0}, {winSquare ? Series(2, 1) : Series(1, 2)});
  EXPECT_TRUE(Shows(v, "speech", "もしかして、あなたが" + g.PlayerName + "？"));
  EXPECT_TRUE(Shows(v, "duel", "横田 真央"));
  const Steps square =
      winSquare ? Steps{0, 1, 2, 3, 12, 15, 16, 17, 18, 5, 6} : Steps{0, 1, 2, 3, 12, 14, 5, 6};
  EXPECT_EQ(StepsOf(v, 8), square);
  EXPECT_EQ(g.Collections[0][kWispCard], wispBefore + (winSquare ? 1 : 0));
  EXPECT_EQ(g.Collections[kYokota][kDemonKingCard], 1);
  EXPECT_EQ(g.YokotaStep, 2);
  EXPECT_EQ(g.SquareStep, 5);

  // 横田 at home; declined once, then her 「魔王」 taken in a lost series: the key.
  v = d.Visit(3, {1});
  EXPECT_EQ(StepsOf(v, 3), (Steps{2, 3, 4, 5, 6, 7, 9, 10}));
  EXPECT_TRUE(d.host.hotSpots.count(4));
  v = d.Visit(4);
  EXPECT_EQ(StepsOf(v, 4), (Steps{0, 1, 2}));
  EXPECT_TRUE(Shows(v, "notice", "コンコン！"));
  EXPECT_EQ(g.TakamineStep, 0);
  v = d.Visit(3, {0}, {Series(1, 2, 0, [](GameState& s) { Move(s, kYokota, 0, kDemonKingCard); })});
  EXPECT_EQ(StepsOf(v, 3), (Steps{7, 8, 12, 17, 18, 19, 20, 30}));
  EXPECT_TRUE(Shows(v, "notice", "今回の戦績は1勝2敗0引き分けだった。"));
  EXPECT_TRUE(Shows(v, "notice", "高峰の家の合い鍵を手に入れた。"));
  EXPECT_EQ(g.TakamineStep, 3);

  // 高峰 loses 「勇者」 and tells his story with the music off.
  d.host.music.clear();
  v = d.Visit(4, {0}, {Series(2, 1, 0, [](GameState& s) { Move(s, kTakamine, 0, kHeroCard); })});
  EXPECT_TRUE(Shows(v, "speech",
                    metAtTree ? "たしか君は、前に会ったな。" + g.PlayerName + "だったかな。"
                              : "そうか、" + g.PlayerName + "っていうのか。"));
  Steps story{3, 4, 5, 6, 7, 8, 12, 17};
  for (int s = 50; s <= 69; ++s) story.push_back(s);
  story.push_back(30);
  EXPECT_EQ(StepsOf(v, 4), story);
  EXPECT_EQ(d.host.music, (std::vector<std::string>{"stop", "resume"}));
  EXPECT_TRUE(d.host.hotSpots.count(5));
  EXPECT_EQ(g.TakamineStep, 31);

  // The girl in the old house, declined: 高峰 does not believe it.
  d.host.music.clear();
  v = d.Visit(5, {1});
  EXPECT_EQ(StepsOf(v, 5), (Steps{0, 1, 2, 3, 5, 6}));
  EXPECT_EQ(d.host.music, (std::vector<std::string>{"stop", "stop", "resume"}));
  EXPECT_EQ(g.TakamineStep, 70);
  EXPECT_EQ(g.OldHouseStep, 2);
  v = d.Visit(4);
  EXPECT_EQ(StepsOf(v, 4), (Steps{70, 71, 72, 73, 74}));

  // 「勇者」 lost to 高原; 高峰 names her; the perfect win gives it back with
  // 「ワーキャット」.
  v = d.Visit(0, {0}, {Series(1, 2, 0, [](GameState& s) { Move(s, 0, kTakahara, kHeroCard); })});
  EXPECT_EQ(StepsOf(v, 0), (Steps{33, 34, 36, 38, 40, 32}));
  v = d.Visit(4);
  EXPECT_EQ(StepsOf(v, 4), (Steps{75, 92, 93, 94, 74}));
  EXPECT_TRUE(Shows(v, "speech", "「勇者」カードは高原が持ってるみたいだな。"));
  EXPECT_EQ(LastText(v, "speech"),
            "高原といえば、あの人は「ワーキャット」カードを持っていたな。ま、どうせ勝負の場に出す気"
            "はないんだろうけどな。");
  v = d.Visit(0, {0}, {Series(-1, 0, 0, [](GameState& s) { Move(s, kTakahara, 0, kHeroCard); })});
  EXPECT_EQ(StepsOf(v, 0), (Steps{33, 34, 36, 61, 62, 63, 64, 40, 32}));
  EXPECT_TRUE(TextsOf(v, "notice") ==
              std::vector<QString>{QStringLiteral("「ワーキャット」カードを手に入れた。")});
  EXPECT_EQ(g.Collections[0][kWerecatCard], 1);
  v = d.Visit(4);
  EXPECT_EQ(StepsOf(v, 4), (Steps{75, 73, 74}));

  // Saved, then lost to 速水 結: time turns back in 高峰's house.
  v = d.Visit(5, {0, 0},
              {Series(0, 1), Series(2, 0, 0, [](GameState& s) { Move(s, 5, 0, kHeroCard); })});
  EXPECT_EQ(StepsOf(v, 5), (Steps{2, 3, 4, 12, 13, 14}));
  EXPECT_TRUE(Shows(v, "save", {}));
  EXPECT_TRUE(Shows(v, "duel", "速水 結"));
  // Straight into his house: no map before his step 80.
  size_t firstMap = v.size(), step80 = v.size();
  for (size_t i = v.size(); i-- > 0;) {
    if (v[i].kind == "map") firstMap = i;
    if (v[i].kind == "step" && v[i].a == 4 && v[i].b == 80) step80 = i;
  }
  EXPECT_LT(step80, firstMap);
  EXPECT_EQ(StepsOf(v, 4), (Steps{80, 81, 82, 83, 7, 8, 12, 17, 90, 91, 30}));
  EXPECT_TRUE(Shows(v, "message", "（あれ？「勇者」カードがなくなってる。）"));
  EXPECT_EQ(g.Collections[0][kHeroCard], 1);  // won back from 高峰
  EXPECT_EQ(g.Collections[kTakamine][kHeroCard], 0);
  EXPECT_EQ(g.OldHouseStep, 1);
  EXPECT_EQ(g.TakamineStep, 31);

  // Won against her: the ending.
  if (beforeLastDuel) beforeLastDuel(g);
  v = d.Visit(5, {0}, {Series(1, 0)});
  EXPECT_EQ(StepsOf(v, 5), (Steps{1, 2, 3, 4, 12, 16, 17, 18, 19, 20, 21, 22}));
  EXPECT_TRUE(Shows(v, "notice", "女の子はにっこり微笑むとこつぜんと姿を消した。"));
  Steps ending;
  for (int s = 100; s <= 114; ++s) ending.push_back(s);
  EXPECT_EQ(StepsOf(v, 4), ending);
  EXPECT_EQ(g.OldHouseStep, 23);
  EXPECT_EQ(g.TakamineStep, 114);
  EXPECT_EQ(d.host.timerMs, 0);
  return v;
}

}  // namespace korvane::testing
