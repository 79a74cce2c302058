#include "adventure/story/conditions.h"
#include "adventure/story/ending.h"
#include "adventure/story/script_table.h"

namespace korvane::story {

// The old house (place 5), where 速水 結 plays cards while the player owns 「勇者」.
PlaceScript OldHouseScript() {
  return {
      5,
      {
          {0,
           {MusicStop(),
            Message(QT_TRANSLATE_NOOP("Story", "本当にお化け屋敷みたいなところだ・・・・・・。"))},
           To(1)},
          {1,
           {If(PlayerLacksHero, {}, To(7)),
            Else({Message(QT_TRANSLATE_NOOP("Story", "ん？誰かいるぞ？"))}, To(2))}},
          {2,
           {MusicStop(), ShowPortrait(5),
            Speech(QT_TRANSLATE_NOOP("Story", "お客様ですか？ようこそいらっしゃいました。"))},
           To(3)},
          {3,
           {Speech(QT_TRANSLATE_NOOP("Story", "ご用件承りますが・・・？")),
            Choices(QT_TRANSLATE_NOOP("Story", "勝負！"), QT_TRANSLATE_NOOP("Story", "特に無し"))},
           Choice(4, 5)},
          {4, {SaveOldHouse(), Duel()}, AfterDuel(12)},
          {5,
           {Speech(QT_TRANSLATE_NOOP("Story", "そうですか・・・。また、お越しください。"))},
           To(6)},
          {6, {SetCurrentPlace(-1), MusicResume(), RaiseStep(4, 70), Map()}, To(2)},
          {7,
           {MusicStop(), Notice(QT_TRANSLATE_NOOP(
                             "Story", "扉は硬く閉ざされている。扉には勇者の絵が描いてある。"))},
           To(8)},
          {8,
           {Message(
               QT_TRANSLATE_NOOP("Story", "「勇者｣カードに関係がありそうだ。出直してこよう。"))},
           To(9)},
          {9, {Map()}, To(1)},
          {12, {If(WonAgainstHayami, {}, To(16)), Else({}, To(13))}},
          {13, {Message(QT_TRANSLATE_NOOP("Story", "勝てなかった・・・・・・。"))}, To(14)},
          {14, {HidePortrait(5), SetStep(4, 80), EnterPlace(4)}, To(7)},
          {16, {Message(QT_TRANSLATE_NOOP("Story", "勝ったぞ！"))}, To(17)},
          {17, {Speech(QT_TRANSLATE_NOOP("Story", "・・・・・・・・・・・・。"))}, To(18)},
          {18, {Message(QT_TRANSLATE_NOOP("Story", "・・・・・・・・・・・・。"))}, To(19)},
          {19,
           {HidePortraitAndFrame(5),
            Notice(QT_TRANSLATE_NOOP("Story", "女の子はにっこり微笑むとこつぜんと姿を消した。"))},
           To(20)},
          {20, {}, To(21)},
          {21,
           {Notice(
               QT_TRANSLATE_NOOP("Story", "ゲームの楽しさを理解できたのだろうか・・・・・・。"))},
           To(22)},
          {22, {SetStep(4, 100), EnterPlace(4)}, To(23)},
      },
      {{23, "the ending has begun in 高峰's house"}}};
}

// The fairy tree (place 7). A new game starts its counter at -1; 風見 sends it to step 40.
PlaceScript FairyTreeScript() {
  return {
      7,
      {
          {-1, {Message(QT_TRANSLATE_NOOP("Story", "妖精の木の根本？"))}, To(0)},
          {0, {Notice(QT_TRANSLATE_NOOP("Story", "妖精の絵が５つ描いてある。"))}, To(1)},
          {1, {Message(QT_TRANSLATE_NOOP("Story", "風見君が描いたのかな？"))}, To(2)},
          {2,
           {ShowPortrait(4), Speech(QT_TRANSLATE_NOOP("Story", "おや。・・・・・・誰だ？君は。"))},
           To(3)},
          {3,
           {Speech(QT_TRANSLATE_NOOP("Story", "{name}っていうのか。ここには、何しに来たんだ？")),
            Choices(QT_TRANSLATE_NOOP("Story", "妖精探し"), QT_TRANSLATE_NOOP("Story", "散歩"))},
           Choice(4, 5)},
          {4,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "ククク、妖精探しねぇ。そういえば風見が妖精、妖精って騒いでたな・・・・・・。"))},
           To(8)},
          {5,
           {Speech(QT_TRANSLATE_NOOP(
                "Story", "ここは散歩に来るような場所じゃない。散歩ならどこか別の場所へ行きな。")),
            SetStep(2, 50)},
           To(6)},
          {6, {HidePortraitAndFrame(4), Map()}, To(7)},
          {7,
           {Do({Message(QT_TRANSLATE_NOOP("Story", "誰もいない・・・・・・。"))}),
            If(FewFairyCards, {}, To(6)), Else({}, To(51))}},
          {8,
           {Speech(QT_TRANSLATE_NOOP("Story", "そうだな、俺に勝てたら良いこと教えてやるぜ？")),
            Choices(QT_TRANSLATE_NOOP("Story", "勝負！"), QT_TRANSLATE_NOOP("Story", "やめとく"))},
           Choice(9, 10)},
          {9, {Duel(), SetStep(4, 0)}, AfterDuel(12)},
          {10, {Speech(QT_TRANSLATE_NOOP("Story", "賢明な判断だ。じゃあな。"))}, To(11)},
          {11,
           {HidePortraitAndFrame(4), Message(QT_TRANSLATE_NOOP("Story", "なんだ、あいつ？")),
            SetStep(2, 50)},
           To(6)},
          {12, {Result()}, Won(15, 14, 13)},
          {13, {Speech(QT_TRANSLATE_NOOP("Story", "・・・・・・ふん。じゃあな。"))}, To(11)},
          {14, {Speech(QT_TRANSLATE_NOOP("Story", "まあ、こんなもんだろう。じゃあな。"))}, To(11)},
          {15,
           {Speech(QT_TRANSLATE_NOOP(
               "Story", "お前、相当カードオタクだな。じゃあ、良いこと教えてやろう。"))},
           To(16)},
          {16,
           {Speech(QT_TRANSLATE_NOOP(
               "Story",
               "ここはな、元々は墓場だったんだ。だからあまりここには近づかない方が良いぜ？"))},
           To(17)},
          {17, {Speech(QT_TRANSLATE_NOOP("Story", "そうだな。忠告代わりにこれやるよ。"))}, To(18)},
          {18,
           {AddCard(kThePlayer, kDeathCard, 1),
            Notice(QT_TRANSLATE_NOOP("Story", "「死神」カードを手に入れた。"))},
           To(19)},
          {19, {Speech(QT_TRANSLATE_NOOP("Story", "じゃあな。せいぜい強くなれよ。"))}, To(20)},
          {20,
           {Notice(QT_TRANSLATE_NOOP(
               "Story",
               "マスターズチェックポイントを通過しました。難易度がマスターレベルになります。"))},
           To(21)},
          {21,
           {Notice(QT_TRANSLATE_NOOP("Story", "あなたの名前にマスターマーク※が付きます。")),
            MasterMark()},
           To(11)},
          {40, {Notice(QT_TRANSLATE_NOOP("Story", "妖精の絵が消えている。"))}, To(54)},
          {51, {Message(QT_TRANSLATE_NOOP("Story", "！！！"))}, To(52)},
          {52,
           {Notice(QT_TRANSLATE_NOOP(
               "Story", "持っていた「妖精」カードの絵柄が変わっていく・・・・・・。"))},
           To(53)},
          {53,
           {AddCard(kThePlayer, kFairyCard, -1), AddCard(kThePlayer, kPixieCard, 1),
            Notice(QT_TRANSLATE_NOOP("Story", "「フェアリー」カードを手に入れた。"))},
           To(54)},
          {54, {Message(QT_TRANSLATE_NOOP("Story", "？？？"))}, To(55)},
          {55,
           {If(GraveKnown,
               {Message(QT_TRANSLATE_NOOP("Story", "墓場・・・。ここで一体何があったんだろう。"))},
               To(56)),
            Else({Message(QT_TRANSLATE_NOOP("Story", "ここは一体何なんだろう？"))}, To(56))}},
          {56, {Map()}, To(55)},
      },
      {}};
}

}  // namespace korvane::story
