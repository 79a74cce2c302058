#include "adventure/adv_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <functional>

#include "adventure/story/player_name.h"
#include "state/language.h"
#include "ui/card_pictures.h"
#include "ui/controller.h"
#include "ui/fonts.h"
#include "ui/log_painter.h"
#include "ui/name_picker.h"
#include "ui/picture_view.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"
#include "ui/window_place.h"

namespace korvane {

namespace {

// A plain area of the window: it follows the pointer, and a double-click is two clicks to it.
PictureView* NewArea(QWidget* parent) {
  auto* area = new PictureView(parent);
  area->PressOnDoubleClick = true;
  area->TrackPointer();
  return area;
}

constexpr QSize kDesign(kAreaWidthTwips / kTwipsPerPixel, kAreaHeightTwips / kTwipsPerPixel);
constexpr int kFramePixels = kFrameTwips / kTwipsPerPixel;
// Where the sharp copies of the adventure's pictures lie in the data folder.
const QString kAdventureFolder = QStringLiteral("adventure");
const QSize kLogoSize(302, 189);  // Logo.png and Logo_en.png at 1x

// The switches' captions are the settings file's values; only what is shown is translated.
[[maybe_unused]] const char* const kSwitchCaptions[] = {
    QT_TRANSLATE_NOOP("Title", "音楽：ＯＮ"), QT_TRANSLATE_NOOP("Title", "音楽：ＯＦＦ"),
    QT_TRANSLATE_NOOP("Title", "効果音：ＯＮ"), QT_TRANSLATE_NOOP("Title", "効果音：ＯＦＦ")};

// A title caption as the edition shows it.
QString Shown(const QString& caption) {
  const QByteArray utf8 = caption.toUtf8();
  return QCoreApplication::translate("Title", utf8.constData());
}

// The portrait frame: a raised border with the portrait at 80, 80 twips, in 1x pixels.
void PaintFrame(QPainter& p, QSize size, const QImage* portrait) {
  p.fillRect(QRect(QPoint(0, 0), size), QColor(212, 208, 200));
  p.setPen(Qt::white);
  p.drawLine(0, 0, size.width() - 1, 0);
  p.drawLine(0, 0, 0, size.height() - 1);
  p.setPen(QColor(64, 64, 64));
  p.drawLine(size.width() - 1, 0, size.width() - 1, size.height() - 1);
  p.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
  if (portrait) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(kPortraitInFrame.Pixels()), *portrait);
  }
}

}  // namespace

ADVKorvaneWindow::ADVKorvaneWindow(ADVKorvane& logic, ViewZoom* zoom, const SharpArt* art,
                                   QWidget* parent)
    : QWidget(parent), logic_(logic) {
  // The logo is the only picture the title shows at once: it is read on another thread while
  // the controls are made, at the zoom the window is about to take.
  if (art && zoom) {
    const QSize screen = this->screen() ? this->screen()->geometry().size() : QSize(1920, 1080);
    art->ReadAhead(kAdventureFolder, LogoFile(), kLogoSize,
                   SharpArt::ArtScaleFor(zoom->ZoomOn(screen) * devicePixelRatioF()));
  }
  setWindowTitle(QCoreApplication::translate("Title", "ＫＯＲＶＡＮＥ"));
  // The controls lie on a stage of the window's size times the zoom.
  zoom_ = new ZoomStage(this, kDesign, QColor(236, 230, 210));
  zoom_->SetFont(zoom_->Stage(), GothicPoints(9));
  // After a duel the window comes back exactly where it was.
  new KeepPlace(this);
  BuildPicture();
  BuildTitle();
  zoom_->OnZoom = [this] {
    border_->setLineWidth(std::max(1, int(std::lround(2 * zoom_->Zoom()))));
    ShowLogo();
    KeepCentre();
    shownRevision_ = -1;
    Sync();
    for (QWidget* w : {static_cast<QWidget*>(picture1_), static_cast<QWidget*>(picture2_),
                       static_cast<QWidget*>(picture4_)})
      w->update();
  };
  zoomed_ = true;
  UseZoom(zoom, art);
  timer1_.setTimerType(Qt::PreciseTimer);
  connect(&timer1_, &QTimer::timeout, this, [this] { Tick(); });
  SetUpKeys();
  BuildAccess();
  Sync();
}

