// The duel window's keyboard: the key map over the logic's handlers, the cursors it shows, the
// marks drawn over the board, the help box, and the window's key hook.
#include "duel/korvane_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "duel/korvane_window.h"
#include "state/game_state.h"
#include "ui/fonts.h"

namespace korvane {
namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Rows of seven card identifiers: the list shows two of them on a page (identifiers 0-13 are
// page 0, 14-27 page 14, 28-39 page 28), each card at column id % 7.
int ListRow(int card) { return card / 7; }
int ListColumn(int card) { return card % 7; }
constexpr int kListRows = (kCardKinds + 6) / 7;

// The playable square nearest to `from` in the first line of squares beyond it in a direction.
std::optional<BoardSquare> NextSquare(BoardSquare from, int dc, int dr) {
  for (int step = 1; step < kBoardSize; ++step) {
    std::optional<BoardSquare> best;
    int bestOffset = kBoardSize;
    for (int across = 1; across <= kBoardSize; ++across) {
      const BoardSquare s = dc != 0 ? BoardSquare{from.column + dc * step, across}
                                    : BoardSquare{across, from.row + dr * step};
      if (!IsPlayable(s.column, s.row)) continue;
      const int offset = dc != 0 ? std::abs(across - from.row) : std::abs(across - from.column);
      if (offset < bestOffset) best = s, bestOffset = offset;
    }
    if (best) return best;
  }
  return std::nullopt;
}

}  // namespace

DuelKeys::Action DuelKeys::Press(int key, Qt::KeyboardModifiers modifiers) {
  // Keys with Ctrl, Alt or Meta belong to the view (the zoom) and to the desktop.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return Action::Ignored;
  }
  switch (key) {
    case Qt::Key_Escape:
      return Action::Close;
    case Qt::Key_F1:
      return Action::Help;
    case Qt::Key_F2:
      k_.TogglePace();
      return Action::PaceChanged;
    case Qt::Key_F3:
      return Action::Rules;
    case Qt::Key_Backspace:
      k_.ChooseAgain();
      return Action::Handled;
    case Qt::Key_S:
      k_.Command1_Click();
      return Action::Handled;
    case Qt::Key_R:
      k_.Command2_Click();
      return Action::Handled;
    case Qt::Key_Q:
      k_.Command4_Click();
      return Action::Handled;
    case Qt::Key_A:
      return k_.AlbumAllowed() ? Action::Album : Action::Ignored;
    case Qt::Key_V:
      return k_.ReviewAllowed() ? Action::Review : Action::Ignored;
    case Qt::Key_H:
      k_.RequestHint();
      return Action::Handled;
    default:
      break;
  }
  // The tutorial's button, while it is there.
  if (k_.Ctl.LButton.Visible && (IsEnter(key) || key == Qt::Key_Space)) {
    k_.LButton_Click();
    return Action::Handled;
  }
  if (k_.Ctl.Field.Visible) return BoardKey(key);
  if (k_.Ctl.Picture1.Visible) return ListKey(key);
  return Action::Ignored;
}

// --- Deck selection ---

bool DuelKeys::Owned(int card) const {
  return card >= 0 && card < kCardKinds && k_.Game().Collections[0][card] > 0;
}

int DuelKeys::ListCursor() const {
  if (!listShown_ || listCursor_ < 0 || !k_.Ctl.Picture1.Visible || k_.Ctl.Field.Visible) {
    return -1;
  }
  return k_.Ctl.CardPic[listCursor_].Visible ? listCursor_ : -1;
}

DuelKeys::Action DuelKeys::ListKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      MoveListCursor(key);
      return Action::Handled;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      k_.VScroll1_Change(k_.Ctl.VScrollValue + (key == Qt::Key_PageUp ? -14 : 14));
      listCursor_ = -1;
      RepairListCursor();
      return Action::Handled;
    default:
      break;
  }
  if (!IsEnter(key) && key != Qt::Key_Space) return Action::Ignored;
  // Enter and Space act on a cursor the player can see; the first press only shows it.
  if (ListCursor() < 0) {
    MoveListCursor(Qt::Key_unknown);
    return Action::Handled;
  }
  const int card = listCursor_;
  k_.CardPic_MouseDown(card);
  if (IsEnter(key)) k_.CardPic_DblClick(card);
  RepairListCursor();
  return Action::Handled;
}

