// The duel window for a screen reader: the board's 13 squares and the ten hand cards one by one,
// the deck list's cards by name, the key cursor and the chosen card as the focus, and every
// placement, flip, the score and the result said as they happen.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "duel/duel_speech.h"
#include "duel/korvane_window.h"
#include "engine/card_table.h"
#include "state/language.h"
#include "ui/accessibility.h"
#include "ui/picture_view.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Speech", text); }

}  // namespace

void KorvaneWindow::BuildAccess() {
  AccessibleParts board;
  board.name = [] { return Tr(QT_TRANSLATE_NOOP("Speech", "盤")); };
  board.description = [] {
    return Tr(QT_TRANSLATE_NOOP("Speech",
                                "矢印でマスを選び、Enter で選んだ手札を置く。1～5 で手札を選ぶ"));
  };
  board.items = [] { return int(DiamondSquares().size()); };
  board.itemName = [this](int i) {
    return SquareSpeech(logic_.Duel, logic_.Cards(), DiamondSquares()[i]);
  };
  board.itemRect = [this](int i) {
    const BoardSquare sq = DiamondSquares()[i];
    const double z = zoom_->Zoom(), b = field_->Border();
    return QRectF((b + 80 * (sq.column - 1)) * z, (b + 80 * (sq.row - 1)) * z, 80 * z, 80 * z)
        .toRect();
  };
  board.focusedItem = [this] {
    const auto cursor = keys_.BoardCursor();
    return cursor ? DiamondIndex(*cursor) : -1;
  };
  board.pressItem = [this](int i) {
    const BoardSquare sq = DiamondSquares()[i];
    Forward([&] { logic_.PlaceOnSquare(sq.column, sq.row); });
  };
  MakeAccessible(field_, std::move(board));
  for (int i = 0; i < kHandSize; ++i) {
    AccessibleParts mine, theirs;
    mine.name = [this, i] { return HandSpeech(logic_.Duel, logic_.Cards(), true, i); };
    mine.description = [] { return Tr(QT_TRANSLATE_NOOP("Speech", "1～5 のキーで選ぶ")); };
    mine.focused = [this, i] { return logic_.Duel.SelectedSlot == i && !keys_.BoardCursor(); };
    theirs.name = [this, i] { return HandSpeech(logic_.Duel, logic_.Cards(), false, i); };
    MakeAccessible(pHand_[i], std::move(mine));
    MakeAccessible(eHand_[i], std::move(theirs));
  }
  for (int k = 0; k < kCardKinds; ++k) {
    AccessibleParts card;
    card.name = [this, k] {
      QString sides;
      for (int side = 1; side <= 4; ++side) {
        const char code = logic_.Cards().Side(k, side);
        sides += code == '0' ? QStringLiteral("×") : QString(QLatin1Char(code)).toUpper();
      }
      return Tr(QT_TRANSLATE_NOOP("Speech", "%1（%2）"))
          .arg(CardNameInEdition(QString::fromStdString(logic_.Cards().Name(k))), sides);
    };
    card.description = [] {
      return Tr(QT_TRANSLATE_NOOP("Speech", "Enter で手札に取る。スペースで試しに見る"));
    };
    card.focused = [this, k] { return keys_.ListCursor() == k; };
    MakeAccessible(cardPic_[k], std::move(card));
  }
  vscroll_->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Speech", "カードの一覧のページ")));
  command1_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "手札の5枚で対戦を始める（S キー）")));
  command2_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "手札に取ったカードを一覧に戻す（R キー）")));
  command4_->setAccessibleDescription(Tr(QT_TRANSLATE_NOOP("Speech", "対戦をやめる（Q キー）")));
  lButton_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "説明を先に進める（Enter キー）")));
  label1_->setAccessibleDescription(Tr(QT_TRANSLATE_NOOP("Speech", "対戦成績")));
  lText_->setAccessibleDescription(Tr(QT_TRANSLATE_NOOP("Speech", "説明")));
  albumButton_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "カードアルバムと対戦成績（A キー）")));
  reviewButton_->setAccessibleDescription(
      Tr(QT_TRANSLATE_NOOP("Speech", "今の対戦を一手ずつ振り返る（V キー）")));
  setAccessibleName(Tr(QT_TRANSLATE_NOOP("Speech", "対戦")));
}

void KorvaneWindow::MirrorAccess() {
  const std::vector<QString> said = speech_.Follow(logic_);
  if (!said.empty()) {
    Announcer* a = Announcer::Of(this);
    for (const QString& text : said) a->Say(text);
    TellChanged(field_);
    for (int i = 0; i < kHandSize; ++i) {
      TellChanged(pHand_[i]);
      TellChanged(eHand_[i]);
    }
  }
  // The focus follows the last thing the player moved: the square cursor, the chosen hand card
  // or the list cursor.
  const auto cursor = keys_.BoardCursor();
  const int square = cursor ? DiamondIndex(*cursor) : -1;
  const int slot = logic_.Duel.SelectedSlot, card = keys_.ListCursor();
  if (square != spokenSquare_ && square >= 0) {
    TellFocus(field_, square);
  } else if (slot != spokenSlot_ && IsValidSlot(slot)) {
    TellFocus(pHand_[slot]);
  } else if (card != spokenCard_ && card >= 0 && card < kCardKinds) {
    TellFocus(cardPic_[card]);
  }
  spokenSquare_ = square;
  spokenSlot_ = slot;
  spokenCard_ = card;
}

}  // namespace korvane
