// The high-contrast palette of the views' marks, measured on the pictures as a 1280 x 800 screen
// shows them (the duel window and a review board at the zoom the game opens at there): with it
// on, every frame stands out from the art under it by a luminance contrast of at least 4.5 : 1
// all along; with it off the marks keep their described colours; either way nothing but the marks
// changes.
#include "ui/high_contrast.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>

#include "duel/korvane_extras.h"
#include "duel/korvane_window.h"
#include "engine/rules.h"
#include "tests/support/board_text.h"
#include "tests/support/duel_actions.h"
#include "tests/support/test_game.h"
#include "ui/board_view.h"
#include "ui/picture_view.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

constexpr double kReach = 5;  // how far across a frame's line its colours are looked for (1x)

QRectF SquareRect(int c, int r) { return QRectF(80 * (c - 1), 80 * (r - 1), 80, 80); }

// The pictures of a window (its PictureViews).
std::vector<PictureView*> PicturesOf(const QWidget& w) {
  std::vector<PictureView*> out;
  for (QWidget* child : w.findChildren<QWidget*>())
    if (auto* p = dynamic_cast<PictureView*>(child)) out.push_back(p);
  return out;
}

std::vector<QLineF> Outline(const QRectF& r) {
  return {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
          QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())};
}

// A mark as it is on screen: the picture it is drawn over, the middle lines of its frames in the
// picture's 1x pixels, and what else it covers (tags, a card shown faintly).
struct Shown {
  PictureView* picture = nullptr;
  std::vector<QLineF> lines;
  std::vector<QRectF> covers;
};

class Measure {
 public:
  Measure(const Shown& s, double zoom) : s_(s), z_(zoom), border_(s.picture->Border()) {}

  QPointF Device(QPointF at) const { return (at + QPointF(border_, border_)) * z_; }

  // Over points every 2 pixels along the lines, the worst contrast of the mark against the art
  // around it. At each point the pixels across the line either show the mark (they differ from
  // `ground`) or the art next to it; the mark stands out there by the least, over those art
  // pixels, of the best contrast any of its colours has against them. A point where the art lies
  // on both sides is beaten only by a mark that stands out from both.
  double WorstContrast(const QImage& marked, const QImage& ground) const {
    double worst = 21;
    for (const QLineF& line : s_.lines) {
      const QPointF across = QPointF(-line.dy(), line.dx()) / line.length();
      for (double t = 8; t <= line.length() - 8; t += 2) {
        const QPointF at = line.pointAt(t / line.length());
        std::vector<QColor> mark, art;
        for (double d = -kReach; d <= kReach; d += 0.25) {
          const QPoint px = Device(at + across * d).toPoint();
          if (!marked.rect().contains(px)) continue;
          (marked.pixel(px) != ground.pixel(px) ? mark : art).push_back(marked.pixelColor(px));
        }
        double least = 21;
        for (const QColor& a : art) {
          double best = 1;
          for (const QColor& m : mark) best = std::max(best, ContrastRatio(m, a));
          least = std::min(least, best);
        }
        worst = std::min(worst, least);
      }
    }
    return worst;
  }

  // The share of points on the lines' middles painted exactly in `colour`.
  double ShareIn(const QImage& image, const QColor& colour) const {
    int in = 0, all = 0;
    for (const QLineF& line : s_.lines) {
      for (double t = 8; t <= line.length() - 8; t += 2, ++all) {
        in += image.pixelColor(Device(line.pointAt(t / line.length())).toPoint()) == colour;
      }
    }
    return all ? double(in) / all : 0;
  }

