#include "puzzle/puzzle_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

#include "engine/card_table.h"
#include "engine/rules.h"
#include "state/game_state.h"
#include "state/language.h"
#include "ui/board_view.h"
#include "ui/fonts.h"
#include "ui/key_help.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

// The refutation goes down one placement at a time, slowly enough to be followed.
constexpr int kRefutationStepMs = 700;

QString Level(const Puzzle& p) { return p.level ? QString::number(*p.level) : QStringLiteral("-"); }

// When the duel of an own puzzle ended, as the player's clock showed it.
QString When(const OwnPuzzle& own) {
  return own.when.toLocalTime().toString(QCoreApplication::translate("Puzzle", "M月d日 H:mm"));
}

// The opponent of an own puzzle's duel, by the surname alone, in the edition's language.
QString Surname(int person) {
  return PersonNameInEdition(PersonName(person)).section(QLatin1Char(' '), 0, 0);
}

// The board with nothing on it, for a list with no puzzle.
DuelState EmptyBoard() {
  DuelState s;
  ResetBoard(s);
  s.PlayerPlayed.fill(true);
  s.EnemyPlayed.fill(true);
  return s;
}

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
  solver_.setMaxThreadCount(1);
  setWindowTitle(QCoreApplication::translate("Puzzle", "詰めKORVANE"));
  setObjectName(QStringLiteral("PuzzleWindow"));
  refutationTimer_.setInterval(kRefutationStepMs);
  connect(&refutationTimer_, &QTimer::timeout, this, [this] { StepRefutation(); });
  Build();
  OpenPuzzle(first);
}

PuzzleWindow::~PuzzleWindow() {
  goal_.Drop();
  refuting_.Drop();
  solver_.waitForDone();  // the search polls its stop flag every 1024 nodes
}

void PuzzleWindow::FindOwnPuzzles(const QString& saveDirectory) {
  miner_ = std::make_unique<OwnPuzzleMiner>();
  ownSearched_ = false;
  miner_->Find(saveDirectory, cards_, this, [this](OwnPuzzles found) {
    ownNote_ = OwnPuzzlesNote(found);
    own_ = std::move(found.puzzles);
    ownSearched_ = true;
    FillList();
    if (set_ == PuzzleSet::Own) return OpenPuzzle(Index());
    Show();
  });
}

int PuzzleWindow::Count() const {
  return static_cast<int>(set_ == PuzzleSet::Own ? own_.size() : puzzles_.size());
}

const Puzzle& PuzzleWindow::PuzzleAt(int index) const {
  return set_ == PuzzleSet::Own ? own_[index].puzzle : puzzles_[index];
}

void PuzzleWindow::ShowSet(PuzzleSet set) {
  if (set == set_) return;
  set_ = set;
  FillList();
  OpenPuzzle(Index());
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
  sets_ = new QTabBar(this);
  sets_->setObjectName(QStringLiteral("PuzzleSets"));
  sets_->addTab(QCoreApplication::translate("Puzzle", "問題集"));
  sets_->addTab(QCoreApplication::translate("Puzzle", "自分の対局から"));
  sets_->setExpanding(true);
  sets_->setDrawBase(false);
  sets_->setFocusPolicy(Qt::NoFocus);
  sets_->setFont(font(12, true));
  sets_->setGeometry(at(603, 294, 289, 26));
  sets_->setCurrentIndex(static_cast<int>(set_));
  connect(sets_, &QTabBar::currentChanged, this,
          [this](int tab) { ShowSet(static_cast<PuzzleSet>(tab)); });
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("PuzzleList"));
  list_->setGeometry(at(603, 320, 289, 198));
  list_->setFont(font(12));
  list_->setFocusPolicy(Qt::NoFocus);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != Index()) OpenPuzzle(row);
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
    refuting_.Drop();
    message_.clear();
    Show();
  });
  connect(next_, &QPushButton::clicked, this, [this] { OpenPuzzle(Index() + 1); });
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void PuzzleWindow::OpenPuzzle(int index) {
  refutationTimer_.stop();
  goal_.Drop();
  refuting_.Drop();
  session_.reset();
  message_.clear();
  slot_ = -1;
  const int count = Count();
  if (count == 0) return Show();
  int& at = index_[static_cast<int>(set_)];
  at = ((index % count) + count) % count;
  session_ = PuzzleSession::Open(PuzzleAt(at), cards_);
  if (!session_)
    message_ = QCoreApplication::translate("Puzzle", "この問題は読めません。N で次の問題へ。");
  if (session_) {
    // The goal comes from the solver, which may take a few hundred milliseconds: off the
    // window's thread, while the player already looks at the position.
    OffThread(goal_, [asked = session_->Asked()](const std::atomic<bool>* stop) {
      return std::function<void(PuzzleSession&)>(
          [margin = GoalMargin(asked, stop)](PuzzleSession& s) {
            if (margin) s.SetMargin(*margin);
          });
    });
  }
  Show();
}

