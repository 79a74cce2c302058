// No text of the game under 12 pixels on a 1280 x 800 screen. The whole game is played with its
// windows at the zoom it opens at there (chosen by the game from the screen, as for a player)
// through every screen, and every text drawn is measured where it lands.
//
// Glyph height here is the font's pixel size on the screen: its em height in device pixels, the
// figure that the usual rule "no text under 12 px" speaks of and the one every text of the game
// is set in (GothicFont(pixels)); a point size counts at the screen's dots per inch. The cap
// height of a Latin letter or the ink of a kana would depend on the face as well (Klee One and
// IPAPGothic differ), which the rule does not.
//
// Text drawn by the widgets and by the views' painters (labels, buttons, lists, message boxes,
// the score and tags over the board, the typed lines of a message) is caught as it is drawn:
// each window is rendered onto a device whose paint engine keeps every piece of text with its
// font and the painter's scale at that moment. Text that the adventure's picture keeps in its
// paint log (drawn into the picture, which the view then shows at the zoom) counts as its font
// times the window's zoom.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>

#include "adventure/adv_window.h"
#include "duel/korvane_window.h"
#include "engine/rules.h"
#include "puzzle/puzzle_window.h"
#include "review/review_window.h"
#include "state/preferences.h"
#include "tests/support/adventure_actions.h"
#include "tests/support/duel_actions.h"
#include "tests/support/test_game.h"
#include "ui/fonts.h"
#include "ui/qt_platform.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

constexpr double kSmallest = 12;

struct Seen {
  QString text;
  double pixels = 0;
};

double ScreenDpi() { return QGuiApplication::primaryScreen()->logicalDotsPerInchY(); }

// A font's pixel size on the screen, before any scale of the painter.
double Pixels(const QFont& f) {
  return f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * ScreenDpi() / 72.0;
}

// Keeps the text of everything painted on it, with its size on the screen.
class TextEngine : public QPaintEngine {
 public:
  TextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& s) override {
    if (!(s.state() & QPaintEngine::DirtyTransform)) return;
    transform_ = s.transform();
    scale_ = std::sqrt(std::abs(transform_.determinant()));
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPath(const QPainterPath&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  // A line of text comes in pieces (one per script: kanji, kana, Latin); the pieces on one
  // baseline at one size make one text again.
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    const double pixels = Pixels(item.font()) * scale_;
    const QPointF start = transform_.map(at);
    if (!seen.empty() && seen.back().pixels == pixels && start.y() == end_.y() &&
        std::abs(start.x() - end_.x()) < 1) {
      seen.back().text += item.text();
    } else {
      seen.push_back({item.text(), pixels});
    }
    end_ = transform_.map(at + QPointF(item.width(), 0));
  }
  std::vector<Seen> seen;

 private:
  QTransform transform_;
  double scale_ = 1;
  QPointF end_{-1, -1};
};

class TextDevice : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &engine; }
  mutable TextEngine engine;

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
      case PdmHeight:
        return 4000;
      case PdmWidthMM:
      case PdmHeightMM:
        return int(4000 * 25.4 / ScreenDpi());
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return int(std::lround(ScreenDpi()));
      case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
      case PdmNumColors:
        return INT_MAX;
      case PdmDepth:
        return 32;
      default:
        return 1;
    }
  }
};

std::vector<QWidget*> ShownWindows() {
  std::vector<QWidget*> out;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) out.push_back(w);
  }
  return out;
}

// Every text the windows on the screen show now.
std::vector<Seen> TextOnScreen() {
  QApplication::processEvents();
  TextDevice device;
  for (QWidget* w : ShownWindows()) w->render(&device);
  return device.engine.seen;
}

class GlyphTest : public ::testing::Test {
 protected:
  GlyphTest()
      : preferences(dir.filePath(QStringLiteral("preferences.ini"))),
        game({.windows = true, .saveDir = {}, .preferences = &preferences}) {}

