// The rules tutorial on the real window, offscreen, driven through its own "ふむふむ" button:
// pictures of the example list (page 4), a flip in the first example (page 18) and the bomb
// (page 32) are written to shots/ in the build tree for a person to look at, and a few pixels
// are checked here.
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "tests/duel/duel_test_support.h"

namespace korvane {
namespace {

using test::FakePlatform;
using testing::LoadCards;

class TutorialShotsTest : public ::testing::Test {
 protected:
  TutorialShotsTest() {
    QDir().mkpath(KORVANE_SHOTS_DIR);
    // The title's "ゲーム説明", then the window loads with its tutorial controls.
    game.TutorialMode = -1;
    game.TutorialPage = 1;
    w = new KorvaneWindow(k);
    ShowTutorialControls(k, sound);
    w->show();
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (b->text() == QStringLiteral("ふむふむ")) button = b;
    }
    for (QLabel* l : w->findChildren<QLabel*>()) {
      if (l->text() == TutorialOpeningText()) text = l;
    }
  }
  ~TutorialShotsTest() override { delete w.data(); }

  // Presses the button until page `last` has been performed; between presses the flips run to
  // their end, as they do while the player reads.
  void PressThrough(int last) {
    while (game.TutorialPage <= last && k.IsOpen()) {
      button->click();
      if (k.IsOpen()) FlipTicks(10);
    }
  }
  void FlipTicks(int n) {
    for (int i = 0; i < n; ++i) k.FlipAnime_Timer();
    w->Mirror();
  }
  QImage Save(const char* name) {
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral(KORVANE_SHOTS_DIR "/") + name;
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
    return shot;
  }
  // The window pixel of board pixel (x, y): the board picture stands at (88, 0) inside a
  // two-pixel border.
  static QPoint OnBoard(int x, int y) { return QPoint(88 + 2 + x, 2 + y); }
  // How many pixels of the 80 x 80 square (c, r) differ from the clean board image.
  int ChangedPixels(const QImage& shot, int c, int r) const {
    int n = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 80; ++x) {
        const int bx = 80 * (c - 1) + x, by = 80 * (r - 1) + y;
        if (shot.pixel(OnBoard(bx, by)) != pictures.Board().pixel(bx, by)) ++n;
      }
    }
    return n;
  }

  GameState game;
  FakeSoundSystem sound;
  CardTable cards = LoadCards();
  FakePlatform platform;
  SeededRandom rng{7};
  CardPictures pictures{QStringLiteral(KORVANE_DATA_DIR), &cards};
  Korvane k{game, sound, cards, platform, rng, pictures};
  QPointer<KorvaneWindow> w;
  QPushButton* button = nullptr;
  QLabel* text = nullptr;  // LText
};

TEST_F(TutorialShotsTest, PageFourShowsTheExampleList) {
  ASSERT_NE(button, nullptr);
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(button->isVisible());
  EXPECT_TRUE(text->isVisible());
  PressThrough(4);
  EXPECT_EQ(text->text(), QStringLiteral("例えば、これらのカードを持っていたとします"));
  const QImage shot = Save("tutorial_page04.png");
  // The four example cards stand at their places of the first page, on black; place 0 is
  // empty (the player holds nothing at the title).
  EXPECT_EQ(shot.pixel(40, 48), qRgb(0, 0, 0));
  // Places 0 to 6 on the first row, 7 to 13 on the second.
  for (int card : {2, 3, 5, 7}) {
    const int left = 80 * (card % 7), top = card < 7 ? 8 : 152;
    int lit = 0;
    for (int y = top; y < top + 80; ++y) {
      for (int x = left; x < left + 80; ++x) lit += shot.pixel(x, y) != qRgb(0, 0, 0);
    }
    EXPECT_GT(lit, 3000) << "card " << card;
  }
  EXPECT_EQ(shot.pixel(80 + 40, 152 + 40), qRgb(0, 0, 0));  // place 8 stays empty
}

TEST_F(TutorialShotsTest, PageEighteenFlipsTheEnemysCard) {
  PressThrough(17);
  button->click();  // page 18: the player's card on (1, 3) flips the enemy's on (2, 3)
  FlipTicks(2);     // the face half turned
  const QImage turning = Save("tutorial_page18.png");
  FlipTicks(8);
  const QImage turned = Save("tutorial_page18_after.png");
  EXPECT_GT(ChangedPixels(turning, 1, 3), 3000);  // the new card
  // Mid-turn the square shows a narrow face with the board on both sides of it.
  EXPECT_EQ(turning.pixel(OnBoard(80 + 2, 160 + 40)), pictures.Board().pixel(80 + 2, 160 + 40));
  EXPECT_NE(turned.pixel(OnBoard(80 + 2, 160 + 40)), pictures.Board().pixel(80 + 2, 160 + 40));
  EXPECT_EQ(k.Duel.BoardCard[2][3], kFlippedEnemyCard);
}

TEST_F(TutorialShotsTest, PageThirtyTwoSetsOffTheBomb) {
  PressThrough(31);
  button->click();  // page 32: the bomb from the home square
  FlipTicks(2);     // both faces half turned
  Save("tutorial_page32.png");
  FlipTicks(8);
  const QImage after = Save("tutorial_page32_after.png");
  EXPECT_EQ(k.Duel.BoardCard[3][5], 5);
  EXPECT_EQ(k.Duel.BoardCard[4][3], kFlippedPlayerCard);
  EXPECT_EQ(k.Duel.BoardCard[2][3], kFlippedEnemyCard);
  // After the flips both cards show their backs: blue for the player's, red for the enemy's.
  EXPECT_EQ(after.pixel(OnBoard(240 + 40, 160 + 40)), pictures.Card(kCardBack).pixel(40, 40));
  EXPECT_EQ(after.pixel(OnBoard(80 + 40, 160 + 40)), pictures.EnemyCard(kCardBack).pixel(40, 40));
  EXPECT_GT(ChangedPixels(after, 3, 5), 3000);
}

// Every text, the longest ones too, shows whole in LText's box: wrapped, in a smaller size of the
// same face when it must.
TEST_F(TutorialShotsTest, EveryTextShowsWhole) {
  ASSERT_NE(text, nullptr);
  int texts = 0;
  QString was;
  while (k.IsOpen()) {
    if (text->text() != was) {
      ++texts;
      was = text->text();
      const QRect box = text->contentsRect();
      const QRect need = QFontMetrics(text->font())
                             .boundingRect(QRect(0, 0, box.width(), 1000), Qt::TextWordWrap, was);
      EXPECT_LE(need.height(), box.height()) << was.toStdString();
      EXPECT_GE(text->font().pixelSize(), 9) << was.toStdString();
      if (was.startsWith(QStringLiteral("まず、×"))) Save("tutorial_page13.png");
    }
    button->click();
  }
  EXPECT_EQ(texts, 1 + kTutorialTexts);
  EXPECT_EQ(game.TutorialPage, 36);
}

}  // namespace
}  // namespace korvane