  // Pixels that differ between `a` and `b` away from the mark (its lines, with their reach, and
  // what it covers).
  int ChangedElsewhere(const QImage& a, const QImage& b) const {
    QImage mark(a.size(), QImage::Format_Grayscale8);
    mark.fill(0);
    QPainter p(&mark);
    p.translate(border_ * z_, border_ * z_);
    p.scale(z_, z_);
    p.setPen(QPen(Qt::white, 2 * (kReach + 1)));
    for (const QLineF& line : s_.lines) p.drawLine(line);
    for (const QRectF& r : s_.covers) p.fillRect(r.adjusted(-2, -2, 2, 2), Qt::white);
    p.end();
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x)
        changed += a.pixel(x, y) != b.pixel(x, y) && qGray(mark.pixel(x, y)) == 0;
    }
    return changed;
  }

 private:
  Shown s_;
  double z_;
  int border_;
};

class HighContrastTest : public ::testing::Test {
 protected:
  HighContrastTest() {
    GameState& s = game.State();
    for (int id : {0, 1, 2, 5, 7, 12, 21, 22, 31}) s.Collections[0][id] = 2;
    for (int id : {0, 8, 9, 10, 11, 13}) s.Collections[3][id] = 6;
    s.OpponentName = QStringLiteral("風見 誠");
  }
  ~HighContrastTest() override {
    SetHighContrast(false);
    delete window;
  }

