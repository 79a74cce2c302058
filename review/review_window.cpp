#include "review/review_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "engine/card_table.h"
#include "review/review_worker.h"
#include "review/value_chart.h"
#include "ui/board_view.h"
#include "ui/fonts.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {

ReviewWindow::ReviewWindow(DuelRecord record, const CardTable& cards, const SharpArt& art,
                           QWidget* parent, double zoom)
    : QDialog(parent),
      session_(std::move(record), cards),
      art_(art),
      zoom_(ZoomToFit(zoom > 0 ? zoom : 1, kSize, AvailableRoom(parent))) {
  setWindowTitle(QCoreApplication::translate("Review", "振り返り"));
  setObjectName(QStringLiteral("ReviewWindow"));
  Build();
  session_.GoTo(session_.Moves());
  worker_ = std::make_unique<ReviewWorker>();
  worker_->Review(session_.Played(), cards, this, [this](DuelReview review) {
    session_.SetReview(std::move(review));
    Show();
  });
  Show();
}

ReviewWindow::~ReviewWindow() { worker_.reset(); }

void ReviewWindow::Build() {
  const auto at = [this](int x, int y, int w, int h) { return ZoomRect(QRect(x, y, w, h), zoom_); };
  const auto font = [this](int pixels, bool bold = false) {
    return ZoomFont(GothicFont(pixels, bold), zoom_);
  };
  setFixedSize(at(0, 0, kSize.width(), kSize.height()).size());
  setFont(font(12));
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(grey);

  board_ = new BoardView(this, art_);
  board_->SetCards(&session_.Cards());
  board_->SetZoom(zoom_);
  board_->move(at(8, 8, 0, 0).topLeft());
  board_->OnSquare = [this](int c, int r) { RetrySquare(c, r); };
  board_->OnHand = [this](int slot) {
    if (!session_.Retrying()) return;
    slot_ = slot;
    Show();
  };
  chart_ = new ValueChart(this);
  chart_->SetZoom(zoom_);
  chart_->move(at(8, 422, 0, 0).topLeft());
  chart_->OnStep = [this](int step) { StepTo(step); };

  moves_ = new QListWidget(this);
  moves_->setObjectName(QStringLiteral("ReviewMoves"));
  moves_->setGeometry(at(603, 8, 289, 406));
  moves_->setFont(font(12));
  moves_->setWordWrap(true);
  moves_->setFocusPolicy(Qt::NoFocus);
  connect(moves_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != session_.Step()) StepTo(row);
  });
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("ReviewSummary"));
  summary_->setGeometry(at(603, 422, 289, 60));
  summary_->setWordWrap(true);
  summary_->setFont(font(13, true));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("ReviewStatus"));
  status_->setGeometry(at(603, 484, 289, 36));
  status_->setWordWrap(true);

  const auto button = [&](const QString& text, int x, int w) {
    auto* b = new QPushButton(text, this);
    b->setGeometry(at(x, 528, w, 26));
    b->setFont(font(12, true));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  back_ = button(QStringLiteral("◀"), 8, 40);
  next_ = button(QStringLiteral("▶"), 52, 40);
  retry_ = button(QCoreApplication::translate("Review", "ここからやり直す"), 100, 150);
  retry_->setObjectName(QStringLiteral("ReviewRetry"));
  close_ = button(QCoreApplication::translate("Review", "閉じる"), kSize.width() - 8 - 81, 81);
  connect(back_, &QPushButton::clicked, this, [this] { StepTo(session_.Step() - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { StepTo(session_.Step() + 1); });
  connect(retry_, &QPushButton::clicked, this, [this] { ToggleRetry(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void ReviewWindow::Show() {
  // The move list: the deal, then every placement with its label.
  if (moves_->count() != session_.Moves() + 1 || session_.Review()) {
    const QSignalBlocker quiet(moves_);
    moves_->clear();
    moves_->addItem(QCoreApplication::translate("Review", "配られた手札"));
    for (int step = 1; step <= session_.Moves(); ++step) {
      auto* item = new QListWidgetItem(session_.MoveLine(step));
      if (session_.Review()) {
        item->setForeground(LabelColour(session_.Review()->moves[step - 1].label).darker(130));
      }
      moves_->addItem(item);
    }
  }
  {
    const QSignalBlocker quiet(moves_);
    moves_->setCurrentRow(session_.Step());
  }
  std::vector<QColor> colours;
  if (session_.Review()) {
    for (const ReviewedMove& m : session_.Review()->moves) colours.push_back(LabelColour(m.label));
  }
  chart_->SetValues(session_.Values(), colours);
  chart_->SetStep(session_.Step());
  summary_->setText(session_.Summary());

  if (session_.Retrying()) {
    board_->SetPosition(session_.RetryPosition());
    board_->SetMarks({});
    board_->SetSelectedSlot(slot_);
    board_->SetCursor(cursor_);
    if (const std::optional<DuelOutcome> out = session_.RetryOutcome()) {
      status_->setText(
          QCoreApplication::translate("Review", "やり直しの結果：%1 対 %2（記録には残りません）")
              .arg(out->PlayerScore)
              .arg(out->EnemyScore));
    } else {
      status_->setText(QCoreApplication::translate(
          "Review", "やり直し中：1～5 でカード、矢印と Enter でマス（R で記録に戻る）"));
    }
    retry_->setText(QCoreApplication::translate("Review", "記録に戻る"));
    return;
  }
  board_->SetPosition(session_.Position());
  std::vector<BoardView::Mark> marks;
  for (const ReviewSession::BoardMark& m : session_.Marks()) {
    marks.push_back({m.column, m.row, m.colour, m.tag});
  }
  board_->SetMarks(std::move(marks));
  board_->SetSelectedSlot(-1);
  board_->SetCursor(std::nullopt);
  status_->setText(session_.Review() ? QCoreApplication::translate(
                                           "Review", "← → で一手ずつ、Home / End で最初と最後")
                                     : QCoreApplication::translate("Review", "読み切り中・・・"));
  retry_->setText(QCoreApplication::translate("Review", "ここからやり直す"));
}

void ReviewWindow::StepTo(int step) {
  session_.GoTo(step);
  slot_ = -1;
  Show();
}

void ReviewWindow::ToggleRetry() {
  if (session_.Retrying()) {
    session_.StopRetrying();
  } else {
    session_.RetryFromHere();
    slot_ = -1;
  }
  Show();
}

void ReviewWindow::RetrySquare(int column, int row) {
  if (!session_.Retrying() || slot_ < 0) return;
  if (session_.RetryPlace(slot_, column, row)) slot_ = -1;
  Show();
}

void ReviewWindow::MoveCursor(int dc, int dr) {
  cursor_ = NextPlayableSquare(cursor_, dc, dr);
  Show();
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (session_.Retrying()) {
    if (key >= Qt::Key_1 && key <= Qt::Key_5) {
      slot_ = key - Qt::Key_1;
      return Show();
    }
    switch (key) {
      case Qt::Key_Left:
        return MoveCursor(-1, 0);
      case Qt::Key_Right:
        return MoveCursor(1, 0);
      case Qt::Key_Up:
        return MoveCursor(0, -1);
      case Qt::Key_Down:
        return MoveCursor(0, 1);
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Space:
        return RetrySquare(cursor_.first, cursor_.second);
      case Qt::Key_R:
        return ToggleRetry();
      default:
        break;
    }
    return QDialog::keyPressEvent(event);
  }
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      return StepTo(session_.Step() - 1);
    case Qt::Key_Right:
    case Qt::Key_Down:
      return StepTo(session_.Step() + 1);
    case Qt::Key_Home:
      return StepTo(0);
    case Qt::Key_End:
      return StepTo(session_.Moves());
    case Qt::Key_R:
      return ToggleRetry();
    default:
      QDialog::keyPressEvent(event);  // Esc closes
  }
}

void ReviewWindow::Follow(ViewZoom* zoom) {
  if (follow_ || !zoom) return;
  follow_ = zoom;
  FollowZoom(this, zoom, [this](double z) { SetZoom(z); });
}

void ReviewWindow::SetZoom(double zoom) {
  zoom = ZoomToFit(zoom, kSize, AvailableRoom(this));
  if (zoom <= 0 || zoom == zoom_) return;
  zoom_ = zoom;
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    delete child;
  }
  Build();
  Show();
}

ReviewWindow* ShowReview(QWidget* parent, const DuelRecord& record, const CardTable& cards,
                         const SharpArt& art, double zoom, ViewZoom* follow) {
  auto* window = new ReviewWindow(record, cards, art, parent, zoom);
  window->Follow(follow);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
  return window;
}

}  // namespace korvane