void DuelKeys::MoveListCursor(int key) {
  const bool onPage = ListCursor() >= 0;
  listShown_ = true;
  if (!onPage) {
    // The cursor appears on the page in view, or on the first card held.
    listCursor_ = -1;
    RepairListCursor();
    if (listCursor_ < 0) {
      for (int card = 0; card < kCardKinds && listCursor_ < 0; ++card) {
        if (Owned(card)) listCursor_ = card;
      }
    }
    ShowCursorPage();
    return;
  }
  int next = -1;
  if (key == Qt::Key_Left || key == Qt::Key_Right) {
    const int step = key == Qt::Key_Left ? -1 : 1;
    for (int card = listCursor_ + step; card >= 0 && card < kCardKinds && next < 0; card += step) {
      if (Owned(card)) next = card;
    }
  } else {
    // The nearest card by column in the first row above or below that holds any.
    const int step = key == Qt::Key_Up ? -1 : 1;
    for (int row = ListRow(listCursor_) + step; row >= 0 && row < kListRows && next < 0;
         row += step) {
      int bestOffset = 7;
      for (int card = row * 7; card < std::min(row * 7 + 7, kCardKinds); ++card) {
        const int offset = std::abs(ListColumn(card) - ListColumn(listCursor_));
        if (Owned(card) && offset < bestOffset) next = card, bestOffset = offset;
      }
    }
  }
  if (next >= 0) listCursor_ = next;
  ShowCursorPage();
}

void DuelKeys::ShowCursorPage() {
  if (listCursor_ < 0) return;
  const int page = listCursor_ / 14 * 14;
  if (page != k_.Ctl.VScrollValue) k_.VScroll1_Change(page);
}

void DuelKeys::RepairListCursor() {
  const int page = k_.Ctl.VScrollValue;
  if (listCursor_ >= page && listCursor_ < page + 14 && k_.Ctl.CardPic[listCursor_].Visible) {
    return;
  }
  const int from = listCursor_ >= 0 ? listCursor_ : page;
  int best = -1;
  for (int card = page; card < std::min(page + 14, kCardKinds); ++card) {
    if (!k_.Ctl.CardPic[card].Visible) continue;
    if (best < 0 || std::abs(card - from) < std::abs(best - from)) best = card;
  }
  listCursor_ = best;
}

// --- The board ---

std::optional<BoardSquare> DuelKeys::BoardCursor() const {
  if (!boardShown_ || !k_.Ctl.Field.Visible) return std::nullopt;
  return boardCursor_;
}

DuelKeys::Action DuelKeys::BoardKey(int key) {
  if (key >= Qt::Key_1 && key <= Qt::Key_5) {
    boardShown_ = true;
    k_.PHand_Click(key - Qt::Key_1);
    return Action::Handled;
  }
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      MoveBoardCursor(key);
      return Action::Handled;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (!boardShown_) {
        boardShown_ = true;
        return Action::Handled;
      }
      // What a click on the square does.
      k_.PlaceOnSquare(boardCursor_.column, boardCursor_.row);
      return Action::Handled;
    }
    default:
      return Action::Ignored;
  }
}

void DuelKeys::MoveBoardCursor(int key) {
  if (!boardShown_) {
    boardShown_ = true;
    return;
  }
  const int dc = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
  const int dr = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
  if (const auto next = NextSquare(boardCursor_, dc, dr)) boardCursor_ = *next;
}

// --- What the view shows ---

QString PaceName(Pace pace) {
  return pace == Pace::Fast ? QCoreApplication::translate("Keys", "はやい")
                            : QCoreApplication::translate("Keys", "ふつう");
}

QString DuelKeyHelp(Pace pace) {
  return KeyTable({
      {nullptr, QCoreApplication::translate("Keys", "カード選び")},
      {"← → ↑ ↓", QCoreApplication::translate("Keys", "カードを選ぶ（ページも送る）")},
      {"PageUp / PageDown", QCoreApplication::translate("Keys", "ページ送り")},
      {"Space", QCoreApplication::translate("Keys", "カードを押す（手札の枠に仮に置く）")},
      {"Enter", QCoreApplication::translate("Keys", "ダブルクリックと同じ（カードを決める）")},
      {"S", QCoreApplication::translate("Duel", "勝負！")},
      {"R", QCoreApplication::translate("Duel", "選び直す")},
      {"Backspace",
       QCoreApplication::translate("Keys", "取ったカードを戻す（1～4枚でも。「選び直す」と同じ）")},
      {"Q", QCoreApplication::translate("Duel", "終わり")},
      {"A",
       QCoreApplication::translate("Keys", "カードアルバム（左下の「アルバム」ボタンと同じ）")},
      {"V", QCoreApplication::translate(
                "Keys", "対戦の振り返り（対戦のあと、左下の「振り返り」ボタンと同じ）")},
      {nullptr, QCoreApplication::translate("Keys", "勝負")},
      {QT_TRANSLATE_NOOP("Keys", "1 ～ 5"), QCoreApplication::translate("Keys", "手札を選ぶ")},
      {"← → ↑ ↓", QCoreApplication::translate("Keys", "マスを選ぶ")},
      {"Enter / Space", QCoreApplication::translate("Keys", "選んだマスにカードを置く")},
      {"H", QCoreApplication::translate(
                "Keys", "ヒント：置くとよいカードとマスに緑の印（カードは置きません）")},
      {"", QCoreApplication::translate(
               "Keys", "「最善手」は読み切った最善の手、「参考手」は相手の考え方で選んだ手")},
      {nullptr, QCoreApplication::translate("Keys", "ゲーム説明")},
      {"Enter / Space", QCoreApplication::translate("Duel", "ふむふむ")},
      {nullptr, QCoreApplication::translate("Keys", "いつでも")},
      {"Esc", QCoreApplication::translate("Keys", "ウィンドウを閉じる（閉じるボタンと同じ）")},
      {"F1", QCoreApplication::translate("Keys", "このキー一覧")},
      {"F3", QCoreApplication::translate("Keys", "ルールの早見（辺の記号と裏返り）")},
      {"F2", QCoreApplication::translate("Keys", "勝負の速さ ふつう / はやい（いまは「%1」）")
                 .arg(PaceName(pace))},
  });
}

