#include "duel/duel_speech.h"

#include <QCoreApplication>
#include <QStringList>

#include "duel/korvane.h"
#include "duel/korvane_extras.h"
#include "engine/rules.h"

namespace korvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

}  // namespace

std::vector<QString> DuelSpeech::Follow(const Korvane& k) {
  const DuelState& s = k.Duel;
  std::vector<QString> said;
  const bool fresh = !seen_ || s.PlayerHand != player_ || s.EnemyHand != enemy_;
  if (fresh) {
    // A new deal (or the first look): nothing has happened yet.
    seen_ = true;
    board_ = s.BoardCard;
    player_ = s.PlayerHand;
    enemy_ = s.EnemyHand;
    playerPlayed_ = s.PlayerPlayed;
    enemyPlayed_ = s.EnemyPlayed;
    ended_ = false;
    return said;
  }
  QStringList flips;
  bool changed = false;
  for (const BoardSquare& sq : DiamondSquares()) {
    const int16_t was = board_[sq.column][sq.row], now = s.Board(sq.column, sq.row);
    if (was == now) continue;
    changed = true;
    const OnSquare before = ReadSquare(was), after = ReadSquare(now);
    if (!before.card && after.card) {
      // A placement; a card placed in the opposing field lies face down at once.
      const bool player = after.player;
      int slot = after.slot;
      if (after.faceDown) {
        // Its slot is the one of that side that has just been played.
        const auto& played = player ? s.PlayerPlayed : s.EnemyPlayed;
        const auto& earlier = player ? playerPlayed_ : enemyPlayed_;
        for (int i = 0; i < kHandSize; ++i) {
          if (played[i] && !earlier[i]) slot = i;
        }
      }
      const int id = IsValidSlot(slot) ? (player ? s.PlayerHand[slot] : s.EnemyHand[slot]) : -1;
      QString text = (player ? Tr(QT_TRANSLATE_NOOP("Speech", "あなたは%1を%2に置いた"))
                             : Tr(QT_TRANSLATE_NOOP("Speech", "相手は%1を%2に置いた")))
                         .arg(id >= 0 ? SpokenCardName(k.Cards(), id)
                                      : Tr(QT_TRANSLATE_NOOP("Speech", "カード")),
                              SquareName(sq));
      if (after.faceDown) text += Tr(QT_TRANSLATE_NOOP("Speech", "。伏せて置かれた"));
      said.push_back(text);
    } else if (before.card && !before.faceDown && after.faceDown) {
      const int id = before.player ? s.PlayerHand[before.slot] : s.EnemyHand[before.slot];
      flips << Tr(QT_TRANSLATE_NOOP("Speech", "%1%2（%3）"))
                   .arg(Whose(before.player), SpokenCardName(k.Cards(), id), SquareName(sq));
    }
  }
  if (!flips.isEmpty())
    said.push_back(Tr(QT_TRANSLATE_NOOP("Speech", "裏返った：%1"))
                       .arg(flips.join(Tr(QT_TRANSLATE_NOOP("Speech", "、")))));
  board_ = s.BoardCard;
  playerPlayed_ = s.PlayerPlayed;
  enemyPlayed_ = s.EnemyPlayed;
  if (changed) said.push_back(ScoreCountText(CountFaceUp(s)));
  bool allPlayed = true;
  for (int i = 0; i < kHandSize; ++i)
    allPlayed = allPlayed && s.PlayerPlayed[i] && s.EnemyPlayed[i];
  if (allPlayed && s.Turn == TurnState::Nobody && !ended_ && IsValidCardId(s.PlayerHand[0])) {
    ended_ = true;
    const FaceUpCount count = CountFaceUp(s);
    const DuelResult result = count.player > count.enemy   ? DuelResult::PlayerWon
                              : count.player < count.enemy ? DuelResult::EnemyWon
                                                           : DuelResult::Draw;
    said.push_back(
        ResultText(k.ResultLine.value_or(DuelOutcome{result, count.player, count.enemy})));
  }
  return said;
}

}  // namespace korvane
