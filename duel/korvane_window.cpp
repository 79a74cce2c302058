#include "duel/korvane_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <cmath>

#include "duel/korvane_extras.h"
#include "state/language.h"
#include "ui/fonts.h"
#include "ui/log_painter.h"
#include "ui/picture_view.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {

namespace {

// The tutorial's longer texts do not fit LText at the window's font: they wrap, and take a
// smaller size of the same face until the whole text shows (sizes at 1x, times the zoom).
QFont FitText(const QString& text, QSize box, double zoom) {
  for (int pixels = 12; pixels > 8; --pixels) {
    const QFont f = GothicFont(int(std::lround(pixels * zoom)));
    const QRect need =
        QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text);
    if (need.height() <= box.height()) return f;
  }
  return GothicFont(int(std::lround(8 * zoom)));
}

int VbButton(Qt::MouseButton b) { return b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 1; }
int VbShift(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

void Place(const ZoomStage& zoom, QWidget* w, const DuelControl& c) {
  w->setGeometry(zoom.Rect(QRect(c.Pos, c.Size)));
  w->setVisible(c.Visible);
}

QString TakeHint() {
  return QCoreApplication::translate(
      "Duel", "ダブルクリック（または Enter キー）で、このカードを手札に選びます。");
}

}  // namespace

KorvaneWindow::KorvaneWindow(Korvane& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
  setWindowTitle(QStringLiteral("Form1"));
  // The controls lie on a stage of the client area's size times the zoom, made in the order they
  // stack.
  zoom_ = new ZoomStage(this, QSize(kClientWidth, kClientHeight), QColor(192, 192, 192));
  QWidget* stage = zoom_->Stage();
  zoom_->SetFont(stage, GothicFont(12));
  BuildList(stage);
  BuildBoard(stage);
  BuildButtons(stage);
  BuildExtras(stage);
  BuildTimers();
  NameControls();
  BuildAccess();
  FollowZoomAndMarks();
  // Every key comes to the window itself, whatever was clicked last.
  for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
  setFocusPolicy(Qt::StrongFocus);

  logic_.RequestClose = [this] { close(); };
  logic_.Changed = [this] { Mirror(); };
  Forward([&] { logic_.Form_Load(); });
  timer1_->start();
  flipAnime_->start();
}

// The deck-selection list: the forty card pictures and the back, the fourteen captions and the
// scroll bar.
void KorvaneWindow::BuildList(QWidget* stage) {
  picture1_ = new QWidget(stage);
  const QString takeHint = TakeHint();
  picture1_->setToolTip(takeHint);
  QPalette black = picture1_->palette();
  black.setColor(QPalette::Window, Qt::black);
  picture1_->setPalette(black);
  picture1_->setAutoFillBackground(true);
  for (int k = 0; k <= kCardBack; ++k) {
    auto* pic = new PictureView(
        picture1_, [this, k]() -> const QImage& { return logic_.Pictures().Card(k); }, 0);
    pic->OnPress = [this, k](Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
      Forward([&] { logic_.CardPic_MouseDown(k, VbButton(b), VbShift(m), p.x(), p.y()); });
    };
    pic->OnDoubleClick = [this, k] { Forward([&] { logic_.CardPic_DblClick(k); }); };
    pic->setToolTip(takeHint);
    if (k < kCardKinds) {
      pic->Sharp = [this, k](double scale) -> QImage {
        if (!sharpArt_) return {};
        return sharpArt_->Get({ArtKind::Card, k}, SharpArt::ArtScaleFor(scale));
      };
    }
    cardPic_[k] = pic;
  }
  for (int j = 0; j < 14; ++j) {
    auto* label = new QLabel(picture1_);
    zoom_->SetFont(label, GothicFont(13));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: rgb(192,255,255); background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // English names are longer: they take a second line rather than lose their ends.
    label->setWordWrap(EnglishEdition());
    cardLabel_[j] = label;
  }
  vscroll_ = new QScrollBar(Qt::Vertical, stage);
  vscroll_->setRange(0, 28);
  vscroll_->setSingleStep(14);
  vscroll_->setPageStep(14);
  connect(vscroll_, &QScrollBar::valueChanged, this,
          [this](int v) { Forward([&] { logic_.VScroll1_Change(v); }); });
}