void PuzzleWindow::Job::Drop() {
  ++generation;
  if (cancel) cancel->store(true);
  cancel.reset();
}

void PuzzleWindow::OffThread(Job& job, Work work) {
  job.Drop();
  job.cancel = std::make_shared<std::atomic<bool>>(false);
  const int generation = job.generation;
  solver_.start([this, &job, generation, cancel = job.cancel, work = std::move(work)] {
    std::function<void(PuzzleSession&)> answer = work(cancel.get());
    if (cancel->load()) return;
    QMetaObject::invokeMethod(
        this,
        [this, &job, generation, answer = std::move(answer)] {
          // Only for the puzzle and the placement it was asked for.
          if (job.generation != generation || !session_) return;
          answer(*session_);
          Show();
        },
        Qt::QueuedConnection);
  });
}

QString PuzzleWindow::StatusText() const { return status_ ? status_->text() : QString(); }

QString PuzzleWindow::ListLine(int index) const {
  const Puzzle& p = PuzzleAt(index);
  const QString done =
      progress_ && progress_->Solved(p.id, set_) ? QStringLiteral("✓") : QStringLiteral("　");
  if (set_ == PuzzleSet::Shipped) {
    return QCoreApplication::translate("Puzzle", "%1 %2　レベル %3")
        .arg(done, QString::fromStdString(p.id), Level(p));
  }
  const OwnPuzzle& own = own_[index];
  return QCoreApplication::translate("Puzzle", "%1 %2 %3 %4手目　レベル %5")
      .arg(done, When(own), Surname(own.opponent))
      .arg(own.placed + 1)
      .arg(Level(p));
}

QString PuzzleWindow::Title() const {
  const Puzzle& p = session_->Of();
  const QString solved = progress_ && progress_->Solved(p.id, set_)
                             ? QCoreApplication::translate("Puzzle", "（解いた）")
                             : QString();
  if (set_ == PuzzleSet::Shipped) {
    return QCoreApplication::translate("Puzzle", "問題 %1　レベル %2%3")
        .arg(QString::fromStdString(p.id), Level(p), solved);
  }
  const OwnPuzzle& own = own_[Index()];
  return QCoreApplication::translate("Puzzle", "自分の対局から　レベル %1%2\n%3 %4戦 %5手目")
      .arg(Level(p), solved, When(own), Surname(own.opponent))
      .arg(own.placed + 1);
}

void PuzzleWindow::FillList() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (int i = 0; i < Count(); ++i) list_->addItem(ListLine(i));
  const QSignalBlocker quietTabs(sets_);
  sets_->setCurrentIndex(static_cast<int>(set_));
  sets_->setTabText(
      1, ownSearched_ && !own_.empty()
             ? QCoreApplication::translate("Puzzle", "自分の対局から（%1）").arg(own_.size())
             : QCoreApplication::translate("Puzzle", "自分の対局から"));
}

