#include "ui/name_picker.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "ui/fonts.h"

namespace korvane {
namespace {

constexpr int kCell = 34;
constexpr int kMargin = 8;
const QChar kEmpty(0x3000);

QString ActionCaption(NamePicker::Action a) {
  switch (a) {
    case NamePicker::Action::NextPage:
      return QCoreApplication::translate("NamePicker", "次の文字");
    case NamePicker::Action::Erase:
      return QCoreApplication::translate("NamePicker", "消す");
    case NamePicker::Action::Done:
      break;
  }
  return QCoreApplication::translate("NamePicker", "決定");
}

}  // namespace

const QStringList& NamePicker::Rows(int page) {
  static const QStringList tables[kPages] = {
      {
          QStringLiteral("あいうえおかきくけこ"),
          QStringLiteral("さしすせそたちつてと"),
          QStringLiteral("なにぬねのはひふへほ"),
          QStringLiteral("まみむめもや　ゆ　よ"),
          QStringLiteral("らりるれろわ　を　ん"),
          QStringLiteral("がぎぐげござじずぜぞ"),
          QStringLiteral("だぢづでどばびぶべぼ"),
          QStringLiteral("ぱぴぷぺぽぁぃぅぇぉ"),
          QStringLiteral("っゃゅょー　　　　　"),
      },
      {
          QStringLiteral("アイウエオカキクケコ"),
          QStringLiteral("サシスセソタチツテト"),
          QStringLiteral("ナニヌネノハヒフヘホ"),
          QStringLiteral("マミムメモヤ　ユ　ヨ"),
          QStringLiteral("ラリルレロワ　ヲ　ン"),
          QStringLiteral("ガギグゲゴザジズゼゾ"),
          QStringLiteral("ダヂヅデドバビブベボ"),
          QStringLiteral("パピプペポァィゥェォ"),
          QStringLiteral("ッャュョーヴ　　　　"),
      },
      {
          QStringLiteral("ABCDEFGHIJ"),
          QStringLiteral("KLMNOPQRST"),
          QStringLiteral("UVWXYZ.-'!"),
          QStringLiteral("abcdefghij"),
          QStringLiteral("klmnopqrst"),
          QStringLiteral("uvwxyz・ー？　"),
          QStringLiteral("0123456789"),
      },
  };
  return tables[std::clamp(page, 0, kPages - 1)];
}

NamePicker::NamePicker(QLineEdit* target, QWidget* parent)
    : QWidget(parent, Qt::Dialog), target_(target) {
  setObjectName(QStringLiteral("NamePicker"));
  setWindowTitle(QCoreApplication::translate("NamePicker", "名前を選ぶ"));
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(sizeHint());
}

QSize NamePicker::sizeHint() const {
  int rows = 0;
  for (int p = 0; p < kPages; ++p) rows = std::max(rows, int(Rows(p).size()));
  // A line for the table's name, the letters, the actions.
  return QSize(2 * kMargin + kColumns * kCell, 2 * kMargin + (rows + 2) * kCell);
}

NamePicker::Action NamePicker::ActionAt(int column) const {
  return column < 4 ? Action::NextPage : column < 7 ? Action::Erase : Action::Done;
}

bool NamePicker::Empty(QPoint cell) const {
  if (cell.y() == ActionsRow()) return false;
  return Rows(page_)[cell.y()].at(cell.x()) == kEmpty;
}

QString NamePicker::Current() const {
  if (cursor_.y() >= ActionsRow()) return {};
  return QString(Rows(page_)[cursor_.y()].at(cursor_.x()));
}

void NamePicker::Move(int dx, int dy) {
  const int rows = ActionsRow() + 1;
  QPoint next = cursor_;
  if (cursor_.y() == ActionsRow() && dx != 0) {
    // The actions' row has three wide cells: a step jumps to the next one.
    const int starts[] = {0, 4, 7};
    const int now = int(ActionAt(cursor_.x()));
    next.setX(starts[(now + dx + 3) % 3]);
    cursor_ = next;
    update();
    return;
  }
  // Over empty cells, and round the edges.
  for (int tries = 0; tries < kColumns * rows; ++tries) {
    next.setX((next.x() + dx + kColumns) % kColumns);
    next.setY((next.y() + dy + rows) % rows);
    if (!Empty(next)) break;
  }
  cursor_ = next;
  update();
}

void NamePicker::Take() {
  if (cursor_.y() < ActionsRow()) {
    // As typed: the box's length limit and its change signal hold.
    if (target_) target_->insert(Current());
    return;
  }
  switch (ActionAt(cursor_.x())) {
    case Action::NextPage:
      TurnPage(1);
      break;
    case Action::Erase:
      if (target_) target_->backspace();
      break;
    case Action::Done:
      Finish();
      break;
  }
}

void NamePicker::TurnPage(int step) {
  const bool onActions = cursor_.y() == ActionsRow();
  page_ = (page_ + step + kPages) % kPages;
  if (onActions) {
    cursor_.setY(ActionsRow());
  } else {
    cursor_.setY(std::min(cursor_.y(), ActionsRow() - 1));
    if (Empty(cursor_)) Move(1, 0);
  }
  update();
}

void NamePicker::Finish() {
  hide();
  if (OnDone) OnDone();
}

void NamePicker::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Left:
      return Move(-1, 0);
    case Qt::Key_Right:
      return Move(1, 0);
    case Qt::Key_Up:
      return Move(0, -1);
    case Qt::Key_Down:
      return Move(0, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      return Take();
    case Qt::Key_Backspace:
    case Qt::Key_H:
      if (target_) target_->backspace();
      return;
    case Qt::Key_PageUp:
      return TurnPage(-1);
    case Qt::Key_PageDown:
      return TurnPage(1);
    case Qt::Key_Escape:
      return Finish();
    default:
      QWidget::keyPressEvent(e);
  }
}

