#include "ui/square_speech.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/card_table.h"
#include "state/language.h"

namespace korvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

}  // namespace

QString SquareName(BoardSquare sq) {
  return Tr(QT_TRANSLATE_NOOP("Speech", "%1列%2行")).arg(sq.column).arg(sq.row);
}

QString SpokenCardName(const CardTable& cards, int id) {
  if (!IsValidCardId(id)) return {};
  return CardNameInEdition(QString::fromStdString(cards.Name(id)));
}

namespace {

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
      .arg(SpokenCardName(cards, id), SidesText(sides, !player));
}

}  // namespace

QString Whose(bool player) {
  return player ? Tr(QT_TRANSLATE_NOOP("Speech", "あなたの"))
                : Tr(QT_TRANSLATE_NOOP("Speech", "相手の"));
}

OnSquare ReadSquare(int16_t code) {
  OnSquare on;
  if (IsPlayerCard(code) || IsEnemyCard(code)) {
    on = {true, code > 0, false, (code > 0 ? code : -code) - 1};
  } else if (code == kFlippedPlayerCard || code == kFlippedEnemyCard) {
    on = {true, code > 0, true, -1};
  }
  return on;
}

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

int DiamondIndex(BoardSquare square) {
  const auto& all = DiamondSquares();
  for (int i = 0; i < int(all.size()); ++i) {
    if (all[i] == square) return i;
  }
  return -1;
}

QString SquareSpeech(const DuelState& s, const CardTable& cards, BoardSquare sq) {
  const int c = sq.column, r = sq.row;
  const OnSquare on = ReadSquare(s.Board(c, r));
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
    what = Tr(QT_TRANSLATE_NOOP("Speech", "%1（置いた）")).arg(SpokenCardName(cards, id));
  } else {
    what = CardText(s, cards, player, slot);
  }
  return Tr(QT_TRANSLATE_NOOP("Speech", "%1：%2")).arg(where, what);
}

}  // namespace korvane