void PuzzleWindow::Show() {
  {
    const QSignalBlocker quiet(list_);
    if (list_->count() != Count()) FillList();
    list_->setCurrentRow(Count() == 0 ? -1 : Index());
  }
  if (progress_) {
    rating_->setText(QCoreApplication::translate("Puzzle", "レーティング %1 ± %2　解いた問題 %3")
                         .arg(qRound(progress_->Rating().rating))
                         .arg(qRound(progress_->Rating().deviation))
                         .arg(progress_->SolvedCount()));
  }
  const bool own = set_ == PuzzleSet::Own;
  if (!session_) {
    title_->setText(own ? QCoreApplication::translate("Puzzle", "自分の対局から")
                    : puzzles_.empty() ? QCoreApplication::translate("Puzzle", "問題がありません")
                                       : QString());
    prompt_->clear();
    const QString searching =
        QCoreApplication::translate("Puzzle", "自分の対戦の記録から問題を探しています・・・");
    status_->setText(!message_.isEmpty() ? message_
                     : !own              ? QString()
                     : ownSearched_      ? ownNote_
                                         : searching);
    board_->SetPosition(EmptyBoard());
    board_->SetMarks({});
    board_->SetSelectedSlot(-1);
    board_->SetCursor(std::nullopt);
    retry_->setEnabled(false);
    return;
  }
  title_->setText(Title());
  prompt_->setText(
      !session_->GoalKnown() ? QCoreApplication::translate("Puzzle", "あなたの番：正解の一手は？")
      : session_->GoalIsWin()
          ? QCoreApplication::translate("Puzzle", "あなたの番：勝てる一手は？")
          : QCoreApplication::translate("Puzzle", "あなたの番：引き分けに持ち込む一手は？"));
  QString status = message_;
  if (status.isEmpty() && session_->State() == PuzzleSession::Phase::Asking) {
    status = QCoreApplication::translate(
        "Puzzle", "1～5 でカード、矢印と Enter でマス（クリックでも置けます）");
    if (own && !ownNote_.isEmpty()) status = ownNote_ + QStringLiteral("\n") + status;
  }
  status_->setText(status);
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
      OffThread(refuting_, [after = session_->Position()](const std::atomic<bool>* stop) {
        return std::function<void(PuzzleSession&)>(
            [line = RefutationLine(after, stop)](PuzzleSession& s) {
              if (line) s.SetRefutation(*line);
            });
      });
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
  if (!session_) return;
  // Still being worked out: the next tick looks again.
  if (!session_->RefutationKnown()) return;
  if (session_->ShowNextRefutation()) return Show();
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
  if (progress_) progress_->Record(p.id, p.level.value_or(3), firstTry, set_);
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
      return OpenPuzzle(Index() + 1);
    case Qt::Key_P:
      return OpenPuzzle(Index() - 1);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return ShowSet(set_ == PuzzleSet::Own ? PuzzleSet::Shipped : PuzzleSet::Own);
    case Qt::Key_F1:
      return ShowKeyHelp(
          this, KeyTable({{"1-5", QCoreApplication::translate("Puzzle", "手札のカードを選ぶ")},
                          {"← → ↑ ↓", QCoreApplication::translate("Puzzle", "マスを選ぶ")},
                          {"Enter", QCoreApplication::translate("Puzzle", "選んだマスに置く")},
                          {"R", QCoreApplication::translate("Puzzle", "もう一度")},
                          {"N", QCoreApplication::translate("Puzzle", "次の問題")},
                          {"P", QCoreApplication::translate("Puzzle", "前の問題")},
                          {"Tab", QCoreApplication::translate(
                                      "Puzzle", "問題集と自分の対局からの問題を切り替える")},
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
                          double zoom, ViewZoom* follow, const QString& saveDirectory) {
  auto* window = new PuzzleWindow(std::move(puzzles), first, cards, art, progress, parent, zoom);
  window->Follow(follow);
  if (!saveDirectory.isEmpty()) window->FindOwnPuzzles(saveDirectory);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
  return window;
}

}  // namespace korvane
