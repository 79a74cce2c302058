// The adventure window at a zoom: the picture log paints Picture1 again pixel for pixel through a
// visit, a return to the map and the ending; clicks on the zoomed widgets reach the same controls;
// entering a place shows the sharp close-up; the window comes back where it was after a duel.
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "adv_test_support.h"
#include "adventure/adv_window.h"
#include "engine/card_table.h"
#include "tests/image_difference.h"
#include "ui/card_pictures.h"
#include "ui/fonts.h"
#include "ui/log_painter.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

using korvane::testing::MeanDifference;

const bool kArt = QDir(KORVANE_DATA_DIR "/adventure").exists();

// Picture1 painted again at 1x from the log, with the 1x town, no close-ups and the message box as
// the logic paints it.
QImage Replay(const ADVKorvane& adv) {
  static const CardPictures noCards;
  const SharpArt noSharpArt(noCards, QString());
  QImage out = PaintLogAt(adv.Picture1Log(), {kPictureWidth, kPictureHeight}, noSharpArt, 1.0,
                          {&adv.Pictures().Town(), &adv.Pictures().LightTile(), true});
  QPainter p(&out);
  PaintLines(p, adv.Picture1Log().Lines());
  return out;
}

TEST_F(AdventureTest, ThePictureLogPaintsPicture1AgainThroughAVisitAndTheEnding) {
  std::string error;
  const std::optional<CardTable> cards = CardTable::Open(KORVANE_DATA_DIR "/carddata", &error);
  if (!cards) GTEST_SKIP() << error;
  adv = std::make_unique<ADVKorvane>(state, store, *sound, platform, host, PlaceholderPictures(),
                                     &*cards);
  int checks = 0;
  auto check = [&](const char* when) {
    ++checks;
    ASSERT_EQ(Replay(*adv), adv->Picture1()) << when << " (check " << checks << ")";
  };
  StartNewGame();
  check("start");
  for (int i = 0; i < 12; ++i, Tick()) check("typing on the map");
  adv->Picture1_Click();
  adv->EnterPlace(1);
  check("zoomed in");
  // 真道's greeting and the map again, clicking as soon as each message is out.
  for (int step = 0; step < 2000 && adv->CurrentPlace() == 1; ++step) {
    Tick();
    if (step % 5 == 0) check("in the place, typing");
    if (adv->MessageLabelCaption() == adv->MessageText()) {
      check("in the place, typed");
      adv->Picture1_Click();
    }
  }
  EXPECT_EQ(adv->CurrentPlace(), -1);
  check("back on the map");
  // The ending writes on the light grey picture and lists the missing cards.
  for (int k = 0; k < kCardKinds; ++k) state.Collections[0][k] = k == 5 || k == 6 ? 0 : 1;
  state.TakamineStep = 100;
  adv->EnterPlace(4);
  for (int clicks = 0; clicks < 40 && adv->Timer1Interval() != 0; ++clicks) {
    for (int i = 0; i < 500 && adv->MessageLabelCaption() != adv->MessageText(); ++i) {
      Tick();
      if (i % 7 == 0) check("ending, typing");
    }
    check("ending, typed");
    adv->Picture1_Click();
    Tick();
  }
  EXPECT_EQ(adv->Timer1Interval(), 0);
  check("the last screen");
  EXPECT_GT(checks, 100);
}

