#include "adventure/adv_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <functional>

#include "adventure/story/player_name.h"

namespace korvane {

// A plain area that reports pointer moves and left clicks, and paints what it is told to.
class ClickArea : public QWidget {
 public:
  explicit ClickArea(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }
  std::function<void()> onMove;
  std::function<void()> onClick;
  std::function<void(QPainter&)> onPaint;

 protected:
  void mouseMoveEvent(QMouseEvent* e) override {
    if (onMove) onMove();
    e->accept();
  }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }
  void mouseReleaseEvent(QMouseEvent* e) override {
    // A click is a press and a release over the same control.
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) {
      onClick();
    }
    e->accept();
  }
  void paintEvent(QPaintEvent*) override {
    if (!onPaint) return;
    QPainter p(this);
    onPaint(p);
  }
};

namespace {

QFont Gothic(double points, bool bold = false) {
  QFont f(GothicFamily());
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void Place(QWidget* w, const TwipRect& r) { w->setGeometry(r.Pixels()); }

// The portrait frame: a raised border with the portrait at 80, 80 twips.
void PaintFrame(QPainter& p, QSize size, const QImage* portrait) {
  p.fillRect(QRect(QPoint(0, 0), size), QColor(212, 208, 200));
  p.setPen(Qt::white);
  p.drawLine(0, 0, size.width() - 1, 0);
  p.drawLine(0, 0, 0, size.height() - 1);
  p.setPen(QColor(64, 64, 64));
  p.drawLine(size.width() - 1, 0, size.width() - 1, size.height() - 1);
  p.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
  if (portrait) p.drawImage(kPortraitInFrame.Pixels(), *portrait);
}

}  // namespace

ADVKorvaneWindow::ADVKorvaneWindow(ADVKorvane& logic, QWidget* parent)
    : QWidget(parent), logic_(logic) {
  setWindowTitle(QStringLiteral("ＫＯＲＶＡＮＥ"));
  setFixedSize(kAreaWidthTwips / kTwipsPerPixel, kAreaHeightTwips / kTwipsPerPixel);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(236, 230, 210));
  setPalette(pal);
  setFont(Gothic(9));
  BuildPicture();
  BuildTitle();
  timer1_.setTimerType(Qt::PreciseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] { Tick(); });
  SetUpKeys();
  Sync();
}

void ADVKorvaneWindow::BuildPicture() {
  // Picture1 fills the window; its border takes two pixels on each side.
  auto* border = new QFrame(this);
  border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  border->setLineWidth(2);
  border->setGeometry(0, 0, width(), height());
  picture1_ = new ClickArea(border);
  picture1_->setGeometry(2, 2, kPictureWidth, kPictureHeight);
  picture1_->onPaint = [this](QPainter& p) { p.drawImage(0, 0, logic_.Picture1()); };
  picture1_->onMove = [this] { Forward([this] { logic_.Picture1_MouseMove(); }); };
  picture1_->onClick = [this] { Forward([this] { logic_.Picture1_Click(); }); };
  picture1_->setObjectName(QStringLiteral("Picture1"));

  for (int i = 0; i < 9; ++i) {
    auto* c = new ClickArea(picture1_);
    Place(c, kClickerRects[i]);
    c->setCursor(Qt::PointingHandCursor);
    c->onMove = [this, i] { Forward([this, i] { logic_.Clicker_MouseMove(i); }); };
    c->onClick = [this, i] { Forward([this, i] { logic_.Clicker_Click(i); }); };
    c->onPaint = [this, i, c](QPainter& p) { PaintMapCursor(p, i, c->size()); };
    c->setObjectName(QStringLiteral("Clicker%1").arg(i));
    clickers_[i] = c;
  }

  picture2_ = new ClickArea(picture1_);
  picture2_->resize(kFrameTwips / kTwipsPerPixel, kFrameTwips / kTwipsPerPixel);
  picture2_->onPaint = [this](QPainter& p) {
    const QImage* pic = nullptr;
    for (int s = 0; s < 2; ++s) {
      if (logic_.PlayerPicVisible(s)) pic = &logic_.Pictures().player[s];
    }
    PaintFrame(p, picture2_->size(), pic);
  };
  picture2_->onClick = [this] { Forward([this] { logic_.Picture2_Click(); }); };
  picture2_->setObjectName(QStringLiteral("Picture2"));

  picture4_ = new ClickArea(picture1_);
  Place(picture4_, kPicture4Rect);
  picture4_->onPaint = [this](QPainter& p) {
    const int shown = logic_.ShownOppPic();
    PaintFrame(p, picture4_->size(), shown >= 0 ? &logic_.Pictures().opponent[shown] : nullptr);
  };
  picture4_->onClick = [this] { Forward([this] { logic_.Picture4_Click(); }); };
  picture4_->setObjectName(QStringLiteral("Picture4"));

  QFont choiceFont(HandwritingFamily());
  choiceFont.setPointSizeF(kChoicePointSize);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton(picture1_);
    Place(b, kChoiserRects[i]);
    b->setFont(choiceFont);
    b->setObjectName(QStringLiteral("Choiser%1").arg(i));
    connect(b, &QPushButton::clicked, this,
            [this, i] { Forward([this, i] { logic_.Choiser_Click(i); }); });
    choisers_[i] = b;
  }
}

