#include "adventure/story/ending.h"

#include <algorithm>

#include "adventure/story/conditions.h"
#include "adventure/story/script_host.h"
#include "adventure/story/script_table.h"

namespace korvane::story {

const char* const kCreditCharacterDesign = "Character Design : 水野 彩花";
const char* const kCreditGraphics = "Card, Character & Map Graphics : 藤崎 蒼";
const char* const kCreditProgram = "Program, Sound & Music : 桐生 和也";
const char* const kCreditProducer = "Producer & Director : 早瀬 恭介";

namespace {

constexpr int kLongestList = 26;  // characters; a longer list is replaced

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
  const bool master = IsMaster(g);
  QString list;
  for (int k = 0; k < kCardKinds; ++k) {
    if (g.Collections[kThePlayer][k] != 0) continue;
    if (!EndingCountsCard(k, master)) continue;
    list += QStringLiteral("「") + host.CardName(k) + QStringLiteral("」");
  }
  list = list.isEmpty() ? QStringLiteral("ありません。") : list + QStringLiteral("です。");
  if (list.size() > kLongestList) list = QStringLiteral("・・・いっぱいあります。");
  return list;
}

void ShowMissingCards(ScriptHost& host) {
  GameState& g = host.State();
  const QString list = MissingCardsText(g, host);
  host.DrawTextAt(kEndingX, kMissingListY, list);
  const bool complete = list == QStringLiteral("ありません。");
  if (!IsMaster(g) && complete) {
    // The notice's own brackets close before the hint and open again after it.
    host.ShowNotice(QStringLiteral(
        "カードはずいぶん集まったようです。マスターコードを捜してみましょう。』ヒント：『"
        "妖精の樹の聖戦を制すべし。"));
    g.PlayerName.remove(0, 1);
  } else if (complete) {
    host.ShowMessage(QStringLiteral("お・わ・り"));
  } else {
    host.ShowMessage(QStringLiteral("めでたしめでたし。"));
    g.PlayerName.remove(0, 1);
  }
}

std::vector<Entry> EndingEntries() {
  return {
      {100, {Notice("ガチャ。")}, To(101)},
      {101, {Message("あれ。留守か・・・・・・。出直してこよう。")}, To(102)},
      {102,
       {PlayMusic("ending.mid"), Timer(100), HidePlayerFrame(), FillLightGrey(),
        Message("それから、高峰の姿を見る事はなかった。")},
       To(103)},
      {103,
       {DrawText(kEndingX, 500, kCreditCharacterDesign),
        Message("考えてみたら、高峰の部屋はずいぶんと生活感のない部屋だった。")},
       To(104)},
      {104,
       {DrawText(kEndingX, 1000, kCreditGraphics), Message("もしかしたら、高峰は・・・・・・？")},
       To(105)},
      {105,
       {DrawText(kEndingX, 1500, kCreditProgram),
        Message("横田は、『アイツ、小説家志望だったの？』なんて笑っていた。")},
       To(106)},
      {106,
       {DrawText(kEndingX, 2000, "Special Thanks to Test Players!"),
        Message("風見だけは、妖精の仕業だと、興味津々にあたりをかぎまわっていた。")},
       To(107)},
      {107,
       {DrawText(kEndingX, 2500, "「ＫＯＲＶＡＮＥ」"),
        Message("街全体はというと、それほど変わらない。")},
       To(108)},
      {108,
       {DrawText(kEndingX, 3000, kCreditProducer), Message("みんな楽しく遊んでいる。")},
       To(109)},
      {109, {Message("{bare}という名前も強いカードプレイヤーとしてある程度知れ渡った。")}, To(110)},
      {110,
       {Message("どうやら、{pronoun}の中のＫＯＲＶＡＮＥブームも、一段落したようだ。")},
       To(111)},
      {111,
       {DrawText(kEndingX, 3500, "手に入るカードの中であなたの持っていないカードは"),
        Message("楽しく、カードを取ったり取られたりしながら遊んでいよう。")},
       To(112)},
      {112, {MissingCards()}, To(113)},
      {113,
       {If(IsMaster,
           {Notice("{bare}"
                   "様を、ＫＯＲＶＡＮＥマスターに認定します。ＫＯＲＶＡＮＥのマスターコードは、「O"
                   "rBiT」です。")},
           To(114)),
        Else({}, To(114))}},
      {114, {Timer(0)}, To(114)},
  };
}

}  // namespace korvane::story
