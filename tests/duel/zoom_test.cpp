// The duel window at a zoom: the paint logs paint the logic's canvases again pixel for pixel, the
// zoomed board is painted from the sharp art, clicks on the real widgets reach the same squares
// and controls as at 1x, full screen centres the window on black, message boxes follow the zoom,
// and the zoom is remembered.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "duel/korvane_window.h"
#include "state/preferences.h"
#include "tests/duel/duel_test_support.h"
#include "ui/log_painter.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"
#include "ui/window_place.h"

namespace korvane::testing {
namespace {

const bool kArt = QDir(KORVANE_DATA_DIR "/cards").exists();

class ZoomTest : public DuelTest {
 protected:
  ZoomTest() {
    if (kArt) pictures = CardPictures(KORVANE_DATA_DIR, &cards);
    Give(0, {{0, 2}, {1, 3}, {2, 2}, {5, 1}, {7, 2}, {12, 1}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
    game.OpponentName = kKazami;
  }
  ~ZoomTest() override { delete w; }
  // The window at `zoom` (0: full screen); it opens (running Form_Load) the first time.
  void OpenAt(double zoom) {
    if (zoom > 0) view.SetZoom(zoom);
    view.SetFullScreen(zoom == 0);
    if (!w) {
      w = new KorvaneWindow(k);
      w->UseZoom(&view, &art);
      w->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    const QSize want = zoom == 0
                           ? w->screen()->geometry().size()
                           : QSize(int(std::lround(587 * zoom)), int(std::lround(406 * zoom)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->size() == want; })) << zoom;
  }
  QWidget* Widget(const QString& name) { return w->findChild<QWidget*>(name); }
  // The logs, painted again at 1x, give the logic's canvases.
  void ExpectLogsPaintTheCanvases(const char* when) {
    ++checks;
    ASSERT_EQ(PaintLogExact(k.CanvasLog, k.Canvas.size(), pictures), k.Canvas) << when;
    for (int i = 0; i < kHandSize; ++i) {
      ASSERT_EQ(PaintLogExact(k.PHandLog[i], {81, 81}, pictures), k.PHandPic[i]) << when << i;
      ASSERT_EQ(PaintLogExact(k.EHandLog[i], {81, 81}, pictures), k.EHandPic[i]) << when << i;
    }
  }

  ViewZoom view;
  SharpArt art{pictures, kArt ? QStringLiteral(KORVANE_DATA_DIR) : QString()};
  QPointer<KorvaneWindow> w;
  int checks = 0;
};

TEST_F(ZoomTest, TheLogsPaintTheCanvasesAgainThroughAWholeDuel) {
  Open(kKazami);
  k.CardPic_MouseDown(5);  // a preview in the first slot
  ExpectLogsPaintTheCanvases("preview");
  // The result's big card on the board, at every message.
  platform.whileShowing = [this] { ExpectLogsPaintTheCanvases("message"); };
  ASSERT_NO_FATAL_FAILURE(StartDuel({0, 1, 1, 2, 7}));
  for (int ticks = 0; k.Duel.Turn != TurnState::Nobody && ticks < 500; ++ticks) {
    const bool handLeft = std::count(k.Duel.PlayerPlayed.begin(), k.Duel.PlayerPlayed.end(), false);
    if (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning() && handLeft) {
      PlayerMove();
      ExpectLogsPaintTheCanvases("player's move");
    }
    for (int i = 0; i < 10; ++i) {
      k.FlipAnime_Timer();
      ExpectLogsPaintTheCanvases("flip");
    }
    k.Timer1_Timer();
    ExpectLogsPaintTheCanvases("enemy's move");
  }
  EXPECT_EQ(DuelsPlayed(), 1);
  EXPECT_GT(checks, 50);
  EXPECT_TRUE(k.CanvasLog.Complete());
}

TEST_F(ZoomTest, TheZoomedBoardIsPaintedFromTheSharpArt) {
  if (!kArt) GTEST_SKIP() << "no generated art";
  Open(kKazami);
  ASSERT_NO_FATAL_FAILURE(StartDuel({0, 1, 1, 2, 7}));
  k.Duel.Turn = TurnState::Player;
  Pick(4);
  Place(3, 4);
  ASSERT_EQ(k.Duel.BoardCard[3][4], 5);
  const int id = k.Duel.PlayerHand[4];
  // Inside the card, the board at 2x and 3x shows the sharp face pixel for pixel; below 1.5 the
  // 1x face is enlarged.
  for (int scale : {2, 3}) {
    const QImage board = PaintLogAt(k.CanvasLog, k.Canvas.size(), art, scale);
    ASSERT_EQ(board.size(), QSize(402, 402) * scale);
    const QImage face = art.Get({ArtKind::Card, id}, scale);
    ASSERT_EQ(face.size(), QSize(80, 80) * scale);
    const QRect inside(16 * scale, 16 * scale, 48 * scale, 48 * scale);
    EXPECT_EQ(board.copy(inside.translated(160 * scale, 240 * scale)), face.copy(inside)) << scale;
    // An empty square in the player's field: the board's stone ORed with pure blue.
    const QRgb stone = art.Get({ArtKind::Board, 0}, scale).pixel(200 * scale, 340 * scale);
    EXPECT_EQ(board.pixel(200 * scale, 340 * scale), stone | qRgb(0, 0, 255)) << scale;
  }
  EXPECT_EQ(&art.Get({ArtKind::Card, id}, SharpArt::ArtScaleFor(1.25)), &pictures.Card(id));
}

TEST_F(ZoomTest, ClicksAtAZoomReachTheSameSquaresAsAt1x) {
  // Points of the board picture in 1x pixels (border included): square centres, and the last
  // and first pixel on each side of the lines between squares.
  std::vector<QPoint> points;
  for (int c = 1; c <= 5; ++c)
    for (int r = 1; r <= 5; ++r) points.push_back(QPoint(42 + 81 * (c - 1), 42 + 81 * (r - 1)));
  for (int edge : {83, 84, 164, 165, 245, 246, 326, 327}) {
    points.push_back(QPoint(edge, 204));
    points.push_back(QPoint(204, edge));
  }
  auto squareAfterClick = [this](QPoint at) {
    k.SetUpDuel();
    k.Duel.Turn = TurnState::Player;
    Pick(0);
    QTest::mouseClick(Widget("Field"), Qt::LeftButton, {}, at);
    // The one card on the board (face down at once on the enemy's home).
    for (int c = 1; c <= 5; ++c)
      for (int r = 1; r <= 5; ++r)
        if (k.Duel.BoardCard[c][r] != kEmptySquare && k.Duel.BoardCard[c][r] != kBlockedSquare)
          return QPoint(c, r);
    return QPoint();
  };
  OpenAt(1);
  ASSERT_NO_FATAL_FAILURE(StartDuel({0, 1, 1, 2, 7}));
  std::vector<QPoint> at1x;
  for (QPoint p : points) at1x.push_back(squareAfterClick(p));
  EXPECT_EQ(std::count(at1x.begin(), at1x.end(), QPoint()), 12);  // the blocked squares
  for (double zoom : {2.0, 1.75, 0.0}) {
    OpenAt(zoom);
    const double z = w->Zoom();
    for (size_t i = 0; i < points.size(); ++i) {
      // The first and the last device pixel of the zoomed 1x pixel.
      const QPoint first(int(std::ceil(points[i].x() * z)), int(std::ceil(points[i].y() * z)));
      const QPoint last(int(std::ceil((points[i].x() + 1) * z)) - 1,
                        int(std::ceil((points[i].y() + 1) * z)) - 1);
      EXPECT_EQ(squareAfterClick(first), at1x[i]) << "zoom " << z << " at " << i;
      EXPECT_EQ(squareAfterClick(last), at1x[i]) << "zoom " << z << " at " << i;
    }
  }
}

TEST_F(ZoomTest, ClicksAtAZoomReachTheSameControls) {
  OpenAt(2);
  // What lies under the middle of each control, zoomed.
  auto under = [this](const DuelControl& c, QPoint container = {}) {
    const QPoint middle = container + c.Pos + QPoint(c.Size.width() / 2, c.Size.height() / 2);
    QWidget* hit = w->childAt(middle * 2);
    return hit ? hit->objectName() : QString();
  };
  EXPECT_EQ(under(k.Ctl.CardPic[1]), "CardPic1");
  EXPECT_EQ(under(k.Ctl.CardPic[12]), "CardPic12");
  EXPECT_EQ(under(k.Ctl.VScroll1), "VScroll1");
  // Taking cards with double-clicks on the zoomed list, then the buttons.
  for (int id : {0, 1, 1, 2, 7}) {
    QWidget* card = Widget(QStringLiteral("CardPic%1").arg(id));
    EXPECT_EQ(card->size(), QSize(160, 160));
    QTest::mouseDClick(card, Qt::LeftButton, {}, QPoint(150, 150));
  }
  ASSERT_EQ(k.Duel.PlayerHand, (std::array<int16_t, 5>{0, 1, 1, 2, 7}));
  EXPECT_EQ(under(k.Ctl.Command1), "Command1");
  EXPECT_EQ(under(k.Ctl.Command2), "Command2");
  for (int i = 0; i < kHandSize; ++i)
    EXPECT_EQ(under(k.Ctl.PHand[i]), QStringLiteral("PHand%1").arg(i));
  QTest::mouseClick(Widget("Command1"), Qt::LeftButton);
  ASSERT_TRUE(k.Ctl.Field.Visible);
  EXPECT_EQ(under(k.Ctl.Field), "Field");
  for (int i = 0; i < kHandSize; ++i) {
    EXPECT_EQ(under(k.Ctl.EHand[i]), QStringLiteral("EHand%1").arg(i));
    EXPECT_EQ(under(k.Ctl.PHand[i]), QStringLiteral("PHand%1").arg(i));
  }
  k.Duel.Turn = TurnState::Player;
  QTest::mouseClick(Widget("PHand3"), Qt::LeftButton, {}, QPoint(161, 161));
  EXPECT_EQ(k.Duel.SelectedSlot, 3);
  // The texts are lettered at the zoom.
  EXPECT_EQ(Widget("Command1")->font().pixelSize(), 32);
  EXPECT_EQ(Widget("Thinking")->font().pixelSize(), 42);
  EXPECT_EQ(Widget("Thinking")->geometry(), QRect(20, 52, 290, 50));
}

TEST_F(ZoomTest, FullScreenCentresTheWindowOnBlack) {
  OpenAt(0);
  ASSERT_TRUE(w->isFullScreen());
  const QSize screen = w->screen()->geometry().size();
  EXPECT_EQ(w->size(), screen);
  const double z = ViewZoom::FitFor(screen);
  EXPECT_DOUBLE_EQ(w->Zoom(), z);
  const QRect stage = Widget("ZoomStage")->geometry();
  EXPECT_EQ(stage.size(), QSize(int(std::lround(587 * z)), int(std::lround(406 * z))));
  EXPECT_LE(std::abs(stage.center().x() - w->rect().center().x()), 1);
  EXPECT_LE(std::abs(stage.center().y() - w->rect().center().y()), 1);
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
  // Leaving full screen: the remembered zoom.
  OpenAt(1.5);
  EXPECT_FALSE(w->isFullScreen());
  EXPECT_EQ(w->size(), QSize(881, 609));
  EXPECT_EQ(Widget("ZoomStage")->geometry(), QRect(0, 0, 881, 609));
}

TEST(ViewZoom, DefaultsStepsAndIsRemembered) {
  // Two thirds of the screen's height for the adventure window, in quarter steps, at least 1x.
  const std::pair<int, double> defaults[] = {{480, 1.0},   {600, 1.0},   {768, 1.25},
                                             {1080, 1.75}, {1440, 2.25}, {2160, 3.5}};
  for (auto [height, zoom] : defaults)
    EXPECT_DOUBLE_EQ(ViewZoom::DefaultFor(height), zoom) << height;
  EXPECT_NEAR(ViewZoom::FitFor({1920, 1080}), 1080 / 410.0, 1e-9);
  EXPECT_NEAR(ViewZoom::FitFor({1024, 1080}), 1024 / 587.0, 1e-9);

  QTemporaryDir dir;
  PreferenceStore store(dir.filePath("preferences.ini"));
  {
    ViewZoom zoom(&store);
    zoom.SetDefault(1.75);
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 1.75);
    zoom.StepZoom(1, {1920, 1040});
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 2.0);
    zoom.StepZoom(1, {1174, 819});  // 2.25 would not fit
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 2.0);
    for (int i = 0; i < 10; ++i) zoom.StepZoom(-1, {1920, 1040});
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 1.0);
    zoom.SetZoom(2.6);  // kept in quarter steps
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 2.5);
    zoom.SetFullScreen(true);
    zoom.StepZoom(-1, {1920, 1040});  // the screen decides in full screen
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 2.5);
  }
  Preferences p = store.Load();
  EXPECT_DOUBLE_EQ(p.zoom, 2.5);
  EXPECT_TRUE(p.fullScreen);
  {
    ViewZoom zoom(&store);
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 2.5);
    EXPECT_TRUE(zoom.FullScreen());
    zoom.SetDefault(1.25);
    zoom.ResetZoom();  // Ctrl+0: back to the screen's default, which is not stored
    EXPECT_DOUBLE_EQ(zoom.Zoom(), 1.25);
  }
  EXPECT_EQ(store.Load().zoom, 0);
}