void ADVKorvaneWindow::BuildTitle() {
  picture5_ = new QLabel(this);
  Place(picture5_, kPicture5Rect);
  picture5_->setPixmap(QPixmap::fromImage(logic_.Pictures().logo.scaled(
      picture5_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  picture5_->setObjectName(QStringLiteral("Picture5"));

  const std::array<TwipRect, 5> rects{kCommand1Rect, kCommand2Rect, kCommand3Rect, kCommand4Rect,
                                      kCommand5Rect};
  const std::array<std::function<void()>, 5> handlers{
      [this] { logic_.Command1_Click(); }, [this] { logic_.Command2_Click(); },
      [this] { logic_.Command3_Click(); }, [this] { logic_.Command4_Click(); },
      [this] { logic_.Command5_Click(); }};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QPushButton(this);
    Place(b, rects[i]);
    b->setFont(Gothic(i < 3 ? kTitleButtonPointSize : 9, i < 3));
    b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, h = handlers[i]] { Forward(h); });
    commands_[i] = b;
  }

  frame1_ = new QGroupBox(QStringLiteral("自分のプロフィール"), this);
  Place(frame1_, kFrame1Rect);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  auto* label1 = new QLabel(QStringLiteral("名前："), frame1_);
  Place(label1, kLabel1Rect);
  text1_ = new QLineEdit(frame1_);
  Place(text1_, kText1Rect);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setMaxLength(story::NameLengthLimit());  // what every message showing the name holds
  connect(text1_, &QLineEdit::textChanged, this, [this](const QString& t) { logic_.SetText1(t); });
  // Enter in the name box starts, as the start button does.
  connect(text1_, &QLineEdit::returnPressed, this,
          [this] { Forward([this] { logic_.Command2_Click(); }); });
  auto* label2 = new QLabel(QStringLiteral("性別："), frame1_);
  Place(label2, kLabel2Rect);
  combo1_ = new QComboBox(frame1_);
  Place(combo1_, kCombo1Rect);
  combo1_->addItems({QStringLiteral("男"), QStringLiteral("女")});
  combo1_->setObjectName(QStringLiteral("Combo1"));
  connect(combo1_, &QComboBox::currentTextChanged, this,
          [this](const QString& t) { logic_.SetCombo1(t); });
  // The title layer lies over the picture; the switches stay on top in the player's house.
  commands_[3]->raise();
  commands_[4]->raise();
}

void ADVKorvaneWindow::Sync() {
  if (logic_.WindowVisible() != isVisible() && !logic_.Ended()) {
    setVisible(logic_.WindowVisible());
  }
  picture5_->setVisible(logic_.Picture5().visible);
  for (int i = 0; i < 5; ++i) {
    const ControlState& c = logic_.Command(i + 1);
    if (commands_[i]->text() != c.caption) commands_[i]->setText(c.caption);
    commands_[i]->setVisible(c.visible);
  }
  if (logic_.Frame1Visible() && !frame1_->isVisible()) {
    frame1_->setVisible(true);
    text1_->setFocus();  // the name is typed at once
  }
  frame1_->setVisible(logic_.Frame1Visible());
  picture1_->parentWidget()->setVisible(logic_.Picture1Visible());
  for (int i = 0; i < 9; ++i) clickers_[i]->setVisible(logic_.ClickerVisible(i));
  for (int i = 0; i < 2; ++i) {
    const ControlState& c = logic_.Choiser(i);
    if (choisers_[i]->text() != c.caption) choisers_[i]->setText(c.caption);
    choisers_[i]->setVisible(c.visible);
  }
  picture2_->move(kPlayerFrameLeft / kTwipsPerPixel, logic_.Picture2Top() / kTwipsPerPixel);
  picture2_->setVisible(logic_.Picture2Visible());
  picture4_->setVisible(logic_.Picture4Visible());
  // Repaint only what changed: this runs on every 10-ms tick.
  int playerPic = -1;
  for (int sx = 0; sx < 2; ++sx) {
    if (logic_.PlayerPicVisible(sx)) playerPic = sx;
  }
  const std::array<int, 2> portraits{playerPic, logic_.ShownOppPic()};
  if (portraits != shownPortraits_) {
    shownPortraits_ = portraits;
    picture2_->update();
    picture4_->update();
  }
  if (logic_.PictureRevision() != shownRevision_) {
    shownRevision_ = logic_.PictureRevision();
    picture1_->update();
  }
}

void ADVKorvaneWindow::Forward(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    timer1_.stop();
    QMessageBox::critical(this, QStringLiteral("KORVANE"), QString::fromUtf8(e.what()));
    QCoreApplication::exit(3);
    return;
  }
  Sync();
}

void ADVKorvaneWindow::StartTimer() {
  if (logic_.Timer1Interval() > 0) timer1_.start(logic_.Timer1Interval());
}

void ADVKorvaneWindow::Tick() {
  Forward([this] { logic_.Timer1_Timer(); });
  const int interval = logic_.Timer1Interval();
  if (interval <= 0) {
    timer1_.stop();
  } else if (interval != timer1_.interval()) {
    timer1_.setInterval(interval);
  }
}

void ADVKorvaneWindow::closeEvent(QCloseEvent* event) {
  if (logic_.Ended() || logic_.Form_QueryUnload()) {
    timer1_.stop();
    event->accept();
    if (OnClosed) OnClosed();
  } else {
    event->ignore();
  }
}

}  // namespace korvane