void ADVKorvaneWindow::BuildPicture() {
  // Picture1 fills the window; its border takes two pixels on each side.
  auto* border = new QFrame(zoom_->Stage());
  border_ = border;
  border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  border->setLineWidth(2);
  zoom_->Place(border, QRect(QPoint(0, 0), kDesign));
  picture1_ = NewArea(border);
  zoom_->Place(picture1_, QRect(2, 2, kPictureWidth, kPictureHeight));
  picture1_->OnPaint = [this](QPainter& p) { PaintPicture1(p); };
  picture1_->OnMove = [this] { Forward([this] { logic_.Picture1_MouseMove(); }); };
  picture1_->OnClick = [this] { Forward([this] { logic_.Picture1_Click(); }); };
  picture1_->setObjectName(QStringLiteral("Picture1"));

  for (int i = 0; i < 9; ++i) {
    auto* c = NewArea(picture1_);
    zoom_->Place(c, kClickerRects[i].Pixels());
    c->setCursor(Qt::PointingHandCursor);
    c->OnMove = [this, i] { Forward([this, i] { logic_.Clicker_MouseMove(i); }); };
    c->OnClick = [this, i] { Forward([this, i] { logic_.Clicker_Click(i); }); };
    c->OnPaint = [this, i, c](QPainter& p) { PaintHotSpot(p, i, c->size()); };
    c->setObjectName(QStringLiteral("Clicker%1").arg(i));
    clickers_[i] = c;
  }

  picture2_ = NewArea(picture1_);
  zoom_->Place(picture2_, QRect(0, 0, kFramePixels, kFramePixels));
  picture2_->OnPaint = [this](QPainter& p) {
    const QImage* pic = nullptr;
    QString name;
    for (int s = 0; s < 2; ++s) {
      if (logic_.PlayerPicVisible(s)) {
        pic = &logic_.Pictures().Player(s);
        name = QStringLiteral("PlayerPic%1.png").arg(s);
      }
    }
    PaintPortrait(p, pic, name);
  };
  picture2_->OnClick = [this] { Forward([this] { logic_.Picture2_Click(); }); };
  picture2_->setObjectName(QStringLiteral("Picture2"));

  picture4_ = NewArea(picture1_);
  zoom_->Place(picture4_, kPicture4Rect.Pixels());
  picture4_->OnPaint = [this](QPainter& p) {
    const int shown = logic_.ShownOppPic();
    PaintPortrait(p, shown >= 0 ? &logic_.Pictures().Opponent(shown) : nullptr,
                  QStringLiteral("OppPic%1.png").arg(shown));
  };
  picture4_->OnClick = [this] { Forward([this] { logic_.Picture4_Click(); }); };
  picture4_->setObjectName(QStringLiteral("Picture4"));

  QFont choiceFont(HandwritingFamily());
  choiceFont.setPointSizeF(kChoicePointSize);
  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton(picture1_);
    zoom_->Place(b, kChoiserRects[i].Pixels());
    zoom_->SetFont(b, choiceFont);
    b->setObjectName(QStringLiteral("Choiser%1").arg(i));
    connect(b, &QPushButton::clicked, this,
            [this, i] { Forward([this, i] { logic_.Choiser_Click(i); }); });
    choisers_[i] = b;
  }

  // Not one of the window's own controls: shown only while the map waits.
  albumButton_ = new QPushButton(picture1_);
  zoom_->Place(albumButton_, kAlbumButton);
  zoom_->SetFont(albumButton_, GothicPoints(8));
  albumButton_->setObjectName(QStringLiteral("AlbumButton"));
  albumButton_->setFocusPolicy(Qt::NoFocus);
  albumButton_->hide();
  connect(albumButton_, &QPushButton::clicked, this, [this] { OpenAlbum(); });
}

