#include "adventure/story/conditions.h"
#include "adventure/story/ending.h"
#include "adventure/story/script_table.h"

namespace korvane::story {

// 高峰 武 (place 4). Nobody opens until 横田 gives the key (step 3).
PlaceScript TakamineScript() {
  PlaceScript script{
      4,
      {
          {0, {Notice(QT_TRANSLATE_NOOP("Story", "コンコン！"))}, To(1)},
          {1, {Message(QT_TRANSLATE_NOOP("Story", "返事が無い。出直してこよう。"))}, To(2)},
          {2, {Map()}, To(0)},
          {3,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "誰だ、君は。勝手に入ってくるなんて、なかなか愉快なやつだな。"))},
           To(4)},
          {4,
           {If(MetAtFairyTree,
               {Speech(QT_TRANSLATE_NOOP("Story", "たしか君は、前に会ったな。{name}だったかな。"))},
               To(5)),
            Else({Speech(QT_TRANSLATE_NOOP("Story", "そうか、{name}っていうのか。"))}, To(5))}},
          {5, {Speech(QT_TRANSLATE_NOOP("Story", "なんの用かな？妖精の樹の話？"))}, To(6)},
          {6,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "ふん、馬鹿に語ってもしょうがない。カードで勝てたら教えてやるぜ？"))},
           To(7)},
          {7,
           {Speech(QT_TRANSLATE_NOOP("Story", "勝負するのか？")),
            Choices(QT_TRANSLATE_NOOP("Story", "勝負！"), QT_TRANSLATE_NOOP("Story", "やめとく"))},
           Choice(8, 9)},
          {8, {Duel()}, AfterDuel(12)},
          {9, {Speech(QT_TRANSLATE_NOOP("Story", "それが良い、そうしな。"))}, To(10)},
          {10, {Speech(QT_TRANSLATE_NOOP("Story", "じゃあな。"))}, To(11)},
          {11, {Map()}, To(7)},
          {12, {Do({Result()}), If(TakamineLostHero, {}, To(17)), Else({}, Won(15, 14, 13))}},
          {13, {Speech(QT_TRANSLATE_NOOP("Story", "ふん・・・・・・。力不足だ。"))}, To(16)},
          {14,
           {Speech(QT_TRANSLATE_NOOP("Story", "はっ、馬鹿のための語り種（かたりぐさ）はないね。"))},
           To(16)},
          {15,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "たまたまだ、たまたま。「勇者」カードを取れなきゃ勝ちとは言えないね。"))},
           To(16)},
          {16, {Speech(QT_TRANSLATE_NOOP("Story", "もっと賢くなってから来な。"))}, To(10)},
          {17,
           {Do({Speech(
                QT_TRANSLATE_NOOP("Story", "ふん、カードオタクが・・・・・・。まあいいだろう。"))}),
            If(OldHouseOnMap, {}, To(90)), Else({SetFlag(4)}, To(50))}},
          {30, {Map()}, To(31)},
          {31,
           {Speech(QT_TRANSLATE_NOOP("Story", "またカードやるのかい？")),
            Choices(QT_TRANSLATE_NOOP("Story", "その通り"),
                    QT_TRANSLATE_NOOP("Story", "やめとく"))},
           Choice(32, 33)},
          {32, {Duel()}, AfterDuel(36)},
          {33, {Speech(QT_TRANSLATE_NOOP("Story", "そうかい。じゃあな。"))}, To(34)},
          {34, {}, To(30)},
          {36, {Result()}, Won(39, 38, 37)},
          {37, {Speech(QT_TRANSLATE_NOOP("Story", "なかなか良い勝負だな。"))}, To(40)},
          {38, {Speech(QT_TRANSLATE_NOOP("Story", "はっ、実力の差だな。"))}, To(40)},
          {39, {Speech(QT_TRANSLATE_NOOP("Story", "偶然も、度重なると気味が悪いな。"))}, To(40)},
          {40,
           {Speech(QT_TRANSLATE_NOOP("Story", "しかし、お前との勝負は結構面白い。また来な。"))},
           To(30)},
          {50,
           {MusicStop(), Speech(QT_TRANSLATE_NOOP(
                             "Story", "妖精の樹はな、元々はある有名な兵士の眠る墓だったものだ。"))},
           To(51)},
          {51,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "彼は勇者と呼ばれ、最強の兵士だった。丁度この「勇者」カードのようにな。"))},
           To(52)},
          {52,
           {Speech(
               QT_TRANSLATE_NOOP("Story", "しかし、彼は戦いを憎んでいた。戦う事を嫌っていた。"))},
           To(53)},
          {53,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "そんな折り、魔物と人間の史上最大級の戦争が勃発（ぼっぱつ）した。"))},
           To(54)},
          {54,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "彼は、ひとつのカードゲームを考案し、最前線でこう提案した。"))},
           To(55)},
          {55,
           {Speech(QT_TRANSLATE_NOOP("Story",
                                     "「殺し合いは無意味だ。ひとつ、ゲームをして、負けた方が捕虜に"
                                     "なろうじゃないか。」"))},
           To(56)},
          {56,
           {Speech(
               QT_TRANSLATE_NOOP("Story", "相手もその提案をのみ、魔族対人間のゲームが始まった。"))},
           To(57)},
          {57,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "対戦は明日にということになり、その勇者は安心して眠りについた。"))},
           To(58)},
          {58,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "どうなったかはわかるだろう？勇者はその夜不意をついて責めてきた魔物に簡単にやら"
               "れてしまった。"))},
           To(59)},
          {59,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "勇者は、うすうすそのことに気づいていながら、わかりあえないのならと、甘んじて殺"
               "されたのだ。"))},
           To(60)},
          {60,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "しかし、それをそういうものと割りきれなかった彼の遊び心だけが、この世にカードと"
               "して残った。"))},
           To(61)},
          {61,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "同じように、彼の作ったカードゲームを愛しながら戦争中に倒れた人々は、死後カード"
               "になった。"))},
           To(62)},
          {62,
           {MusicResume(),
            Speech(QT_TRANSLATE_NOOP("Story", "・・・・・・なんていう話はどうかな？"))},
           To(63)},
          {63, {Speech(QT_TRANSLATE_NOOP("Story", "俺は小説家志望なんだ。続きがある。"))}, To(64)},
          {64,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "彼の死を一番悲しんだのは彼の妹だ。彼の妹は、逆に、悲しみから遊び心を理解できな"
               "くなってしまった。"))},
           To(65)},
          {65,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "そして彼女は、死してなお彼の家に留まり、遊び心を理解できないままカードで黙々と"
               "遊んでいるらしい。"))},
           To(66)},
          {66, {Speech(QT_TRANSLATE_NOOP("Story", "どうかな？素質あるかい？"))}, To(67)},
          {67,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "妖精の樹が墓だって事は本当さ。勇者といわれる人物もかつてこの北にある家に住んで"
               "いたんだ。"))},
           To(68)},
          {68,
           {Speech(QT_TRANSLATE_NOOP("Story", "暇だったら行ってみな。肝試しになるぜ。"))},
           To(69)},
          {69, {Speech(QT_TRANSLATE_NOOP("Story", "じゃあな。また遊びに来な。"))}, To(30)},
          {70,
           {Speech(QT_TRANSLATE_NOOP("Story", "なに、北の家に人が住んでる？そんなはずはない。"))},
           To(71)},
          {71,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "俺はずっと前からここに住んでるが、人の出入りを見た事は一度もないぜ？"))},
           To(72)},
          {72, {Speech(QT_TRANSLATE_NOOP("Story", "寝ぼけてたんじゃないか？"))}, To(73)},
          {73, {Speech(QT_TRANSLATE_NOOP("Story", "しっかりしろよ、おい。"))}, To(74)},
          {74, {Map()}, To(75)},
          {75,
           {Do({Speech(QT_TRANSLATE_NOOP("Story", "どうした？また北の家にお化けか？ははは。"))}),
            If(PlayerOwnsHero, {}, To(73)), Else({}, To(92))}},
          {80, {Speech(QT_TRANSLATE_NOOP("Story", "・・・の用かな？妖精の樹の話？"))}, To(81)},
          {81,
           {Message(QT_TRANSLATE_NOOP("Story", "（あれ？・・・・・・時間が戻った？）"))},
           To(82)},
          {82,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "ふん、馬鹿に語ってもしょうがない。カードで勝てたら教えてやるぜ？"))},
           To(83)},
          {83,
           {Message(QT_TRANSLATE_NOOP("Story", "（あれ？「勇者」カードがなくなってる。）")),
            SetCard(kThePlayer, kHeroCard, 0), SetCard(kTakamine, kHeroCard, 1)},
           To(7)},
          {90,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "妖精の樹はな、元々はある有名な・・・・・・－－－中略－－－・・・・・・ってみな"
               "。肝試しになるぜ。"))},
           To(91)},
          {91,
           {Message(QT_TRANSLATE_NOOP("Story", "（また同じ話を聞いてしまった。）")), SetStep(5, 1)},
           To(30)},
          {92,
           {Speech(QT_TRANSLATE_NOOP("Story", "勇者カードを持っていないようだな。取られたのか？"))},
           To(93)},
          {93,
           {If(TakaharaOwnsHero,
               {Speech(QT_TRANSLATE_NOOP("Story", "「勇者」カードは高原が持ってるみたいだな。"))},
               To(94)),
            If(ShindoOwnsHero,
               {Speech(QT_TRANSLATE_NOOP("Story", "「勇者」カードは真道が持ってるみたいだな。"))},
               To(95)),
            If(KazamiOwnsHero,
               {Speech(QT_TRANSLATE_NOOP("Story", "「勇者」カードは風見が持ってるみたいだな。"))},
               To(96)),
            If(YokotaOwnsHero,
               {Speech(QT_TRANSLATE_NOOP("Story", "「勇者」カードは横田が持ってるみたいだな。"))},
               To(97)),
            Else({}, To(98))}},
          {94,
           {If(NobodyOwnsWerecat,
               {Speech(QT_TRANSLATE_NOOP(
                   "Story",
                   "高原といえば、あの人は「ワーキャット」カードを持っていたな。ま、どうせ勝負"
                   "の場に出す気はないんだろうけどな。"))},
               To(74)),
            Else({}, To(74))}},
          {95,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "真道か・・・。あいつも大した事無いカードを何枚も持ってるよな。"))},
           To(74)},
          {96,
           {If(FairyTreeResting,
               {Speech(QT_TRANSLATE_NOOP(
                   "Story",
                   "そう言えば、知ってるか？「妖精」と名のつくカードは一枚じゃないらしいな。風"
                   "見あたり、持ってるんじゃないか？"))},
               To(74)),
            Else({}, To(74))}},
          {97,
           {If(NobodyOwnsWisp,
               {Speech(QT_TRANSLATE_NOOP(
                   "Story",
                   "横田か・・・。クックック、あいつはどうもＢが好きらしいな。しかも横や後ろば"
                   "かり・・・。何を考えてるんだ。"))},
               To(74)),
            Else({}, To(74))}},
          {98,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "・・・・・・？おいおい、このゲームデータバグってるぜ？何かやったんじゃないか？"))},
           To(99)},
          {99,
           {Speech(QT_TRANSLATE_NOOP("Story",
                                     "残念だが、やり直せ。「勇者」カードがこの世から消えてる。"))},
           To(74)},
      },
      {}};
  for (Entry& e : EndingEntries()) script.entries.push_back(std::move(e));
  return script;
}

}  // namespace korvane::story