// The board with the enemy's "thinking" label, and both hands.
void KorvaneWindow::BuildBoard(QWidget* stage) {
  field_ = new PictureView(
      stage, [this]() -> const QImage& { return logic_.Canvas; }, 2);
  field_->Sharp = [this](double scale) {
    return SharpPicture(logic_.CanvasLog, logic_.Canvas, scale);
  };
  field_->Revision = [this] { return logic_.CanvasLog.Revision(); };
  field_->OnPress = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
    Forward([&] {
      // A click during the result line ends it (no square is chosen: nobody's turn).
      if (logic_.ResultLine) return logic_.DismissResult();
      logic_.Field_MouseDown(VbButton(b), VbShift(m), p.x(), p.y());
    });
  };
  thinking_ = new QLabel(field_);
  zoom_->SetFont(thinking_, GothicFont(21));
  thinking_->setStyleSheet(QStringLiteral("color: rgb(255,0,0); background: rgb(255,255,192);"));
  for (int i = 0; i < kHandSize; ++i) {
    eHand_[i] = new PictureView(
        stage, [this, i]() -> const QImage& { return logic_.EHandPic[i]; }, 0);
    pHand_[i] = new PictureView(
        stage, [this, i]() -> const QImage& { return logic_.PHandPic[i]; }, 0);
    eHand_[i]->Sharp = [this, i](double scale) {
      return SharpPicture(logic_.EHandLog[i], logic_.EHandPic[i], scale);
    };
    eHand_[i]->Revision = [this, i] { return logic_.EHandLog[i].Revision(); };
    pHand_[i]->Sharp = [this, i](double scale) {
      return SharpPicture(logic_.PHandLog[i], logic_.PHandPic[i], scale);
    };
    pHand_[i]->Revision = [this, i] { return logic_.PHandLog[i].Revision(); };
    pHand_[i]->OnPress = [this, i](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
      Forward([&] { logic_.ResultLine ? logic_.DismissResult() : logic_.PHand_Click(i); });
    };
  }
}

// The buttons, the record label, the tutorial's text and button, and the album's own button.
void KorvaneWindow::BuildButtons(QWidget* stage) {
  label1_ = new QLabel(stage);
  zoom_->SetFont(label1_, GothicFont(19, true));
  command1_ = new QPushButton(stage);
  zoom_->SetFont(command1_, GothicFont(16, true));
  connect(command1_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command1_Click(); }); });
  command2_ = new QPushButton(stage);
  connect(command2_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command2_Click(); }); });
  command4_ = new QPushButton(stage);
  zoom_->SetFont(command4_, GothicFont(16, true));
  connect(command4_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command4_Click(); }); });
  lText_ = new QLabel(stage);
  lText_->setTextFormat(Qt::PlainText);
  lText_->setWordWrap(true);
  lText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lText_->setAutoFillBackground(true);
  QPalette white = lText_->palette();
  white.setColor(QPalette::Window, Qt::white);
  lText_->setPalette(white);
  lButton_ = new QPushButton(stage);
  zoom_->SetFont(lButton_, GothicFont(16));
  connect(lButton_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.LButton_Click(); }); });
  // Not one of the window's own controls: shown only while the deck selection waits.
  albumButton_ = new QPushButton(QCoreApplication::translate("Album", "アルバム"), stage);
  zoom_->Place(albumButton_, kAlbumButton);
  zoom_->SetFont(albumButton_, GothicFont(10));
  albumButton_->setToolTip(
      QCoreApplication::translate("Album", "カードアルバムと対戦成績（A キー）"));
  albumButton_->hide();
  connect(albumButton_, &QPushButton::clicked, this, [this] { OpenAlbum(); });
  reviewButton_ = new QPushButton(QCoreApplication::translate("Review", "振り返り"), stage);
  zoom_->Place(reviewButton_, kReviewButton);
  zoom_->SetFont(reviewButton_, GothicFont(10));
  reviewButton_->setToolTip(
      QCoreApplication::translate("Review", "今の対戦を一手ずつ振り返る（V キー）"));
  reviewButton_->hide();
  connect(reviewButton_, &QPushButton::clicked, this, [this] { OpenReview(); });
}