  // The picture named `name` of the duel window, as it is on screen now.
  PictureView* Picture(const QString& name) {
    return dynamic_cast<PictureView*>(window->findChild<QWidget*>(name));
  }
  static QImage Grab(QWidget* w) {
    QApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  test::TestGame game{{.windows = true, .saveDir = {}}};
  QPointer<KorvaneWindow> window;
};

TEST_F(HighContrastTest, MarksStandOutFromTheBoardAndNothingElseChanges) {
  ASSERT_TRUE(game) << game.error;
  Korvane& k = game.Duel();
  k.UseAnalyst = false;
  k.ScoreShown = k.PreviewShown = true;
  window = new KorvaneWindow(k);
  window->UseZoom(&game->Zoom(), &game->Art());
  window->show();
  const double zoom = window->Zoom();
  ASSERT_EQ(zoom, game->Zoom().Zoom());  // the opening zoom of the 1280 x 800 screen
  test::DuelActions act(k);
  int64_t now = 0;
  k.Clock = [&now] { return now; };
  act.beforeTimer1 = [&now] { now += 100; };

  // A review board beside it, at the same zoom, over a position part way through a duel.
  BoardView review(nullptr, game->Art());
  review.SetZoom(zoom);
  DuelState position;
  position.PlayerHand = {8, 9, 12, 21, 22};
  position.EnemyHand = {0, 10, 11, 13, 1};
  test::PutBoard(position,
                 test::Board("  a  "
                             " b-. "
                             ".+-.."
                             " 2.+ "
                             "  1  "),
                 test::Played::AsWritten);
  review.SetPosition(position);
  review.show();
  // Its board is its widest picture; the player's last hand card lies lowest on the right.
  auto reviewBoard = [&review] {
    PictureView* board = nullptr;
    for (PictureView* v : PicturesOf(review))
      if (!board || v->width() > board->width()) board = v;
    return board;
  };
  auto reviewHand = [&review] {
    PictureView* hand = nullptr;
    for (PictureView* v : PicturesOf(review))
      if (v->isVisible() && v->x() > review.width() * 3 / 4 && (!hand || v->y() > hand->y()))
        hand = v;
    return hand;
  };
  int handSlot = 0;
  test::Square empty;
  std::optional<BoardSquare> enemyMark;

  struct Mark {
    const char* name;
    std::function<Shown()> show;
    std::function<void()> hide;
    QColor described;  // its colour with the palette off, where it is one solid colour
  };
  const Mark marks[] = {
      {"deck list cursor",
       [&] {
         QTest::keyClick(window, Qt::Key_Right);
         PictureView* card = Picture(QStringLiteral("CardPic%1").arg(window->Keys().ListCursor()));
         return Shown{card, Outline(QRectF(1, 1, 77, 77)), {}};
       },
       [&] {
         // Into a duel, four placements in, the opponent's card just placed.
         act.Take({1, 7, 0, 5, 2});
         ASSERT_TRUE(act.Start());
         for (int i = 0; i < 100; ++i) {
           const bool settled = !k.IsFlipRunning() && k.Duel.Turn == TurnState::Player;
           if (settled && k.Model.Moves().size() >= 4 && k.EnemyMark) break;
           if (settled) act.PlayerMove();
           act.Tick();
         }
         k.ScoreShown = false;
         handSlot = test::FirstUnplayedSlot(k.Duel);
         empty = test::FirstEmptySquare(k.Duel);
         // The opponent's mark comes back with its own row, over a board measured without it.
         enemyMark = k.EnemyMark;
         k.EnemyMark.reset();
       },
       QColor(255, 255, 0)},
      {"opponent's last card",
       [&] {
         k.EnemyMark = enemyMark;
         EXPECT_TRUE(k.EnemyMark);
         const QRectF sq = SquareRect(k.EnemyMark->column, k.EnemyMark->row);
         return Shown{Picture("Field"), Outline(sq.adjusted(2, 2, -3, -3)), {}};
       },
       [&] { k.EnemyMark.reset(); }, QColor(255, 140, 0)},
      {"score panel",
       [&] {
         k.ScoreShown = true;
         return Shown{Picture("Field"), Outline(QRectF(4, 4, 152, 44)), {QRectF(4, 4, 152, 44)}};
       },
       [&] { k.ScoreShown = false; }, QColor()},
      {"hint on the board",
       [&] {
         k.Hint = Korvane::HintMark{handSlot, BoardSquare{empty.column, empty.row}, true};
         const QRectF sq = SquareRect(empty.column, empty.row);
         return Shown{Picture("Field"),
                      Outline(sq.adjusted(2, 2, -3, -3)),
                      {QRectF(sq.x() + 15, sq.y() + 50, 50, 16)}};
       },
       [&] { k.Hint.reset(); }, QColor(0, 200, 90)},
      {"hint on the hand card",
       [&] {
         k.Hint = Korvane::HintMark{handSlot, BoardSquare{empty.column, empty.row}, true};
         return Shown{Picture(QStringLiteral("PHand%1").arg(handSlot)),
                      {QLineF(24, 4, 56, 4), QLineF(24, 76, 56, 76), QLineF(4, 24, 4, 56),
                       QLineF(76, 24, 76, 56)},
                      {QRectF(15, 50, 50, 16)}};
       },
       [&] { k.Hint.reset(); }, QColor(0, 200, 90)},
      {"placement preview",
       [&] {
         Shown s{Picture("Field"), {}, {}};
         // The first hand card and square where the card would claim others.
         for (int slot = 0; slot < kHandSize && s.lines.empty(); ++slot) {
           if (k.Duel.PlayerPlayed[slot]) continue;
           k.PHand_Click(slot);
           for (int i = 1; i <= kBoardSize * kBoardSize && s.lines.empty(); ++i) {
             const int c = (i - 1) % kBoardSize + 1, r = (i - 1) / kBoardSize + 1;
             const auto preview = PreviewOf(k, BoardSquare{c, r});
             if (!preview) continue;
             s.covers = {SquareRect(c, r)};  // the card itself, faintly
             for (const Flip& f : preview->flips) s.covers.push_back(SquareRect(f.column, f.row));
             for (int cc = 1; cc <= kBoardSize; ++cc) {
               for (int rr = 1; rr <= kBoardSize; ++rr) {
                 if (!preview->covers[cc][rr]) continue;
                 const QRectF sq = SquareRect(cc, rr);
                 for (const QLineF& l : Outline(sq.adjusted(6, 6, -7, -7))) s.lines.push_back(l);
                 s.covers.push_back(sq.adjusted(6, 6, -6, -6));
               }
             }
             if (!s.lines.empty()) window->SetHoverSquare(BoardSquare{c, r});
           }
         }
         EXPECT_FALSE(s.lines.empty());
         return s;
       },
       [&] {
         window->SetHoverSquare(std::nullopt);
         k.PreviewShown = false;  // the key cursor's square shows no preview then
       },
       QColor()},
      {"key cursor",
       [&] {
         QTest::keyClick(window, Qt::Key_Left);
         EXPECT_TRUE(window->Keys().BoardCursor());
         const BoardSquare c = window->Keys().BoardCursor().value_or(BoardSquare{3, 3});
         return Shown{
             Picture("Field"), Outline(SquareRect(c.column, c.row).adjusted(8, 8, -9, -9)), {}};
       },
       [] {}, QColor()},
      {"review board's mark",
       [&] {
         review.SetMarks({{2, 3, QColor(210, 20, 20), QStringLiteral("悪手")}});
         const QRectF sq = SquareRect(2, 3);
         return Shown{reviewBoard(),
                      Outline(sq.adjusted(2, 2, -3, -3)),
                      {QRectF(sq.x() + 10, sq.y() + 50, 60, 16)}};
       },
       [&] { review.SetMarks({}); }, QColor(210, 20, 20)},
      {"review board's selected card",
       [&] {
         review.SetSelectedSlot(4);
         return Shown{reviewHand(), Outline(QRectF(2, 2, 76, 76)), {}};
       },
       [&] { review.SetSelectedSlot(-1); }, QColor(255, 255, 0)},
      {"review board's key cursor",
       [&] {
         review.SetCursor(std::pair{4, 2});
         return Shown{reviewBoard(), Outline(SquareRect(4, 2).adjusted(8, 8, -9, -9)), {}};
       },
       [&] { review.SetCursor(std::nullopt); }, QColor()},
  };

  double worstOff = 21, worstOn = 21;
  for (const Mark& m : marks) {
    SCOPED_TRACE(m.name);
    SetHighContrast(false);
    window->Mirror();
    // The ground: the same pictures without the mark.
    std::vector<QImage> grounds;
    std::vector<PictureView*> all = PicturesOf(*window);
    for (PictureView* v : PicturesOf(review)) all.push_back(v);
    for (PictureView* v : all) grounds.push_back(v->isVisible() ? Grab(v) : QImage());
    const Shown shown = m.show();
    if (HasFailure()) return;
    ASSERT_TRUE(shown.picture && shown.picture->isVisible());
    window->Mirror();
    const QImage ground = grounds[std::find(all.begin(), all.end(), shown.picture) - all.begin()];
    const QImage off = Grab(shown.picture);
    SetHighContrast(true);
    shown.picture->update();
    const QImage on = Grab(shown.picture);
    SetHighContrast(false);
    const Measure measure(shown, zoom);
    const double withOff = measure.WorstContrast(off, ground);
    const double withOn = measure.WorstContrast(on, ground);
    std::cout << m.name << ": worst contrast against the art " << withOff << " described, "
              << withOn << " high contrast\n";
    worstOff = std::min(worstOff, withOff);
    worstOn = std::min(worstOn, withOn);
    EXPECT_GE(withOn, 4.5);
    EXPECT_EQ(measure.ChangedElsewhere(off, on), 0) << "the palette changed more than the mark";
    EXPECT_EQ(measure.ChangedElsewhere(ground, off), 0) << "the mark lies elsewhere";
    if (m.described.isValid()) {
      EXPECT_GE(measure.ShareIn(off, m.described), 0.5) << "the described colour is gone";
      EXPECT_EQ(measure.ShareIn(on, m.described), 0.0);
    }
    m.hide();
    if (HasFailure()) return;
  }
  // The described colours alone fall short somewhere: the reason for the palette, and a sign that
  // the measure can tell.
  EXPECT_LT(worstOff, 4.5);
  std::cout << "worst contrast of all marks: " << worstOff << " described, " << worstOn
            << " high contrast\n";
}

}  // namespace
}  // namespace korvane