TEST_F(ZoomTest, TheKeysZoomAndToggleFullScreen) {
  OpenAt(1);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.25);
  EXPECT_EQ(w->size(), QSize(734, 508));
  QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.0);
  QTest::keyClick(w, Qt::Key_F11);
  EXPECT_TRUE(view.FullScreen());
  EXPECT_TRUE(QTest::qWaitFor([this] { return w->isFullScreen(); }));
  QTest::keyClick(w, Qt::Key_F11);
  EXPECT_TRUE(QTest::qWaitFor([this] { return w->size() == QSize(587, 406); }));
  EXPECT_FALSE(w->isFullScreen());
}

TEST_F(ZoomTest, MessageBoxesFollowTheZoom) {
  const QImage card = pictures.Card(7).copy(0, 0, 80, 80).scaled(160, 160);
  // The default zoom of a 1920 x 1080 screen among them; a long card name too.
  for (double zoom : {1.0, 1.75, 2.0}) {
    auto ask = QtPlatform::MakeYesNoBox("バトル中断", "よろしいですか？", nullptr, zoom);
    EXPECT_EQ(ask->font().pixelSize(), int(std::lround(12 * zoom)));
    auto ok = QtPlatform::MakeOkBox("カード入手",
                                    zoom == 1.75 ? "「ゴブリン」カードを手に入れた。"
                                                 : "「ナイトメアドラゴン」カードを手に入れた。",
                                    card, nullptr, zoom);
    EXPECT_EQ(ok->font().pixelSize(), int(std::lround(12 * zoom)));
    const QPixmap icon = ok->iconPixmap();
    EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(160, 160) * zoom);
    // The text keeps to one line beside the enlarged card.
    ok->show();
    QCoreApplication::processEvents();
    auto* label = ok->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_LT(label->heightForWidth(label->width()), ok->fontMetrics().height() * 2) << zoom;
  }
}