QRect NamePicker::CellRect(QPoint cell) const {
  const int top = kMargin + kCell;  // under the table's name
  if (cell.y() < ActionsRow()) {
    return QRect(kMargin + cell.x() * kCell, top + cell.y() * kCell, kCell, kCell);
  }
  // The actions' row under the longest table, so that it stays in one place.
  const int y = height() - kMargin - kCell;
  const int starts[] = {0, 4, 7, kColumns};
  const int a = int(ActionAt(cell.x()));
  return QRect(kMargin + starts[a] * kCell, y, (starts[a + 1] - starts[a]) * kCell, kCell);
}

void NamePicker::mousePressEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  for (int y = 0; y <= ActionsRow(); ++y) {
    for (int x = 0; x < kColumns; ++x) {
      const QPoint cell(x, y);
      if (Empty(cell) || !CellRect(cell).contains(at)) continue;
      cursor_ = cell;
      update();
      Take();
      return;
    }
  }
}

void NamePicker::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(250, 248, 240));
  const QString names[kPages] = {QCoreApplication::translate("NamePicker", "ひらがな"),
                                 QCoreApplication::translate("NamePicker", "カタカナ"),
                                 QCoreApplication::translate("NamePicker", "英数字")};
  p.setFont(GothicFont(16, true));
  p.setPen(Qt::black);
  p.drawText(QRect(kMargin, kMargin, width() - 2 * kMargin, kCell), Qt::AlignVCenter,
             QStringLiteral("%1 （%2/%3）  PageUp / PageDown")
                 .arg(names[page_])
                 .arg(page_ + 1)
                 .arg(kPages));
  for (int y = 0; y <= ActionsRow(); ++y) {
    for (int x = 0; x < kColumns; ++x) {
      const QPoint cell(x, y);
      if (Empty(cell)) continue;
      // The actions' wide cells are painted once, from their first column.
      if (y == ActionsRow() && x != (x < 4 ? 0 : x < 7 ? 4 : 7)) continue;
      const QRect r = CellRect(cell).adjusted(2, 2, -2, -2);
      const bool here =
          y == cursor_.y() &&
          (y < ActionsRow() ? x == cursor_.x() : ActionAt(x) == ActionAt(cursor_.x()));
      p.fillRect(r, here ? QColor(255, 140, 0) : QColor(255, 255, 255));
      p.setPen(QColor(120, 120, 120));
      p.drawRect(r);
      p.setPen(here ? Qt::white : Qt::black);
      p.setFont(GothicFont(y < ActionsRow() ? 20 : 16, here));
      p.drawText(r, Qt::AlignCenter,
                 y < ActionsRow() ? QString(Rows(page_)[y].at(x)) : ActionCaption(ActionAt(x)));
    }
  }
}

}  // namespace korvane
