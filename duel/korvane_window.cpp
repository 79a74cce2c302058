#include "duel/korvane_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace korvane {

// A picture box: shows an image (inside an optional sunken border) and reports presses and
// double-clicks in its client coordinates.
class PictureView : public QWidget {
 public:
  PictureView(QWidget* parent, std::function<const QImage&()> image, int border)
      : QWidget(parent), image_(std::move(image)), border_(border) {}
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnPress;
  std::function<void()> OnDoubleClick;
  // Marks drawn over the picture by the view (never into the logic's canvas), in the picture's
  // own 1x pixel coordinates.
  std::function<void(QPainter&)> OnOverlay;
  int Border() const { return border_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (border_ > 0) {
      p.fillRect(rect(), QColor(255, 255, 255));
      p.fillRect(0, 0, width() - 1, 1, QColor(128, 128, 128));
      p.fillRect(0, 0, 1, height() - 1, QColor(128, 128, 128));
      p.fillRect(1, 1, width() - 3, 1, QColor(0, 0, 0));
      p.fillRect(1, 1, 1, height() - 3, QColor(0, 0, 0));
    }
    p.drawImage(border_, border_, image_());
    if (OnOverlay) {
      p.translate(border_, border_);
      OnOverlay(p);
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (OnPress)
      OnPress(e->button(), e->modifiers(), e->position().toPoint() - QPoint(border_, border_));
  }
  void mouseDoubleClickEvent(QMouseEvent*) override {
    if (OnDoubleClick) OnDoubleClick();
  }

 private:
  std::function<const QImage&()> image_;
  int border_;
};

namespace {

QFont GothicFont(int pixels, bool bold = false) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// The tutorial's longer texts do not fit LText at the window's font: they wrap, and take a
// smaller size of the same face until the whole text shows.
QFont FitText(const QString& text, QSize box) {
  for (int pixels = 12; pixels > 8; --pixels) {
    const QFont f = GothicFont(pixels);
    const QRect need =
        QFontMetrics(f).boundingRect(QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, text);
    if (need.height() <= box.height()) return f;
  }
  return GothicFont(8);
}

int VbButton(Qt::MouseButton b) { return b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 1; }
int VbShift(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

void Place(QWidget* w, const DuelControl& c) {
  w->setGeometry(QRect(c.Pos, c.Size));
  w->setVisible(c.Visible);
}

}  // namespace

KorvaneWindow::KorvaneWindow(Korvane& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
  setWindowTitle(QStringLiteral("Form1"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(GothicFont(12));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(pal);
  setAutoFillBackground(true);

  // The deck-selection list.
  picture1_ = new QWidget(this);
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
    cardPic_[k] = pic;
  }
  for (int j = 0; j < 14; ++j) {
    auto* label = new QLabel(picture1_);
    label->setFont(GothicFont(13));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: rgb(192,255,255); background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    cardLabel_[j] = label;
  }
  vscroll_ = new QScrollBar(Qt::Vertical, this);
  vscroll_->setRange(0, 28);
  vscroll_->setSingleStep(14);
  vscroll_->setPageStep(14);
  connect(vscroll_, &QScrollBar::valueChanged, this,
          [this](int v) { Forward([&] { logic_.VScroll1_Change(v); }); });

  // The board and the hands.
  field_ = new PictureView(
      this, [this]() -> const QImage& { return logic_.Canvas; }, 2);
  field_->OnPress = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
    Forward([&] { logic_.Field_MouseDown(VbButton(b), VbShift(m), p.x(), p.y()); });
  };
  thinking_ = new QLabel(field_);
  thinking_->setFont(GothicFont(21));
  thinking_->setStyleSheet(QStringLiteral("color: rgb(255,0,0); background: rgb(255,255,192);"));
  for (int i = 0; i < kHandSize; ++i) {
    eHand_[i] = new PictureView(
        this, [this, i]() -> const QImage& { return logic_.EHandPic[i]; }, 0);
    pHand_[i] = new PictureView(
        this, [this, i]() -> const QImage& { return logic_.PHandPic[i]; }, 0);
    pHand_[i]->OnPress = [this, i](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
      Forward([&] { logic_.PHand_Click(i); });
    };
  }

  // Buttons and texts.
  label1_ = new QLabel(this);
  label1_->setFont(GothicFont(19, true));
  command1_ = new QPushButton(this);
  command1_->setFont(GothicFont(16, true));
  connect(command1_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command1_Click(); }); });
  command2_ = new QPushButton(this);
  connect(command2_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command2_Click(); }); });
  command4_ = new QPushButton(this);
  command4_->setFont(GothicFont(16, true));
  connect(command4_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.Command4_Click(); }); });
  lText_ = new QLabel(this);
  lText_->setTextFormat(Qt::PlainText);
  lText_->setWordWrap(true);
  lText_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lText_->setAutoFillBackground(true);
  QPalette white = lText_->palette();
  white.setColor(QPalette::Window, Qt::white);
  lText_->setPalette(white);
  lButton_ = new QPushButton(this);
  lButton_->setFont(GothicFont(16));
  connect(lButton_, &QPushButton::clicked, this,
          [this] { Forward([&] { logic_.LButton_Click(); }); });

  // Both timers run from the opening; each tick decides for itself whether to act.
  timer1_ = new QTimer(this);
  timer1_->setTimerType(Qt::PreciseTimer);
  timer1_->setInterval(100);
  connect(timer1_, &QTimer::timeout, this, [this] { Forward([&] { logic_.Timer1_Timer(); }); });
  flipAnime_ = new QTimer(this);
  flipAnime_->setTimerType(Qt::PreciseTimer);
  flipAnime_->setInterval(logic_.FlipAnimeIntervalMs());
  connect(flipAnime_, &QTimer::timeout, this,
          [this] { Forward([&] { logic_.FlipAnime_Timer(); }); });

  // The controls' own names, so that tests and tools can find them.
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

  // Marks the view draws over the pictures: the enemy's last card, the keyboard's cursors.
  field_->OnOverlay = [this](QPainter& p) {
    PaintBoardMarks(p, logic_.EnemyMark, keys_.BoardCursor());
  };
  for (int k = 0; k < kCardKinds; ++k) {
    cardPic_[k]->OnOverlay = [this, k](QPainter& p) {
      if (keys_.ListCursor() == k) PaintListCursor(p);
    };
  }
  // Every key comes to the window itself, whatever was clicked last.
  for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);
  setFocusPolicy(Qt::StrongFocus);

  logic_.RequestClose = [this] { close(); };
  logic_.Changed = [this] { Mirror(); };
  Forward([&] { logic_.Form_Load(); });
  timer1_->start();
  flipAnime_->start();
}