class ZoomWindowTest : public AdventureTest {
 protected:
  void Open(double zoom, bool art) {
    adv = std::make_unique<ADVKorvane>(
        state, store, *sound, platform, host,
        art ? LoadAdventurePictures(KORVANE_DATA_DIR) : PlaceholderPictures(), nullptr);
    adv->Form_Load();
    window = std::make_unique<ADVKorvaneWindow>(*adv);
    view.SetZoom(zoom);
    window->UseZoom(&view, art ? &sharp : nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  // The name of the widget under the middle of a 1x rectangle of the window, zoomed by 2.
  QString Under(const QRect& r) {
    QWidget* hit = window->childAt(r.center() * 2);
    return hit ? hit->objectName() : QString();
  }
  template <typename T = QWidget>
  T* Find(const QString& name) {
    return window->findChild<T*>(name);
  }
  void TearDown() override { window.reset(); }

  ViewZoom view;
  CardPictures cards;
  SharpArt sharp{cards, QStringLiteral(KORVANE_DATA_DIR)};
  std::unique_ptr<ADVKorvaneWindow> window;
};

TEST_F(ZoomWindowTest, ClicksAtAZoomReachTheSameControls) {
  ASSERT_NO_FATAL_FAILURE(Open(2, false));
  EXPECT_EQ(window->size(), QSize(1160, 820));
  EXPECT_EQ(Under(kCommand1Rect.Pixels()), "Command1");
  EXPECT_EQ(Under(kCommand3Rect.Pixels()), "Command3");
  EXPECT_EQ(Under(kCommand4Rect.Pixels()), "Command4");
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  ASSERT_TRUE(Find("Frame1")->isVisible());
  EXPECT_EQ(Under(kCommand2Rect.Pixels()), "Command2");
  EXPECT_EQ(Under(kText1Rect.Pixels().translated(kFrame1Rect.Pixels().topLeft())), "Text1");
  adv->SetText1(QStringLiteral("太郎"));
  QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
  ASSERT_FALSE(adv->Picture5().visible);
  state.ShindoStep = 1;
  adv->ShowTownMap();
  window->Sync();
  // Every place on the map: its middle is its hot spot (the picture has a two-pixel border).
  for (int i : {0, 1, 6}) {
    EXPECT_EQ(Under(kClickerRects[i].Pixels().translated(2, 2)),
              QStringLiteral("Clicker%1").arg(i));
  }
  QTest::mouseClick(Find(QStringLiteral("Clicker1")), Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_EQ(adv->CurrentPlace(), 1);
  for (int i = 0; i < 200 && !adv->Choiser(0).visible; ++i) {
    adv->Timer1_Timer();
    if (adv->MessageLabelCaption() == adv->MessageText()) adv->Picture1_Click();
  }
  adv->ShowChoices(QStringLiteral("勝負！"), QStringLiteral("また今度"));
  window->Sync();
  EXPECT_EQ(Under(kChoiserRects[1].Pixels().translated(2, 2)), "Choiser1");
  EXPECT_EQ(Find("Choiser1")->font().pointSizeF(), kChoicePointSize * 2);
}

TEST_F(ZoomWindowTest, EnteringAPlaceShowsTheSharpCloseUp) {
  if (!kArt) GTEST_SKIP() << "no generated art";
  ASSERT_NO_FATAL_FAILURE(Open(2, true));
  adv->Command1_Click();
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  adv->EnterPlace(1);
  window->Sync();
  const QImage shown =
      Find(QStringLiteral("Picture1"))->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(1152, 812));
  // Above the message box and left of the portrait: the close-up drawn at three times the
  // picture's size, brought to 2x; the 1x picture stretched by the zoom is further away.
  const QRect clear(0, 0, 880, 560);
  const QImage closeUp =
      sharp.CloseUp(1)->scaled(1152, 812, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage blown =
      adv->Picture1().scaled(1152, 812, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const double sharpDifference = MeanDifference(shown.copy(clear), closeUp.copy(clear));
  EXPECT_LT(sharpDifference, 1.5);
  EXPECT_GT(MeanDifference(shown.copy(clear), blown.copy(clear)), sharpDifference + 1);
}

TEST_F(ZoomWindowTest, TheWindowComesBackWhereItWasAfterADuel) {
  ASSERT_NO_FATAL_FAILURE(Open(1, false));
  window->setGeometry(QRect(QPoint(200, 150), window->size()));
  const QRect before = window->geometry();
  adv->Command3_Click();  // the rules tutorial opens the duel window
  window->Sync();
  ASSERT_FALSE(window->isVisible());
  window->move(0, 0);  // placed elsewhere meanwhile, as window managers do
  adv->DuelWindowClosed();
  window->Sync();
  ASSERT_TRUE(window->isVisible());
  EXPECT_EQ(window->geometry(), before);
}

// The message box over the map is a clean light box at every zoom: the map under it veiled
// smoothly towards the light grey, where OR-ing the grey would leave bands of 239, 251 and 255.
TEST_F(ZoomWindowTest, TheMessageBoxIsACleanLightBox) {
  if (!kArt) GTEST_SKIP() << "no generated art";
  for (double zoom : {1.0, 2.0}) {
    ASSERT_NO_FATAL_FAILURE(Open(zoom, true));
    adv->Command1_Click();
    adv->SetText1(QStringLiteral("太郎"));
    adv->Command2_Click();
    window->Sync();
    const QImage shown =
        Find(QStringLiteral("Picture1"))->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& town = adv->Pictures().Town();
    // The box's last rows, below the one line of "どこに行こうかな？".
    const QRect box = kMessageLabelMap.Pixels();
    const double veil = 235 * kBoxVeil;
    int off = 0, checked = 0;
    for (int y = box.bottom() - 12; y < box.bottom() - 1; ++y) {
      for (int x = box.left() + 1; x < box.right(); ++x) {
        const QRgb s = shown.pixel(int(x * zoom), int(y * zoom));
        const QRgb t = town.pixel(x, y);
        for (auto [got, under] : {std::pair{qRed(s), qRed(t)}, std::pair{qGreen(s), qGreen(t)},
                                  std::pair{qBlue(s), qBlue(t)}}) {
          ++checked;
          // At 2x the map is the sharp art, close to the 1x town but not the same pixels.
          if (std::abs(got - (veil + (1 - kBoxVeil) * under)) > (zoom == 1 ? 2 : 8)) ++off;
        }
      }
    }
    EXPECT_GT(checked, 5000);
    EXPECT_LT(off, checked / 100) << "at " << zoom << "x";
  }
}

// A change of the zoom keeps the window centred where it stood; the end of a full screen brings it
// back to the middle it had before, not to the screen's corner.
TEST_F(ZoomWindowTest, TheWindowStaysCentredThroughZoomsAndAFullScreen) {
  ASSERT_NO_FATAL_FAILURE(Open(1, false));
  view.SetDefault(1);  // Ctrl+0 goes back to 1x
  window->move(110, 150);
  const QPoint centre = window->geometry().center();
  const QSize zoomed(725, 513);  // at 1.25
  const struct {
    const char* what;
    std::function<void()> change;
    QSize size;  // the window's size after it, empty for a full screen
  } changes[] = {
      {"zoom 1.25", [&] { view.SetZoom(1.25); }, zoomed},
      {"full screen", [&] { view.SetFullScreen(true); }, {}},
      {"full screen off", [&] { view.SetFullScreen(false); }, zoomed},
      {"Ctrl+0", [&] { view.ResetZoom(); }, {580, 410}},
  };
  for (const auto& c : changes) {
    c.change();
    QTest::qWait(200);
    EXPECT_EQ(window->isFullScreen(), c.size.isEmpty()) << c.what;
    if (c.size.isEmpty()) continue;
    EXPECT_EQ(window->size(), c.size) << c.what;
    EXPECT_LE((window->geometry().center() - centre).manhattanLength(), 1) << c.what;
  }
}

}  // namespace
}  // namespace korvane
