// The ending's list of missing cards, its closing words and the master certificate, and the
// master route played from a new game.
#include <gtest/gtest.h>

#include "adventure/story/conditions.h"
#include "tests/story/story_routes.h"

namespace korvane::testing {
namespace {

using namespace korvane::story;

const QString kCertificate = QStringLiteral(
    "様を、ＫＯＲＶＡＮＥマスターに認定します。ＫＯＲＶＡＮＥのマスターコードは、「OrBiT」です。");

// Plays the old house's last steps: the girl has vanished and the ending runs in 高峰's house.
std::vector<Event> PlayEnding(StoryDriver& d) {
  d.g.OldHouseStep = 22;
  d.g.PlaceUnlocked[4] = -1;
  d.host.hotSpots.insert(5);
  return d.Visit(5);
}

QString ListDrawn(const std::vector<Event>& v) {
  for (const Event& e : v) {
    if (e.kind == "draw" && e.b == 4000) return e.text;
  }
  return QStringLiteral("(not drawn)");
}

void OwnAllBut(GameState& g, std::initializer_list<int> missing) {
  g.Collections[0].fill(1);
  for (int k : missing) g.Collections[0][k] = 0;
}

TEST(StoryEnding, MasterWithEveryCardIsCertifiedWithTheBareName) {
  StoryDriver d(QStringLiteral("※花子さん"), 1);
  OwnAllBut(d.g, {});
  const auto v = PlayEnding(d);
  EXPECT_EQ(ListDrawn(v), "ありません。");
  const auto messages = TextsOf(v, "message");
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "お・わ・り");
  EXPECT_EQ(LastText(v, "notice"), "※花子" + kCertificate);
  EXPECT_EQ(d.g.PlayerName, "※花子さん");
  EXPECT_EQ(d.host.timerMs, 0);
}

TEST(StoryEnding, MasterLackingCard38LosesTheMarkAndTheCertificate) {
  StoryDriver d(QStringLiteral("※太郎君"), 0);
  OwnAllBut(d.g, {38});
  const auto v = PlayEnding(d);
  EXPECT_EQ(ListDrawn(v), "「札38」です。");
  EXPECT_EQ(LastText(v, "message"), "めでたしめでたし。");
  EXPECT_EQ(TextsOf(v, "notice"), std::vector<QString>{"ガチャ。"});
  EXPECT_EQ(d.g.PlayerName, "太郎君");
}

TEST(StoryEnding, PlayerWithoutTheMarkGetsTheHintInstead) {
  StoryDriver d(QStringLiteral("太郎君"), 0);
  OwnAllBut(d.g, {33, 34, 35, 38});  // cards only a master is asked for
  const auto v = PlayEnding(d);
  EXPECT_EQ(ListDrawn(v), "ありません。");
  EXPECT_EQ(LastText(v, "notice"),
            "カードはずいぶん集まったようです。マスターコードを捜してみましょう。』ヒント：『妖精の"
            "樹の聖戦を制すべし。");
  EXPECT_EQ(LastText(v, "message"), "楽しく、カードを取ったり取られたりしながら遊んでいよう。");
  EXPECT_EQ(d.g.PlayerName, "郎君");  // the first character goes; no certificate follows
  for (const QString& n : TextsOf(v, "notice")) EXPECT_FALSE(n.endsWith(kCertificate));
}

TEST(StoryEnding, ListIsReplacedOnlyWhenLongerThan26Characters) {
  {
    StoryDriver d;
    OwnAllBut(d.g, {1, 2});
    d.host.cardNames[1] = QStringLiteral("あいうえおかきくけこ");  // 12 with its brackets
    d.host.cardNames[2] = QStringLiteral("さしすせそたちつて");    // 11
    EXPECT_EQ(ListDrawn(PlayEnding(d)), "「あいうえおかきくけこ」「さしすせそたちつて」です。");
  }
  {
    StoryDriver d;
    OwnAllBut(d.g, {1, 2});
    d.host.cardNames[1] = QStringLiteral("あいうえおかきくけこ");
    d.host.cardNames[2] = QStringLiteral("さしすせそたちつてと");  // 27 in all
    const auto v = PlayEnding(d);
    EXPECT_EQ(ListDrawn(v), "・・・いっぱいあります。");
    EXPECT_EQ(LastText(v, "message"), "めでたしめでたし。");
  }
}

TEST(StoryEnding, MissingCardFileGivesEmptyBrackets) {
  StoryDriver d;
  OwnAllBut(d.g, {5, 6});
  d.host.cardNames[5] = QString();
  d.host.cardNames[6] = QString();
  EXPECT_EQ(ListDrawn(PlayEnding(d)), "「」「」です。");
}

TEST(StoryEnding, EndingKeepsThePlayerInside) {
  StoryDriver d;
  const auto v = PlayEnding(d);
  EXPECT_FALSE(Shows(v, "map", {}));
  EXPECT_FALSE(Shows(v, "choices", {}));
  EXPECT_EQ(d.host.current, 4);
  EXPECT_TRUE(d.host.hotSpots.empty());
}

// The master route from a new game: the tree's duel won, then on to the ending.
TEST(StoryMaster, CompleteMasterCollectionEarnsTheCertificate) {
  StoryDriver d(QStringLiteral("太郎君"), 0);
  PlayToKazami(d);
  PlayFairyTreeRoute(d, /*winAtTree=*/true);
  EXPECT_EQ(d.g.PlayerName, "※太郎君");
  const auto v = PlaySquareToEnding(d, true, true, [](GameState& g) { OwnAllBut(g, {}); });
  EXPECT_TRUE(
      Shows(v, "message", "※太郎という名前も強いカードプレイヤーとしてある程度知れ渡った。"));
  EXPECT_EQ(ListDrawn(v), "ありません。");
  EXPECT_EQ(LastText(v, "notice"), "※太郎" + kCertificate);
  EXPECT_EQ(d.g.PlayerName, "※太郎君");
}

TEST(StoryMaster, MissingCard38MeansNoCertificate) {
  StoryDriver d(QStringLiteral("太郎君"), 0);
  PlayToKazami(d);
  PlayFairyTreeRoute(d, /*winAtTree=*/true);
  const auto v = PlaySquareToEnding(d, true, true, [](GameState& g) { OwnAllBut(g, {38}); });
  EXPECT_EQ(ListDrawn(v), "「札38」です。");
  EXPECT_EQ(LastText(v, "message"), "めでたしめでたし。");
  EXPECT_EQ(LastText(v, "notice"), "ガチャ。");
  EXPECT_EQ(d.g.PlayerName, "太郎君");
}

}  // namespace
}  // namespace korvane::testing