void ADVKorvaneWindow::OpenAlbum() {
  if (!OnAlbum || album_ || !logic_.OnTownMap()) return;
  album_ = OnAlbum(this, logic_.State(), Zoom());
}

void ADVKorvaneWindow::BuildTitle() {
  QWidget* stage = zoom_->Stage();
  picture5_ = new QLabel(stage);
  zoom_->Place(picture5_, kPicture5Rect.Pixels());
  ShowLogo();
  picture5_->setObjectName(QStringLiteral("Picture5"));

  const std::array<TwipRect, 5> rects{kCommand1Rect, kCommand2Rect, kCommand3Rect, kCommand4Rect,
                                      kCommand5Rect};
  const std::array<std::function<void()>, 5> handlers{
      [this] { logic_.Command1_Click(); }, [this] { logic_.Command2_Click(); },
      [this] { logic_.Command3_Click(); }, [this] { logic_.Command4_Click(); },
      [this] { logic_.Command5_Click(); }};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QPushButton(stage);
    zoom_->Place(b, rects[i].Pixels());
    zoom_->SetFont(b, GothicPoints(i < 3 ? kTitleButtonPointSize : 9, i < 3));
    b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, [this, h = handlers[i]] { Forward(h); });
    commands_[i] = b;
  }

  frame1_ = new QGroupBox(stage);
  zoom_->Place(frame1_, kFrame1Rect.Pixels());
  frame1_->setObjectName(QStringLiteral("Frame1"));
  label1_ = new QLabel(frame1_);
  zoom_->Place(label1_, kLabel1Rect.Pixels());
  label1_->setObjectName(QStringLiteral("Label1"));
  text1_ = new QLineEdit(frame1_);
  zoom_->Place(text1_, kText1Rect.Pixels());
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setMaxLength(story::NameLengthLimit());  // what every message showing the name holds
  connect(text1_, &QLineEdit::textChanged, this, [this](const QString& t) { logic_.SetText1(t); });
  // Enter in the name box starts, as the start button does.
  connect(text1_, &QLineEdit::returnPressed, this,
          [this] { Forward([this] { logic_.Command2_Click(); }); });
  label2_ = new QLabel(frame1_);
  zoom_->Place(label2_, kLabel2Rect.Pixels());
  label2_->setObjectName(QStringLiteral("Label2"));
  combo1_ = new QComboBox(frame1_);
  zoom_->Place(combo1_, kCombo1Rect.Pixels());
  // The items show the edition's words; the logic is given the Japanese ones it compares with.
  for (const char* sex : {"男", "女"}) combo1_->addItem(QString(), QString::fromUtf8(sex));
  combo1_->setObjectName(QStringLiteral("Combo1"));
  connect(combo1_, &QComboBox::currentIndexChanged, this,
          [this](int) { logic_.SetCombo1(combo1_->currentData().toString()); });
  // The switch of editions, small in the top right corner, away from the described controls.
  language_ = new QPushButton(stage);
  zoom_->Place(language_, kLanguageRect);
  zoom_->SetFont(language_, GothicPoints(9));
  language_->setObjectName(QStringLiteral("Language"));
  language_->setFocusPolicy(Qt::NoFocus);  // F3 is its key; the title's Tab chain stays as it was
  language_->setVisible(false);
  connect(language_, &QPushButton::clicked, this, [this] { SwitchLanguage(); });
  // Practice duels, beside it: F4 is its key.
  practice_ = new QPushButton(stage);
  zoom_->Place(practice_, kPracticeRect);
  zoom_->SetFont(practice_, GothicPoints(9));
  practice_->setObjectName(QStringLiteral("Practice"));
  practice_->setFocusPolicy(Qt::NoFocus);
  practice_->setVisible(false);
  connect(practice_, &QPushButton::clicked, this, [this] {
    if (OnPractice && logic_.Picture5().visible) OnPractice(this);
  });
  // The puzzles, beside that: F5.
  puzzles_ = new QPushButton(stage);
  zoom_->Place(puzzles_, kPuzzlesRect);
  zoom_->SetFont(puzzles_, GothicPoints(9));
  puzzles_->setObjectName(QStringLiteral("Puzzles"));
  puzzles_->setFocusPolicy(Qt::NoFocus);
  puzzles_->setVisible(false);
  connect(puzzles_, &QPushButton::clicked, this, [this] {
    if (OnPuzzles && logic_.Picture5().visible) OnPuzzles(this);
  });
  Retranslate();
  // The title layer lies over the picture; the switches stay on top in the player's house.
  commands_[3]->raise();
  commands_[4]->raise();
}

