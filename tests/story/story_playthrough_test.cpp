// Whole games from a new game to the ending, along both ways to 横田, with each duel series'
// outcome and card transfers decided here.
#include <gtest/gtest.h>

#include "adventure/story/conditions.h"
#include "tests/story/story_routes.h"

namespace korvane::testing {
namespace {

using namespace korvane::story;

std::vector<Event> Draws(const std::vector<Event>& ev) {
  std::vector<Event> out;
  for (const Event& e : ev) {
    if (e.kind == "draw") out.push_back(e);
  }
  return out;
}

TEST(StoryPlaythrough, BelieverReachesTheEndingThroughTheFairyTree) {
  StoryDriver d(QStringLiteral("太郎君"), 0);
  PlayToKazami(d);
  PlayFairyTreeRoute(d, /*winAtTree=*/false);
  const auto v = PlaySquareToEnding(d, /*winSquare=*/true, /*metAtTree=*/true);

  // The ending: light grey screen, slower typing, the credit lines at their places.
  EXPECT_TRUE(Shows(v, "notice", "ガチャ。"));
  EXPECT_EQ(d.host.music.back(), "play ending.mid");
  EXPECT_TRUE(Shows(v, "light grey", {}));
  EXPECT_TRUE(Shows(v, "hide player frame", {}));
  const auto draws = Draws(v);
  ASSERT_EQ(draws.size(), 8u);
  const int ys[8] = {500, 1000, 1500, 2000, 2500, 3000, 3500, 4000};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(draws[i].a, 500);
    EXPECT_EQ(draws[i].b, ys[i]);
  }
  EXPECT_TRUE(draws[0].text.startsWith("Character Design"));
  EXPECT_TRUE(draws[1].text.startsWith("Card, Character & Map Graphics"));
  EXPECT_TRUE(draws[2].text.startsWith("Program, Sound & Music"));
  EXPECT_EQ(draws[3].text, "Special Thanks to Test Players!");
  EXPECT_EQ(draws[4].text, "「ＫＯＲＶＡＮＥ」");
  EXPECT_TRUE(draws[5].text.startsWith("Producer & Director"));
  EXPECT_EQ(draws[6].text, "手に入るカードの中であなたの持っていないカードは");
  // Far more than two cards are missing.
  EXPECT_EQ(draws[7].text, "・・・いっぱいあります。");
  const auto messages = TextsOf(v, "message");
  EXPECT_TRUE(
      Shows(v, "message", "太郎という名前も強いカードプレイヤーとしてある程度知れ渡った。"));
  EXPECT_TRUE(Shows(v, "message", "どうやら、僕の中のＫＯＲＶＡＮＥブームも、一段落したようだ。"));
  EXPECT_EQ(messages.back(), "めでたしめでたし。");
  EXPECT_EQ(LastText(v, "notice"), "ガチャ。");  // no certificate
  // Typing slows to 100 ms at step 102 and the engine stops at 114.
  std::vector<int> timers;
  for (const Event& e : v) {
    if (e.kind == "timer") timers.push_back(e.a);
  }
  EXPECT_EQ(timers, (std::vector<int>{100, 0}));
  // Rewards along the way.
  EXPECT_EQ(d.g.Collections[0][kWispCard], 1);
  EXPECT_EQ(d.g.Collections[0][kWerecatCard], 1);
  EXPECT_EQ(d.g.Collections[0][kPixieCard], 1);
  EXPECT_EQ(d.g.Collections[0][kHeroCard], 1);
  EXPECT_EQ(d.g.Collections[0][kDemonKingCard], 1);
  // Nothing after the last step: the counter rests, the engine is stopped.
  EXPECT_TRUE(RunPlaceStep(4, d.host));
  EXPECT_EQ(d.g.TakamineStep, 113);
}

TEST(StoryPlaythrough, DoubterReachesTheEndingThroughTakahara) {
  StoryDriver d(QStringLiteral("花子さん"), 1);
  PlayToKazami(d);
  PlayDoubterRoute(d);
  const auto v = PlaySquareToEnding(d, /*winSquare=*/false, /*metAtTree=*/false);

  EXPECT_EQ(d.g.Collections[0][kWispCard], 0);  // the square was lost
  EXPECT_EQ(d.g.Collections[0][kPixieCard], 0);
  EXPECT_TRUE(
      Shows(v, "message", "花子という名前も強いカードプレイヤーとしてある程度知れ渡った。"));
  EXPECT_TRUE(Shows(v, "message", "どうやら、私の中のＫＯＲＶＡＮＥブームも、一段落したようだ。"));
  EXPECT_EQ(LastText(v, "message"), "めでたしめでたし。");
  // The fairy tree was never on the map on this way.
  EXPECT_EQ(d.g.FairyTreeStep, -1);
  EXPECT_EQ(d.g.PlaceUnlocked[1], 0);
}

}  // namespace
}  // namespace korvane::testing