// Both timers run from the opening; each tick decides for itself whether to act.
void KorvaneWindow::BuildTimers() {
  timer1_ = new QTimer(this);
  timer1_->setTimerType(Qt::PreciseTimer);
  timer1_->setInterval(100);
  connect(timer1_, &QTimer::timeout, this, [this] { Forward([&] { logic_.Timer1_Timer(); }); });
  flipAnime_ = new QTimer(this);
  flipAnime_->setTimerType(Qt::PreciseTimer);
  flipAnime_->setInterval(logic_.FlipAnimeIntervalMs());
  connect(flipAnime_, &QTimer::timeout, this,
          [this] { Forward([&] { logic_.FlipAnime_Timer(); }); });
}

// The controls' own names, so that tests and tools can find them.
void KorvaneWindow::NameControls() {
  picture1_->setObjectName(QStringLiteral("Picture1"));
  for (int k = 0; k <= kCardBack; ++k)
    cardPic_[k]->setObjectName(QStringLiteral("CardPic%1").arg(k));
  for (int j = 0; j < 14; ++j) cardLabel_[j]->setObjectName(QStringLiteral("cardlabel%1").arg(j));
  vscroll_->setObjectName(QStringLiteral("VScroll1"));
  field_->setObjectName(QStringLiteral("Field"));
  thinking_->setObjectName(QStringLiteral("Thinking"));
  for (int i = 0; i < kHandSize; ++i) {
    eHand_[i]->setObjectName(QStringLiteral("EHand%1").arg(i));
    pHand_[i]->setObjectName(QStringLiteral("PHand%1").arg(i));
  }
  command1_->setObjectName(QStringLiteral("Command1"));
  command2_->setObjectName(QStringLiteral("Command2"));
  command4_->setObjectName(QStringLiteral("Command4"));
  label1_->setObjectName(QStringLiteral("Label1"));
  lText_->setObjectName(QStringLiteral("LText"));
  lButton_->setObjectName(QStringLiteral("LButton"));
  albumButton_->setObjectName(QStringLiteral("AlbumButton"));
  reviewButton_->setObjectName(QStringLiteral("ReviewButton"));
}

// Every picture follows the zoom; the view's marks are drawn over the pictures (the enemy's last
// card, the hint, the keyboard's cursors).
void KorvaneWindow::FollowZoomAndMarks() {
  zoom_->OnZoom = [this] {
    const double z = zoom_->Zoom();
    QToolTip::setFont(GothicFont(int(std::lround(12 * z))));
    for (PictureView* v : cardPic_) v->SetZoom(z);
    field_->SetZoom(z);
    for (int i = 0; i < kHandSize; ++i) {
      eHand_[i]->SetZoom(z);
      pHand_[i]->SetZoom(z);
    }
    Mirror();
  };
  // Marks the view draws over the pictures: the enemy's last card, the keyboard's cursors.
  field_->OnOverlay = [this](QPainter& p) {
    PaintBoardMarks(p, logic_.EnemyMark, keys_.BoardCursor(), logic_.Hint);
    PaintBoardExtras(p);
  };
  for (int i = 0; i < kHandSize; ++i) {
    pHand_[i]->OnOverlay = [this, i](QPainter& p) {
      if (logic_.Hint && logic_.Hint->slot == i) PaintHintCard(p, *logic_.Hint);
      // In the deck selection a slot whose card is not taken shows only the one-press preview.
      const DuelControls& c = logic_.Ctl;
      if (c.Picture1.Visible && !c.Field.Visible && logic_.Duel.PlayerHand[i] == -1 &&
          logic_.Game().TutorialMode == 0) {
        PaintDeckPreviewMark(p);
      }
    };
  }
  for (int k = 0; k < kCardKinds; ++k) {
    cardPic_[k]->OnOverlay = [this, k](QPainter& p) {
      if (keys_.ListCursor() == k) PaintListCursor(p);
    };
  }
}

KorvaneWindow::~KorvaneWindow() {
  logic_.RequestClose = nullptr;
  logic_.Changed = nullptr;
}

