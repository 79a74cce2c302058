#include "puzzle/puzzle_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "engine/card_table.h"
#include "engine/rules.h"
#include "state/puzzle_progress.h"
#include "ui/board_view.h"
#include "ui/fonts.h"
#include "ui/key_help.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

// The refutation goes down one placement at a time, slowly enough to be followed.
constexpr int kRefutationStepMs = 700;

}  // namespace

PuzzleWindow::PuzzleWindow(std::vector<Puzzle> puzzles, int first, const CardTable& cards,
                           const SharpArt& art, PuzzleProgress* progress, QWidget* parent,
                           double zoom)
    : QDialog(parent),
      puzzles_(std::move(puzzles)),
      cards_(cards),
      art_(art),
      progress_(progress),
      zoom_(ZoomToFit(zoom > 0 ? zoom : 1, kSize, AvailableRoom(parent))) {
  setWindowTitle(QCoreApplication::translate("Puzzle", "詰めKORVANE"));
  setObjectName(QStringLiteral("PuzzleWindow"));
  refutationTimer_.setInterval(kRefutationStepMs);
  connect(&refutationTimer_, &QTimer::timeout, this, [this] { StepRefutation(); });
  Build();
  OpenPuzzle(first);
}

void PuzzleWindow::Build() {
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
  board_->SetCards(&cards_);
  board_->SetZoom(zoom_);
  board_->move(at(8, 8, 0, 0).topLeft());
  board_->OnSquare = [this](int c, int r) { PlaceOn(c, r); };
  board_->OnHand = [this](int slot) { SelectSlot(slot); };

  const auto label = [&](const char* name, int y, int h, int pixels, bool bold) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(at(603, y, 289, h));
    l->setWordWrap(true);
    l->setFont(font(pixels, bold));
    return l;
  };
  title_ = label("PuzzleTitle", 8, 40, 14, true);
  prompt_ = label("PuzzlePrompt", 56, 60, 16, true);
  status_ = label("PuzzleStatus", 124, 120, 13, false);
  rating_ = label("PuzzleRating", 250, 40, 12, true);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("PuzzleList"));
  list_->setGeometry(at(603, 296, 289, 222));
  list_->setFont(font(12));
  list_->setFocusPolicy(Qt::NoFocus);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != index_) OpenPuzzle(row);
  });

  const auto button = [&](const QString& text, int x, int w) {
    auto* b = new QPushButton(text, this);
    b->setGeometry(at(x, 528, w, 26));
    b->setFont(font(12, true));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  retry_ = button(QCoreApplication::translate("Puzzle", "もう一度 (R)"), 603, 92);
  next_ = button(QCoreApplication::translate("Puzzle", "次の問題 (N)"), 701, 100);
  close_ = button(QCoreApplication::translate("Puzzle", "閉じる"), 807, 85);
  connect(retry_, &QPushButton::clicked, this, [this] {
    if (session_) session_->Retry();
    refutationTimer_.stop();
    message_.clear();
    Show();
  });
  connect(next_, &QPushButton::clicked, this, [this] { OpenPuzzle(index_ + 1); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void PuzzleWindow::OpenPuzzle(int index) {
  refutationTimer_.stop();
  session_.reset();
  message_.clear();
  slot_ = -1;
  if (puzzles_.empty()) return Show();
  index_ = ((index % static_cast<int>(puzzles_.size())) + static_cast<int>(puzzles_.size())) %
           static_cast<int>(puzzles_.size());
  session_ = PuzzleSession::Open(puzzles_[index_], cards_);
  if (!session_)
    message_ = QCoreApplication::translate("Puzzle", "この問題は読めません。N で次の問題へ。");
  Show();
}

QString PuzzleWindow::StatusText() const { return status_ ? status_->text() : QString(); }

void PuzzleWindow::FillList() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const Puzzle& p : puzzles_) {
    const bool done = progress_ && progress_->Solved(p.id);
    list_->addItem(QCoreApplication::translate("Puzzle", "%1 %2　レベル %3")
                       .arg(done ? QStringLiteral("✓") : QStringLiteral("　"))
                       .arg(QString::fromStdString(p.id))
                       .arg(p.level ? QString::number(*p.level) : QStringLiteral("-")));
  }
}

void PuzzleWindow::Show() {
  {
    const QSignalBlocker quiet(list_);
    if (list_->count() != static_cast<int>(puzzles_.size())) FillList();
    list_->setCurrentRow(puzzles_.empty() ? -1 : index_);
  }
  if (!session_) {
    title_->setText(puzzles_.empty() ? QCoreApplication::translate("Puzzle", "問題がありません")
                                     : QString());
    prompt_->clear();
    status_->setText(message_);
    return;
  }
  const Puzzle& p = session_->Of();
  const bool solved = progress_ && progress_->Solved(p.id);
  title_->setText(
      QCoreApplication::translate("Puzzle", "問題 %1　レベル %2%3")
          .arg(QString::fromStdString(p.id))
          .arg(p.level ? QString::number(*p.level) : QStringLiteral("-"))
          .arg(solved ? QCoreApplication::translate("Puzzle", "（解いた）") : QString()));
  prompt_->setText(
      session_->GoalIsWin()
          ? QCoreApplication::translate("Puzzle", "あなたの番：勝てる一手は？")
          : QCoreApplication::translate("Puzzle", "あなたの番：引き分けに持ち込む一手は？"));
  QString status = message_;
  if (status.isEmpty() && session_->State() == PuzzleSession::Phase::Asking) {
    status = QCoreApplication::translate(
        "Puzzle", "1～5 でカード、矢印と Enter でマス（クリックでも置けます）");
  }
  status_->setText(status);
  if (progress_) {
    rating_->setText(QCoreApplication::translate("Puzzle", "レーティング %1 ± %2　解いた問題 %3")
                         .arg(qRound(progress_->Rating().rating))
                         .arg(qRound(progress_->Rating().deviation))
                         .arg(progress_->SolvedIds().size()));
  }
  board_->SetPosition(session_->Position());
  std::vector<BoardView::Mark> marks;
  if (const std::optional<Placement> reply = session_->LastReply()) {
    marks.push_back({reply->column, reply->row, QColor(200, 40, 40),
                     QCoreApplication::translate("Puzzle", "応手")});
  }
  board_->SetMarks(std::move(marks));
  const bool asking = session_->State() == PuzzleSession::Phase::Asking;
  board_->SetSelectedSlot(asking ? slot_ : -1);
  board_->SetCursor(asking ? std::optional<std::pair<int, int>>(cursor_) : std::nullopt);
  retry_->setEnabled(session_->State() == PuzzleSession::Phase::Refuted);
}

void PuzzleWindow::SelectSlot(int slot) {
  if (!session_ || session_->State() != PuzzleSession::Phase::Asking) return;
  const DuelState& s = session_->Position();
  if (slot < 0 || slot >= kHandSize || s.PlayerPlayed[slot]) return;
  slot_ = slot;
  Show();
}

void PuzzleWindow::PlaceOn(int column, int row) {
  if (!session_ || slot_ < 0) return;
  switch (session_->Place(slot_, column, row)) {
    case PuzzleSession::Try::Refused:
      return;
    case PuzzleSession::Try::Wrong:
      message_ = QCoreApplication::translate(
          "Puzzle", "残念、その一手では届きません。相手の応手を最後まで見てください。");
      refutationTimer_.start();
      break;
    case PuzzleSession::Try::Right:
      if (session_->State() == PuzzleSession::Phase::Solved) return Solved();
      message_ = QCoreApplication::translate("Puzzle",
                                             "正解！ 相手はこう応じました。次の一手は？（%1 / %2）")
                     .arg(session_->Found() + 1)
                     .arg(session_->ToFind());
      break;
  }
  slot_ = -1;
  Show();
}

void PuzzleWindow::StepRefutation() {
  if (!session_ || session_->ShowNextRefutation()) return Show();
  refutationTimer_.stop();
  const FaceUpCount count = session_->Count();
  message_ =
      QCoreApplication::translate("Puzzle", "相手の応手で %1 対 %2 になりました。R でもう一度。")
          .arg(count.player)
          .arg(count.enemy);
  Show();
}

void PuzzleWindow::Solved() {
  const Puzzle& p = session_->Of();
  const bool firstTry = session_->Wrong() == 0;
  if (progress_) progress_->Record(p.id, p.level.value_or(3), firstTry);
  FillList();
  message_ =
      firstTry ? QCoreApplication::translate("Puzzle", "正解！ 一度で解けました。N で次の問題へ。")
               : QCoreApplication::translate("Puzzle", "正解！ 解けました。N で次の問題へ。");
  slot_ = -1;
  Show();
}

void PuzzleWindow::MoveCursor(int dc, int dr) {
  cursor_ = NextPlayableSquare(cursor_, dc, dr);
  Show();
}

void PuzzleWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_1 && key <= Qt::Key_5) return SelectSlot(key - Qt::Key_1);
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
      return PlaceOn(cursor_.first, cursor_.second);
    case Qt::Key_R:
      return retry_->click();
    case Qt::Key_N:
      return OpenPuzzle(index_ + 1);
    case Qt::Key_P:
      return OpenPuzzle(index_ - 1);
    case Qt::Key_F1:
      return ShowKeyHelp(
          this, KeyTable({{"1-5", QCoreApplication::translate("Puzzle", "手札のカードを選ぶ")},
                          {"← → ↑ ↓", QCoreApplication::translate("Puzzle", "マスを選ぶ")},
                          {"Enter", QCoreApplication::translate("Puzzle", "選んだマスに置く")},
                          {"R", QCoreApplication::translate("Puzzle", "もう一度")},
                          {"N", QCoreApplication::translate("Puzzle", "次の問題")},
                          {"P", QCoreApplication::translate("Puzzle", "前の問題")},
                          {"Esc", QCoreApplication::translate("Puzzle", "閉じる")}}));
    default:
      QDialog::keyPressEvent(event);  // Esc closes
  }
}

void PuzzleWindow::Follow(ViewZoom* zoom) {
  if (follow_ || !zoom) return;
  follow_ = zoom;
  FollowZoom(this, zoom, [this](double z) { SetZoom(z); });
}

void PuzzleWindow::SetZoom(double zoom) {
  zoom = ZoomToFit(zoom, kSize, AvailableRoom(this));
  if (zoom <= 0 || zoom == zoom_) return;
  zoom_ = zoom;
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    delete child;
  }
  Build();
  Show();
}

PuzzleWindow* ShowPuzzles(QWidget* parent, std::vector<Puzzle> puzzles, int first,
                          const CardTable& cards, const SharpArt& art, PuzzleProgress* progress,
                          double zoom, ViewZoom* follow) {
  auto* window = new PuzzleWindow(std::move(puzzles), first, cards, art, progress, parent, zoom);
  window->Follow(follow);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
  return window;
}

}  // namespace korvane