TEST(WindowPlace, TheDuelWindowCentresOverTheAdventureAndWindowsComeBackInPlace) {
  const QRect screen(0, 0, 1920, 1040);
  const struct {
    QSize size;
    QRect over;
    QPoint topLeft;
  } cases[] = {{{587, 406}, {100, 200, 580, 410}, {96, 202}},
               {{1174, 812}, {700, 300, 1160, 820}, {693, 228}},  // kept on the screen
               {{587, 406}, {-300, -100, 580, 410}, {0, 0}}};
  for (const auto& c : cases) EXPECT_EQ(CentredOver(c.size, c.over, screen).topLeft(), c.topLeft);
  // A window manager that places a window shown again elsewhere is put right.
  QWidget window;
  new KeepPlace(&window);
  window.setGeometry(300, 200, 580, 410);
  window.show();
  window.hide();
  window.move(0, 0);
  window.show();
  EXPECT_EQ(window.geometry(), QRect(300, 200, 580, 410));
}

// Run again by CTest with QT_SCALE_FACTOR=2: a screen with twice as many pixels gets the sharp art
// at 1x zoom.
TEST_F(ZoomTest, PixelRatioTwoGetsSharpCanvases) {
  if (qgetenv("QT_SCALE_FACTOR") == "2") {
    ASSERT_EQ(qApp->devicePixelRatio(), 2);
  }
  if (qApp->devicePixelRatio() != 2 || !kArt) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2 and art";
  OpenAt(1);
  ASSERT_NO_FATAL_FAILURE(StartDuel({0, 1, 1, 2, 7}));
  const QImage shown = Widget("EHand0")->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(162, 162));
  const QImage face = art.Get({ArtKind::EnemyCard, k.Duel.EnemyHand[0]}, 2);
  const QRect inside(32, 32, 96, 96);
  EXPECT_EQ(shown.copy(inside).convertToFormat(QImage::Format_RGB32), face.copy(inside));
}

}  // namespace
}  // namespace korvane::testing
