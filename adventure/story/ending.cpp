#include "adventure/story/ending.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "adventure/story/conditions.h"
#include "adventure/story/script_host.h"
#include "adventure/story/script_table.h"
#include "state/language.h"

namespace korvane::story {

// The credits name the people behind the game; the English edition writes the names in Latin
// letters.
const char* const kCreditCharacterDesign =
    QT_TRANSLATE_NOOP("Story", "Character Design : 水野 彩花");
const char* const kCreditGraphics =
    QT_TRANSLATE_NOOP("Story", "Card, Character & Map Graphics : 藤崎 蒼");
const char* const kCreditProgram = QT_TRANSLATE_NOOP("Story", "Program, Sound & Music : 桐生 和也");
const char* const kCreditProducer = QT_TRANSLATE_NOOP("Story", "Producer & Director : 早瀬 恭介");

namespace {

constexpr int kLongestList = 26;  // characters; a longer list is replaced
// Latin letters take about half the width of a Japanese character; the English list gets the
// same room on the screen.
constexpr int kLongestEnglishList = 48;

QString StoryText(const char* source) { return QCoreApplication::translate("Story", source); }

// The cards the ending lists: those the player lacks that the ending counts, in identifier order.
std::vector<int> MissingCards(const GameState& g) {
  const bool master = IsMaster(g);
  std::vector<int> missing;
  for (int k = 0; k < kCardKinds; ++k) {
    if (g.Collections[kThePlayer][k] == 0 && EndingCountsCard(k, master)) missing.push_back(k);
  }
  return missing;
}

}  // namespace

QString BareName(const GameState& g) {
  // Drops "君" (one character) or "さん" (two); a leading "※" stays.
  const qsizetype keep = g.PlayerName.size() - g.PlayerSex - 1;
  return g.PlayerName.left(std::max<qsizetype>(keep, 0));
}

QString Pronoun(const GameState& g) {
  return g.PlayerSex == 0 ? QStringLiteral("僕") : QStringLiteral("私");
}

QString MissingCardsText(const GameState& g, ScriptHost& host) {
  const std::vector<int> missing = MissingCards(g);
  const QString none = StoryText(QT_TRANSLATE_NOOP("Story", "ありません。"));
  const QString tooMany = StoryText(QT_TRANSLATE_NOOP("Story", "・・・いっぱいあります。"));
  if (missing.empty()) return none;
  if (EnglishEdition()) {
    QStringList names;
    for (int k : missing) names << CardNameInEdition(host.CardName(k));
    const QString list = names.join(QStringLiteral(", ")) + QLatin1Char('.');
    return list.size() > kLongestEnglishList ? tooMany : list;
  }
  QString list;
  for (int k : missing) list += QStringLiteral("「") + host.CardName(k) + QStringLiteral("」");
  list += QStringLiteral("です。");
  return list.size() > kLongestList ? tooMany : list;
}

void ShowMissingCards(ScriptHost& host) {
  GameState& g = host.State();
  host.DrawTextAt(kEndingX, kMissingListY, MissingCardsText(g, host));
  const bool complete = MissingCards(g).empty();
  if (!IsMaster(g) && complete) {
    // The notice's own brackets close before the hint and open again after it.
    host.ShowNotice(StoryText(QT_TRANSLATE_NOOP(
        "Story",
        "カードはずいぶん集まったようです。マスターコードを捜してみましょう。』ヒント：『"
        "妖精の樹の聖戦を制すべし。")));
    g.PlayerName.remove(0, 1);
  } else if (complete) {
    host.ShowMessage(StoryText(QT_TRANSLATE_NOOP("Story", "お・わ・り")));
  } else {
    host.ShowMessage(StoryText(QT_TRANSLATE_NOOP("Story", "めでたしめでたし。")));
    g.PlayerName.remove(0, 1);
  }
}

std::vector<Entry> EndingEntries() {
  return {
      {100, {Notice(QT_TRANSLATE_NOOP("Story", "ガチャ。"))}, To(101)},
      {101,
       {Message(QT_TRANSLATE_NOOP("Story", "あれ。留守か・・・・・・。出直してこよう。"))},
       To(102)},
      {102,
       {PlayMusic("ending.mid"), Timer(100), HidePlayerFrame(), FillLightGrey(),
        Message(QT_TRANSLATE_NOOP("Story", "それから、高峰の姿を見る事はなかった。"))},
       To(103)},
      {103,
       {DrawText(kEndingX, 500, kCreditCharacterDesign),
        Message(QT_TRANSLATE_NOOP("Story",
                                  "考えてみたら、高峰の部屋はずいぶんと生活感のない部屋だった。"))},
       To(104)},
      {104,
       {DrawText(kEndingX, 1000, kCreditGraphics),
        Message(QT_TRANSLATE_NOOP("Story", "もしかしたら、高峰は・・・・・・？"))},
       To(105)},
      {105,
       {DrawText(kEndingX, 1500, kCreditProgram),
        Message(QT_TRANSLATE_NOOP("Story",
                                  "横田は、『アイツ、小説家志望だったの？』なんて笑っていた。"))},
       To(106)},
      {106,
       {DrawText(kEndingX, 2000, QT_TRANSLATE_NOOP("Story", "Special Thanks to Test Players!")),
        Message(QT_TRANSLATE_NOOP(
            "Story", "風見だけは、妖精の仕業だと、興味津々にあたりをかぎまわっていた。"))},
       To(107)},
      {107,
       {DrawText(kEndingX, 2500, QT_TRANSLATE_NOOP("Story", "「ＫＯＲＶＡＮＥ」")),
        Message(QT_TRANSLATE_NOOP("Story", "街全体はというと、それほど変わらない。"))},
       To(108)},
      {108,
       {DrawText(kEndingX, 3000, kCreditProducer),
        Message(QT_TRANSLATE_NOOP("Story", "みんな楽しく遊んでいる。"))},
       To(109)},
      {109,
       {Message(QT_TRANSLATE_NOOP(
           "Story", "{bare}という名前も強いカードプレイヤーとしてある程度知れ渡った。"))},
       To(110)},
      {110,
       {Message(QT_TRANSLATE_NOOP(
           "Story", "どうやら、{pronoun}の中のＫＯＲＶＡＮＥブームも、一段落したようだ。"))},
       To(111)},
      {111,
       {DrawText(kEndingX, 3500,
                 QT_TRANSLATE_NOOP("Story", "手に入るカードの中であなたの持っていないカードは")),
        Message(QT_TRANSLATE_NOOP("Story",
                                  "楽しく、カードを取ったり取られたりしながら遊んでいよう。"))},
       To(112)},
      {112, {MissingCards()}, To(113)},
      {113,
       {If(IsMaster,
           {Notice(QT_TRANSLATE_NOOP(
               "Story",
               "{bare}"
               "様を、ＫＯＲＶＡＮＥマスターに認定します。ＫＯＲＶＡＮＥのマスターコードは、「O"
               "rBiT」です。"))},
           To(114)),
        Else({}, To(114))}},
      {114, {Timer(0)}, To(114)},
  };
}

}  // namespace korvane::story