KorvaneWindow::~KorvaneWindow() {
  logic_.RequestClose = nullptr;
  logic_.Changed = nullptr;
}

void KorvaneWindow::Mirror() {
  const DuelControls& c = logic_.Ctl;
  Place(picture1_, c.Picture1);
  for (int k = 0; k <= kCardBack; ++k) {
    Place(cardPic_[k], c.CardPic[k]);
    cardPic_[k]->update();
  }
  for (int j = 0; j < 14; ++j) {
    QString text = c.cardlabel[j].Caption;
    text.replace(QChar(13), QChar(10));
    cardLabel_[j]->setText(text);
    Place(cardLabel_[j], c.cardlabel[j]);
  }
  {
    const QSignalBlocker quiet(vscroll_);
    vscroll_->setValue(c.VScrollValue);
  }
  Place(vscroll_, c.VScroll1);
  Place(field_, c.Field);
  field_->update();
  thinking_->setText(c.Thinking.Caption);
  thinking_->setGeometry(
      QRect(c.Thinking.Pos + QPoint(field_->Border(), field_->Border()), c.Thinking.Size));
  thinking_->setVisible(c.Thinking.Visible);
  for (int i = 0; i < kHandSize; ++i) {
    Place(eHand_[i], c.EHand[i]);
    Place(pHand_[i], c.PHand[i]);
    eHand_[i]->update();
    pHand_[i]->update();
  }
  label1_->setText(c.Label1.Caption);
  Place(label1_, c.Label1);
  command1_->setText(c.Command1.Caption);
  Place(command1_, c.Command1);
  command2_->setText(c.Command2.Caption);
  Place(command2_, c.Command2);
  command4_->setText(c.Command4.Caption);
  Place(command4_, c.Command4);
  lText_->setText(c.LText.Caption);
  Place(lText_, c.LText);
  lText_->setFont(FitText(c.LText.Caption, lText_->contentsRect().size()));
  lButton_->setText(c.LButton.Caption);
  Place(lButton_, c.LButton);
  if (flipAnime_->interval() != logic_.FlipAnimeIntervalMs()) {
    flipAnime_->setInterval(logic_.FlipAnimeIntervalMs());
  }
}

void KorvaneWindow::Forward(const std::function<void()>& handler) {
  ++depth_;
  try {
    handler();
  } catch (const std::exception& e) {
    QMessageBox::critical(this, QStringLiteral("KORVANE"), QString::fromUtf8(e.what()));
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