namespace {

const QColor kHintColour(0, 200, 90);

// The hint's frame and its tag along the bottom of an 80 x 80 square at (x, y).
void PaintHintFrame(QPainter& p, int x, int y, bool exact) {
  const QRect r(x, y, 80, 80);
  p.setPen(QPen(kHintColour, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(r.adjusted(2, 2, -3, -3));
  // The tag lies between the side codes, so the card stays readable under it.
  const QRect tag(x + 15, y + 50, 50, 16);
  p.fillRect(tag, kHintColour);
  p.setFont(GothicFont(11, true));
  p.setPen(Qt::white);
  p.drawText(tag, Qt::AlignCenter, HintCaption(exact));
}

}  // namespace

QString HintCaption(bool exact) {
  return exact ? QCoreApplication::translate("Keys", "最善手")
               : QCoreApplication::translate("Keys", "参考手");
}

void PaintHintCard(QPainter& p, const Korvane::HintMark& hint) {
  p.save();
  p.setBrush(Qt::NoBrush);
  // Along the edges but clear of the corners, where the yellow frame of the selected card lies.
  p.setPen(QPen(kHintColour, 4, Qt::SolidLine, Qt::FlatCap));
  constexpr int kCorner = 24, kEdge = 4, kFar = 76;
  p.drawLine(kCorner, kEdge, 80 - kCorner, kEdge);
  p.drawLine(kCorner, kFar, 80 - kCorner, kFar);
  p.drawLine(kEdge, kCorner, kEdge, 80 - kCorner);
  p.drawLine(kFar, kCorner, kFar, 80 - kCorner);
  const QRect tag(15, 50, 50, 16);
  p.fillRect(tag, kHintColour);
  p.setFont(GothicFont(11, true));
  p.setPen(Qt::white);
  p.drawText(tag, Qt::AlignCenter, HintCaption(hint.exact));
  p.restore();
}

void PaintBoardMarks(QPainter& p, const std::optional<BoardSquare>& enemyMark,
                     const std::optional<BoardSquare>& cursor,
                     const std::optional<Korvane::HintMark>& hint) {
  p.save();
  p.setBrush(Qt::NoBrush);
  if (hint) {
    PaintHintFrame(p, 80 * (hint->square.column - 1), 80 * (hint->square.row - 1), hint->exact);
  }
  if (enemyMark) {
    // The enemy's last card: an orange frame inside its square.
    const QRect r(80 * (enemyMark->column - 1), 80 * (enemyMark->row - 1), 80, 80);
    p.setPen(QPen(QColor(255, 140, 0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r.adjusted(2, 2, -3, -3));
  }
  if (cursor) {
    // The keyboard's square: a dashed white frame on black, seen on every colour, inside the
    // enemy's mark when both are on one square.
    const QRect r =
        QRect(80 * (cursor->column - 1), 80 * (cursor->row - 1), 80, 80).adjusted(8, 8, -9, -9);
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
  }
  p.restore();
}

void PaintListCursor(QPainter& p) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 0), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(QRect(0, 0, 80, 80).adjusted(1, 1, -2, -2));
  p.restore();
}

// --- The window's key hook ---

void KorvaneWindow::keyPressEvent(QKeyEvent* event) {
  // Any key ends the result line, and does nothing else.
  if (logic_.ResultLine && !event->isAutoRepeat()) {
    Forward([&] { logic_.DismissResult(); });
    event->accept();
    return;
  }
  DuelKeys::Action action = DuelKeys::Action::Ignored;
  Forward([&] { action = keys_.Press(event->key(), event->modifiers()); });
  switch (action) {
    case DuelKeys::Action::Ignored:
      QWidget::keyPressEvent(event);
      return;
    case DuelKeys::Action::Handled:
      break;
    case DuelKeys::Action::Close:
      close();
      break;
    case DuelKeys::Action::Help:
      ShowKeyHelp(this, DuelKeyHelp(logic_.DuelPace));
      break;
    case DuelKeys::Action::PaceChanged:
      QToolTip::showText(
          mapToGlobal(QPoint(width() / 3, height() / 2)),
          QCoreApplication::translate("Keys", "勝負の速さ：") + PaceName(logic_.DuelPace), this);
      break;
    case DuelKeys::Action::Album:
      OpenAlbum();
      break;
    case DuelKeys::Action::Review:
      OpenReview();
      break;
    case DuelKeys::Action::Rules:
      OpenRules();
      break;
  }
  event->accept();
}

}  // namespace korvane