// The window's own texts in the edition's language: at the start, and whenever the title's
// switch changes it. (The logic's captions are translated as Sync shows them.)
void ADVKorvaneWindow::Retranslate() {
  ShowLogo();
  setWindowTitle(QCoreApplication::translate("Title", "ＫＯＲＶＡＮＥ"));
  frame1_->setTitle(QCoreApplication::translate("Title", "自分のプロフィール"));
  label1_->setText(QCoreApplication::translate("Title", "名前："));
  // The name box covers the label's right part: "Name:" takes a point and a half less to stay
  // whole.
  zoom_->SetFont(label1_, GothicPoints(EnglishEdition() ? 7.5 : 9));
  label2_->setText(QCoreApplication::translate("Title", "性別："));
  combo1_->setItemText(0, QCoreApplication::translate("Title", "男"));
  combo1_->setItemText(1, QCoreApplication::translate("Title", "女"));
  // The switch names the edition it leads to, in that edition's own words.
  language_->setText(EnglishEdition() ? QStringLiteral("日本語") : QStringLiteral("English"));
  practice_->setText(QCoreApplication::translate("Practice", "練習試合"));
  practice_->setToolTip(QCoreApplication::translate("Practice", "物語の外で練習する（F4 キー）"));
  puzzles_->setText(QCoreApplication::translate("Puzzle", "詰めKORVANE"));
  puzzles_->setToolTip(QCoreApplication::translate("Puzzle", "勝てる一手を探す問題（F5 キー）"));
  albumButton_->setText(QCoreApplication::translate("Album", "アルバム"));
  albumButton_->setToolTip(
      QCoreApplication::translate("Album", "カードアルバムと対戦成績（A キー）"));
}

void ADVKorvaneWindow::OpenNamePicker() {
  if (picker_ || !frame1_->isVisible()) return;
  auto* picker = new NamePicker(text1_, this);
  picker->setObjectName(QStringLiteral("NamePicker"));
  picker->setAttribute(Qt::WA_DeleteOnClose);
  // The keyboard comes back to the name box: Enter (a controller's A) starts the game then.
  picker->OnDone = [this, picker] {
    picker->close();
    activateWindow();
    text1_->setFocus();
  };
  picker_ = picker;
  picker->show();
  picker->activateWindow();
}

void ADVKorvaneWindow::SwitchLanguage() {
  if (!ChooseLanguage || !logic_.Picture5().visible || logic_.Ended()) return;
  if (!ChooseLanguage(EnglishEdition() ? QStringLiteral("ja") : QStringLiteral("en"))) return;
  Retranslate();
  Sync();
}

void ADVKorvaneWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    Sync();
  }
  QWidget::changeEvent(event);
}