  Korvane& K() { return game.Duel(); }
  KorvaneWindow* Duel() { return game->DuelWindow(); }
  ADVKorvaneWindow* Adventure() { return game->Window(); }
  void Key(QWidget* w, Qt::Key key) { QTest::keyClick(w, key); }
  // Runs the adventure's timer, the window following, until `done` (at most `ticks` ticks).
  void TickUntil(const std::function<bool()>& done, int ticks = 3000) {
    for (int i = 0; i < ticks && !done(); ++i) game.Adventure().Timer1_Timer();
    Adventure()->Sync();
  }
  void TypeOut() {
    test::TypeOut(game.Adventure(), 3000);
    Adventure()->Sync();
  }
  // The windows that came up since `before`, closed.
  static void CloseNew(const std::vector<QWidget*>& before) {
    for (QWidget* w : ShownWindows()) {
      if (std::find(before.begin(), before.end(), w) == before.end()) w->close();
    }
    QApplication::processEvents();
  }

  QTemporaryDir dir;
  PreferenceStore preferences;
  test::TestGame game;
  QtPlatform boxes;  // the real message boxes, as the game's own platform makes them
};

TEST_F(GlyphTest, EveryScreenAtTheOpeningZoomOfA1280By800ScreenFitsItWithNoTextUnder12Pixels) {
  ASSERT_TRUE(game) << game.error;
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_EQ(screen->geometry().size(), QSize(1280, 800));
  const double zoom = game->Zoom().Zoom();
  EXPECT_EQ(zoom, ViewZoom::OpeningZoomFor(screen->geometry().size(),
                                           screen->availableGeometry().size()));
  ADVKorvane& adv = game.Adventure();
  GameState& state = game.State();
  test::DuelActions act(K());
  // The duel's clock moves on with its timer, so that the opponent's thinking time passes.
  int64_t now = 0;
  K().Clock = [&now] { return now; };
  act.beforeTimer1 = [&now] { now += 100; };
  boxes.Zoom = [this] { return Adventure()->Zoom(); };
  boxes.Art = &game->Art();
  std::vector<std::unique_ptr<QMessageBox>> shownBoxes;
  auto box = [&](std::unique_ptr<QMessageBox> b) {
    b->show();
    shownBoxes.push_back(std::move(b));
  };

  struct Screen {
    const char* name;
    std::function<void()> reach;  // from the screen before
    QString shows;                // a text the screen must show, so that it is really there
    bool closeAfter = false;      // the windows it opened close again
  };
  const Screen screens[] = {
      {"title",
       [&] {
         ASSERT_TRUE(game->Load());
         game->Show();
       },
       QStringLiteral("ニューゲーム")},
      {"key help of the title", [&] { Key(Adventure(), Qt::Key_F1); }, QStringLiteral("F4 / F5"),
       true},
      {"tutorial",
       [&] {
         adv.Command3_Click();
         ASSERT_TRUE(Duel());
         for (int i = 0; i < 12; ++i) {
           K().LButton_Click();
           for (int f = 0; f < 10; ++f) K().FlipAnime_Timer();
         }
         Duel()->Mirror();
       },
       QStringLiteral("ふむふむ"), true},
      {"puzzle window",
       [&] {
         Key(Adventure(), Qt::Key_F5);
         // The goal is worked out off the window's thread; the prompt names it once known.
         auto* puzzles = dynamic_cast<PuzzleWindow*>(QApplication::activeModalWidget());
         ASSERT_TRUE(puzzles && puzzles->Session());
         ASSERT_TRUE(QTest::qWaitFor([&] { return puzzles->Session()->GoalKnown(); }, 60000));
       },
       QStringLiteral("あなたの番：勝てる一手は？"), true},
      {"profile",
       [&] {
         adv.Command1_Click();
         Adventure()->Sync();
       },
       QStringLiteral("自分のプロフィール")},
      {"name picker", [&] { Key(Adventure(), Qt::Key_F6); }, QStringLiteral("決定"), true},
      {"map",
       [&] {
         adv.SetText1(QStringLiteral("太郎"));
         adv.Command2_Click();
         adv.Picture1_MouseMove();
         TypeOut();
       },
       QStringLiteral("どこに行こうかな？")},
      {"key help of the map", [&] { Key(Adventure(), Qt::Key_F1); },
       QStringLiteral("その場所に入る"), true},
      {"dialogue with a choice",
       [&] {
         // 真道's house: his greeting and gift, back on the map, in again to be asked for a duel.
         for (int n = 0; n < 100 && !adv.Choiser(0).visible; ++n) {
           if (adv.MapShowing()) adv.Clicker_Click(1);
           test::GoOn(adv);
         }
         TypeOut();
       },
       QStringLiteral("勝負！")},
      {"deck selection",
       [&] {
         adv.Choiser_Click(0);
         TickUntil([&] { return Duel() != nullptr; });
         ASSERT_TRUE(Duel());
         K().UseAnalyst = false;
         for (int card = 0, taken = 0; card < kCardKinds && taken < 3; ++card) {
           for (int n = 0; n < state.Collections[0][card] && taken < 3; ++n, ++taken)
             act.Take(card);
         }
         Duel()->Mirror();
       },
       QStringLiteral("ダブルクリック")},
      {"duel",
       [&] {
         for (int card = 0; card < kCardKinds && !K().Ctl.Command1.Visible; ++card) {
           if (state.Collections[0][card] > 0) act.Take(card);
         }
         ASSERT_TRUE(act.Start());
         for (int i = 0; i < 100 && K().Model.Moves().size() < 4; ++i) {
           if (K().Duel.Turn == TurnState::Player && !K().IsFlipRunning()) act.PlayerMove();
           act.Tick();
         }
         // A card chosen, its placement previewed, and the hint over it.
         const int slot = test::FirstUnplayedSlot(K().Duel);
         const test::Square empty = test::FirstEmptySquare(K().Duel);
         K().PHand_Click(slot);
         Duel()->SetHoverSquare(BoardSquare{empty.column, empty.row});
         K().Hint = Korvane::HintMark{slot, BoardSquare{empty.column, empty.row}, true};
         Duel()->Mirror();
       },
       QStringLiteral("あなたの番")},
      {"result line",
       [&] {
         K().Hint.reset();
         Duel()->SetHoverSquare(std::nullopt);
         act.PlayToEnd();
         Duel()->Mirror();
         ASSERT_TRUE(K().ResultLine);
       },
       QStringLiteral(" 対 ")},
      {"message boxes",
       [&] {
         const size_t told = game.platform.messages.size();
         K().DismissResult();
         Duel()->Mirror();
         ASSERT_GT(game.platform.messages.size(), told);
         const test::Message& m = game.platform.messages[told];
         box(boxes.MakeOkBoxFor(m.title, m.text, m.card, Duel()));
         box(QtPlatform::MakeYesNoBox(QStringLiteral("ゲーム終了"),
                                      QStringLiteral("セーブしないで終わりますか？"), Duel(),
                                      Adventure()->Zoom()));
       },
       QStringLiteral("セーブしないで終わりますか？"), true},
      {"key help of the duel", [&] { Key(Duel(), Qt::Key_F1); }, QStringLiteral("このキー一覧"),
       true},
      {"rules page", [&] { Key(Duel(), Qt::Key_F3); }, QStringLiteral("裏返り"), true},
      {"review board",
       [&] {
         Key(Duel(), Qt::Key_V);
         auto* review = dynamic_cast<ReviewWindow*>(QApplication::activeModalWidget());
         ASSERT_TRUE(review);
         // Its labels come once the background review is done. It runs at the lowest priority,
         // so on a machine busy with other tests it may take long; the review board's own tests
         // allow it as much.
         EXPECT_TRUE(QTest::qWaitFor([&] { return review->Reviewed(); }, 180000));
       },
       QStringLiteral("ここからやり直す"), true},
      {"album", [&] { Key(Duel(), Qt::Key_A); }, QStringLiteral("真道")},
      {"recorded duels", [&] { Key(QApplication::activeModalWidget(), Qt::Key_D); },
       QStringLiteral("真道"), true},
      {"album, last page",
       [&] {
         QWidget* album = QApplication::activeModalWidget();
         ASSERT_TRUE(album);
         for (int i = 0; i < 30; ++i) Key(album, Qt::Key_PageDown);
       },
       QStringLiteral("閉じる")},
      {"practice setup",
       [&] {
         QApplication::activeModalWidget()->close();
         Duel()->close();
         QApplication::processEvents();
         // The series' result told in the house, then back on the map.
         for (int n = 0; n < 60 && !adv.MapShowing(); ++n) {
           if (adv.Choiser(1).visible) adv.Choiser_Click(1);
           test::GoOn(adv);
         }
         Adventure()->Sync();
         Key(Adventure(), Qt::Key_A);
         ASSERT_TRUE(QApplication::activeModalWidget());
         Key(QApplication::activeModalWidget(), Qt::Key_P);
       },
       QStringLiteral("本気"), true},
      {"ending",
       [&] {
         QApplication::activeModalWidget()->close();
         // Everything but two cards owned; the old house has just sent the player on.
         for (int k = 0; k < kCardKinds; ++k) state.Collections[0][k] = k == 5 || k == 6 ? 0 : 1;
         state.TakamineStep = 100;
         adv.EnterPlace(4);
         for (int n = 0; n < 40 && adv.Timer1Interval() != 0; ++n) test::GoOn(adv);
         Adventure()->Sync();
       },
       QString::fromStdString(game->Cards().Name(5))},
  };

  double smallest = 1e9;
  QString where;
  for (const Screen& s : screens) {
    SCOPED_TRACE(s.name);
    const std::vector<QWidget*> before = ShownWindows();
    s.reach();
    if (HasFatalFailure()) return;
    std::vector<Seen> seen = TextOnScreen();
    // Every window lies within the screen, dialogs larger than the game's windows included.
    for (QWidget* w : ShownWindows()) {
      EXPECT_LE(w->width(), 1280) << s.name << ": " << w->objectName().toStdString();
      EXPECT_LE(w->height(), 800) << s.name << ": " << w->objectName().toStdString();
    }
    // What the adventure's picture keeps drawn in it, shown at the window's zoom.
    for (const PaintOp& op : adv.Picture1Log().Ops()) {
      if (op.kind == PaintOp::Kind::Text && Adventure()->isVisible())
        seen.push_back({op.text, Pixels(PictureTextFont()) * Adventure()->Zoom()});
    }
    QString all;
    Seen least{QString(), 1e9};
    for (const Seen& t : seen) {
      all += t.text;
      if (t.text.trimmed().isEmpty()) continue;
      if (t.pixels < least.pixels) least = t;
      EXPECT_GE(t.pixels + 1e-9, kSmallest)
          << s.name << ": \"" << t.text.toStdString() << "\" is " << t.pixels << " px";
    }
    EXPECT_TRUE(all.contains(s.shows))
        << s.name << " does not show \"" << s.shows.toStdString() << "\"";
    std::cout << s.name << ": " << seen.size() << " texts, the smallest \""
              << least.text.toStdString() << "\" at " << least.pixels << " px\n";
    if (least.pixels < smallest) {
      smallest = least.pixels;
      where = QString::fromUtf8(s.name) + QStringLiteral(": ") + least.text;
    }
    if (s.closeAfter) {
      shownBoxes.clear();
      CloseNew(before);
    }
  }
  std::cout << "zoom " << zoom << ", smallest text " << smallest << " px (" << where.toStdString()
            << ")\n";
}

}  // namespace
}  // namespace korvane
