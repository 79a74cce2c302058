#include "duel/duel_speech.h"

#include <QCoreApplication>
#include <QStringList>

#include "duel/korvane_extras.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "state/language.h"

namespace korvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

QString SquareName(BoardSquare sq) {
  return Tr(QT_TRANSLATE_NOOP("Speech", "%1列%2行")).arg(sq.column).arg(sq.row);
}

QString CardName(const CardTable& cards, int id) {
  if (!IsValidCardId(id)) return {};
  return CardNameInEdition(QString::fromStdString(cards.Name(id)));
}

QString SideWord(char code) {
  switch (code) {
    case 's':
      return Tr(QT_TRANSLATE_NOOP("Speech", "スプリット"));
    case 'a':
      return Tr(QT_TRANSLATE_NOOP("Speech", "アーク"));
    case 'b':
      return Tr(QT_TRANSLATE_NOOP("Speech", "ボム"));
    case '0':
      return QStringLiteral("×");
  }
  return QString(QLatin1Char(code));
}

// The four sides as drawn on screen, top, right, bottom, left: the enemy's cards lie turned
// round, so their own top is at the bottom.
QString SidesText(const std::array<char, 4>& sides, bool enemy) {
  static const char* const kNames[] = {
      QT_TRANSLATE_NOOP("Speech", "上"), QT_TRANSLATE_NOOP("Speech", "右"),
      QT_TRANSLATE_NOOP("Speech", "下"), QT_TRANSLATE_NOOP("Speech", "左")};
  QStringList parts;
  for (int i = 0; i < 4; ++i) {
    const char code = sides[enemy ? (i + 2) % 4 : i];
    parts << Tr(kNames[i]) + SideWord(code);
  }
  return parts.join(QLatin1Char(' '));
}

QString CardText(const DuelState& s, const CardTable& cards, bool player, int slot) {
  const int id = player ? s.PlayerHand[slot] : s.EnemyHand[slot];
  const auto& sides = player ? s.PlayerSides[slot] : s.EnemySides[slot];
  return Tr(QT_TRANSLATE_NOOP("Speech", "%1、%2"))
      .arg(CardName(cards, id), SidesText(sides, !player));
}

QString Whose(bool player) {
  return player ? Tr(QT_TRANSLATE_NOOP("Speech", "あなたの"))
                : Tr(QT_TRANSLATE_NOOP("Speech", "相手の"));
}

// The card on a square: its owner and slot, or whose face-down card it is.
struct OnSquare {
  bool card = false, player = false, faceDown = false;
  int slot = -1;
};
OnSquare Read(int16_t code) {
  OnSquare on;
  if (IsPlayerCard(code) || IsEnemyCard(code)) {
    on = {true, code > 0, false, (code > 0 ? code : -code) - 1};
  } else if (code == kFlippedPlayerCard || code == kFlippedEnemyCard) {
    on = {true, code > 0, true, -1};
  }
  return on;
}

}  // namespace

const std::array<BoardSquare, 13>& DiamondSquares() {
  static const std::array<BoardSquare, 13> squares = [] {
    std::array<BoardSquare, 13> all{};
    int n = 0;
    for (int r = 1; r <= kBoardSize; ++r) {
      for (int c = 1; c <= kBoardSize; ++c) {
        if (IsPlayable(c, r)) all[n++] = {c, r};
      }
    }
    return all;
  }();
  return squares;
}

QString SquareSpeech(const DuelState& s, const CardTable& cards, BoardSquare sq) {
  const int c = sq.column, r = sq.row;
  const OnSquare on = Read(s.Board(c, r));
  QString what;
  if (!on.card) {
    what = Tr(QT_TRANSLATE_NOOP("Speech", "空き"));
  } else if (on.faceDown) {
    what = Whose(on.player) + Tr(QT_TRANSLATE_NOOP("Speech", "伏せたカード"));
  } else {
    what = Whose(on.player) + CardText(s, cards, on.player, on.slot);
  }
  const bool mine = s.PlayerFieldMap[c][r] > 0, theirs = s.EnemyFieldMap[c][r] > 0;
  QString field;
  if (mine && theirs) {
    field = Tr(QT_TRANSLATE_NOOP("Speech", "両方の陣地"));
  } else if (mine) {
    field = Tr(QT_TRANSLATE_NOOP("Speech", "あなたの陣地"));
  } else if (theirs) {
    field = Tr(QT_TRANSLATE_NOOP("Speech", "相手の陣地"));
  }
  QString text = Tr(QT_TRANSLATE_NOOP("Speech", "%1：%2")).arg(SquareName(sq), what);
  if (!field.isEmpty()) text += Tr(QT_TRANSLATE_NOOP("Speech", "、%1")).arg(field);
  return text;
}

QString HandSpeech(const DuelState& s, const CardTable& cards, bool player, int slot) {
  const QString where = (player ? Tr(QT_TRANSLATE_NOOP("Speech", "あなたの手札%1"))
                                : Tr(QT_TRANSLATE_NOOP("Speech", "相手の手札%1")))
                            .arg(slot + 1);
  const int id = player ? s.PlayerHand[slot] : s.EnemyHand[slot];
  QString what;
  if (!IsValidCardId(id)) {
    what = Tr(QT_TRANSLATE_NOOP("Speech", "空き"));
  } else if (player ? s.PlayerPlayed[slot] : s.EnemyPlayed[slot]) {
    what = Tr(QT_TRANSLATE_NOOP("Speech", "%1（置いた）")).arg(CardName(cards, id));
  } else {
    what = CardText(s, cards, player, slot);
  }
  return Tr(QT_TRANSLATE_NOOP("Speech", "%1：%2")).arg(where, what);
}

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
    const OnSquare before = Read(was), after = Read(now);
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
      QString text =
          (player ? Tr(QT_TRANSLATE_NOOP("Speech", "あなたは%1を%2に置いた"))
                  : Tr(QT_TRANSLATE_NOOP("Speech", "相手は%1を%2に置いた")))
              .arg(id >= 0 ? CardName(k.Cards(), id) : Tr(QT_TRANSLATE_NOOP("Speech", "カード")),
                   SquareName(sq));
      if (after.faceDown) text += Tr(QT_TRANSLATE_NOOP("Speech", "。伏せて置かれた"));
      said.push_back(text);
    } else if (before.card && !before.faceDown && after.faceDown) {
      const int id = before.player ? s.PlayerHand[before.slot] : s.EnemyHand[before.slot];
      flips << Tr(QT_TRANSLATE_NOOP("Speech", "%1%2（%3）"))
                   .arg(Whose(before.player), CardName(k.Cards(), id), SquareName(sq));
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