void ADVKorvaneWindow::Sync() {
  if (logic_.WindowVisible() != isVisible() && !logic_.Ended()) {
    setVisible(logic_.WindowVisible());
  }
  picture5_->setVisible(logic_.Picture5().visible);
  for (int i = 0; i < 5; ++i) {
    const ControlState& c = logic_.Command(i + 1);
    const QString shown = Shown(c.caption);
    if (commands_[i]->text() != shown) commands_[i]->setText(shown);
    commands_[i]->setVisible(c.visible);
  }
  language_->setVisible(ChooseLanguage && logic_.Picture5().visible);
  practice_->setVisible(OnPractice && logic_.Picture5().visible && !logic_.Frame1Visible());
  puzzles_->setVisible(OnPuzzles && logic_.Picture5().visible && !logic_.Frame1Visible());
  if (logic_.Frame1Visible() && !frame1_->isVisible()) {
    frame1_->setVisible(true);
    text1_->setFocus();  // the name is typed at once
    // With a controller and no keyboard in sight, the letters come from the on-screen picker.
    const Controller* pad = Controller::Instance();
    if (pad && pad->Connected() > 0) OpenNamePicker();
  }
  frame1_->setVisible(logic_.Frame1Visible());
  picture1_->parentWidget()->setVisible(logic_.Picture1Visible());
  for (int i = 0; i < 9; ++i) clickers_[i]->setVisible(logic_.ClickerVisible(i));
  albumButton_->setVisible(OnAlbum && logic_.OnTownMap());
  for (int i = 0; i < 2; ++i) {
    const ControlState& c = logic_.Choiser(i);
    if (choisers_[i]->text() != c.caption) choisers_[i]->setText(c.caption);
    choisers_[i]->setVisible(c.visible);
  }
  picture2_->setGeometry(
      zoom_->Rect(QRect(kPlayerFrameLeft / kTwipsPerPixel, logic_.Picture2Top() / kTwipsPerPixel,
                        kFramePixels, kFramePixels)));
  picture2_->setVisible(logic_.Picture2Visible());
  picture4_->setVisible(logic_.Picture4Visible());
  SyncChoiceSelection();
  SyncMapHelp();
  SyncAccess();
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
    // While a message types, only its box changes.
    const PaintLog& log = logic_.Picture1Log();
    if (log.Revision() == shownSteps_ && !log.Lines().clip.isEmpty()) {
      picture1_->update(zoom_->Rect(log.Lines().clip).adjusted(-2, -2, 2, 2));
    } else {
      shownSteps_ = log.Revision();
      picture1_->update();
    }
  }
}

void ADVKorvaneWindow::UseZoom(ViewZoom* zoom, const SharpArt* art) {
  sharpArt_ = art;
  sharp_ = QImage();
  if (zoomSource_) disconnect(zoomSource_, nullptr, this, nullptr);
  zoomSource_ = zoom;
  // Connected before the stage, so that it runs before the window takes its new size: where the
  // window stands then is where it stays centred. A full screen keeps the place from before it.
  if (zoom) {
    connect(zoom, &ViewZoom::Changed, this, [this] {
      if (isVisible() && !shownFull_) centre_ = geometry().center();
    });
  }
  zoom_->Attach(zoom);
}

void ADVKorvaneWindow::KeepCentre() {
  // The zoom's own word: the window system may take a moment to tell the window's new state.
  shownFull_ = zoomSource_ && zoomSource_->FullScreen();
  if (!isVisible() || shownFull_) return;
  const QScreen* screen = this->screen();
  const QRect room = screen ? screen->availableGeometry() : QRect();
  // Never placed yet (the game started in full screen): the middle of the screen.
  const QPoint centre = centre_ ? *centre_ : room.isValid() ? room.center() : geometry().center();
  const QRect at = CentredOver(size(), QRect(centre, QSize(1, 1)), room);
  auto place = [this, at] {
    if (shownFull_ || !isVisible()) return;
    if (at.topLeft() != geometry().topLeft()) move(pos() + at.topLeft() - geometry().topLeft());
  };
  place();
  // A window coming out of a full screen gets its frame back from the window system a moment
  // later, which moves it again: put right once that has happened.
  QTimer::singleShot(0, this, place);
  QTimer::singleShot(150, this, place);
  centre_ = at.center();
}