void KorvaneWindow::Mirror() {
  const DuelControls& c = logic_.Ctl;
  Place(*zoom_, picture1_, c.Picture1);
  for (int k = 0; k <= kCardBack; ++k) {
    Place(*zoom_, cardPic_[k], c.CardPic[k]);
    cardPic_[k]->update();
  }
  for (int j = 0; j < 14; ++j) {
    QString text = c.cardlabel[j].Caption;
    text.replace(QChar(13), QChar(10));
    cardLabel_[j]->setText(text);
    Place(*zoom_, cardLabel_[j], c.cardlabel[j]);
  }
  {
    const QSignalBlocker quiet(vscroll_);
    vscroll_->setValue(c.VScrollValue);
  }
  Place(*zoom_, vscroll_, c.VScroll1);
  Place(*zoom_, field_, c.Field);
  field_->update();
  thinking_->setText(c.Thinking.Caption);
  thinking_->setGeometry(zoom_->Rect(
      QRect(c.Thinking.Pos + QPoint(field_->Border(), field_->Border()), c.Thinking.Size)));
  thinking_->setVisible(c.Thinking.Visible);
  for (int i = 0; i < kHandSize; ++i) {
    Place(*zoom_, eHand_[i], c.EHand[i]);
    Place(*zoom_, pHand_[i], c.PHand[i]);
    eHand_[i]->update();
    pHand_[i]->update();
  }
  label1_->setText(c.Label1.Caption);
  Place(*zoom_, label1_, c.Label1);
  command1_->setText(c.Command1.Caption);
  Place(*zoom_, command1_, c.Command1);
  command2_->setText(c.Command2.Caption);
  Place(*zoom_, command2_, c.Command2);
  command4_->setText(c.Command4.Caption);
  Place(*zoom_, command4_, c.Command4);
  lText_->setText(c.LText.Caption);
  Place(*zoom_, lText_, c.LText);
  lText_->setFont(FitText(c.LText.Caption, lText_->contentsRect().size(), zoom_->Zoom()));
  lButton_->setText(c.LButton.Caption);
  Place(*zoom_, lButton_, c.LButton);
  albumButton_->setVisible(OnAlbum && logic_.AlbumAllowed());
  reviewButton_->setVisible(OnReview && logic_.ReviewAllowed());
  MirrorExtras();
  MirrorAccess();
  if (flipAnime_->interval() != logic_.FlipAnimeIntervalMs()) {
    flipAnime_->setInterval(logic_.FlipAnimeIntervalMs());
  }
}

void KorvaneWindow::UseZoom(ViewZoom* zoom, const SharpArt* art) {
  sharpArt_ = art;
  zoom_->Attach(zoom);
}

double KorvaneWindow::Zoom() const { return zoom_->Zoom(); }

void KorvaneWindow::OpenAlbum() {
  // One album at a time, and only over a deck selection that waits for the player.
  if (!OnAlbum || album_ || closed_ || !logic_.AlbumAllowed()) return;
  album_ = OnAlbum(this, logic_.AlbumState(), Zoom());
}

void KorvaneWindow::OpenReview() {
  if (!OnReview || review_ || album_ || closed_ || !logic_.ReviewAllowed()) return;
  review_ = OnReview(this, *logic_.LastRecord, Zoom());
}

QImage KorvaneWindow::SharpPicture(const PaintLog& log, const QImage& small, double scale) const {
  if (!sharpArt_ || !log.Complete()) return {};
  return PaintLogAt(log, small.size(), *sharpArt_, scale);
}

void KorvaneWindow::Forward(const std::function<void()>& handler) {
  ++depth_;
  try {
    handler();
  } catch (const std::exception& e) {
    QtPlatform::ShowError(this, QString::fromUtf8(e.what()));
    QCoreApplication::exit(3);
  }
  --depth_;
  if (!closed_) Mirror();
  if (closed_ && depth_ == 0) deleteLater();
}

void KorvaneWindow::closeEvent(QCloseEvent* event) {
  if (logic_.IsOpen()) {
    bool closed = true;
    ++depth_;
    closed = logic_.Form_Unload();
    --depth_;
    if (!closed) {
      Mirror();
      event->ignore();
      return;
    }
  }
  timer1_->stop();
  flipAnime_->stop();
  event->accept();
  if (!closed_) {
    closed_ = true;
    if (depth_ == 0) deleteLater();
  }
}

}  // namespace korvane