double ADVKorvaneWindow::Zoom() const { return zoom_->Zoom(); }

void ADVKorvaneWindow::PaintPicture1(QPainter& p) {
  const double z = zoom_->Zoom();
  const double ratio = picture1_->devicePixelRatioF();
  const double scale = z * ratio;
  const PaintLog& log = logic_.Picture1Log();
  // The picture's steps drawn again at the zoom (the close-ups from their own sharp pictures, the
  // message box as a clean light box), once per change, at the screen's own pixels; the typed
  // lines go on top at every paint. Without sharp art the 1x pictures serve.
  if (log.Complete() && log.Base() == ArtKind::Town) {
    if (sharp_.isNull() || log.Revision() != sharpSteps_ || scale != sharpScale_) {
      static const CardPictures noCards;
      static const SharpArt noSharpArt(noCards, QString());
      const TownArt town{&logic_.Pictures().Town(), &logic_.Pictures().LightTile()};
      sharp_ = PaintLogAt(log, {kPictureWidth, kPictureHeight}, sharpArt_ ? *sharpArt_ : noSharpArt,
                          scale, town);
      sharp_.setDevicePixelRatio(ratio);
      sharpSteps_ = log.Revision();
      sharpScale_ = scale;
    }
    p.drawImage(QPoint(0, 0), sharp_);
    p.scale(z, z);
    PaintLines(p, log.Lines());
  } else if (scale == 1) {
    p.drawImage(0, 0, logic_.Picture1());
  } else {
    // A picture the log cannot name: the logic's own, enlarged.
    p.drawImage(QRectF(0, 0, kPictureWidth * z, kPictureHeight * z), logic_.Picture1());
    p.scale(z, z);
  }
  PaintFirstTimeLine(p);
}

void ADVKorvaneWindow::PaintPortrait(QPainter& p, const QImage* portrait, const QString& name) {
  const double z = zoom_->Zoom();
  const double scale = z * devicePixelRatioF();
  if (portrait && scale != 1) {
    // Made once at the screen's own pixels, from the sharp portrait when there is one.
    const QSize device(int(std::lround(100 * scale)), int(std::lround(100 * scale)));
    PortraitCache& cache = portraits_[name];
    if (cache.image.size() != device || cache.from != portrait) {
      const QImage* sharp = sharpArt_ ? sharpArt_->File(kAdventureFolder, name, {100, 100},
                                                        SharpArt::ArtScaleFor(scale))
                                      : nullptr;
      cache.image = (sharp ? *sharp : *portrait)
                        .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      cache.from = portrait;
    }
    portrait = &cache.image;
  }
  p.scale(z, z);
  PaintFrame(p, QSize(kFramePixels, kFramePixels), portrait);
}

// The English edition's logo says its line under the title in English.
QString ADVKorvaneWindow::LogoFile() {
  return EnglishEdition() ? QStringLiteral("Logo_en.png") : QStringLiteral("Logo.png");
}

void ADVKorvaneWindow::ShowLogo() {
  // Read and scaled once, at the zoom the window opens at, not first at 1x.
  if (!zoomed_) return;
  const double ratio = devicePixelRatioF();
  const int k = SharpArt::ArtScaleFor(zoom_->Zoom() * ratio);
  const bool english = EnglishEdition();
  const QImage* sharp =
      sharpArt_ ? sharpArt_->File(kAdventureFolder, LogoFile(), kLogoSize, k) : nullptr;
  const QImage& logo =
      sharp ? *sharp : (english ? logic_.Pictures().LogoEnglish() : logic_.Pictures().Logo());
  QPixmap pixmap = QPixmap::fromImage(
      logo.scaled(picture5_->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  picture5_->setPixmap(pixmap);
}

void ADVKorvaneWindow::Forward(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    timer1_.stop();
    QtPlatform::ShowError(this, QString::fromUtf8(e.what()));
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
