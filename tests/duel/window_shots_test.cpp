// The real window, offscreen: its widgets follow the logic's controls, and pictures of deck
// selection, a duel in progress and a transfer message are written to shots/ in the build tree
// for a person to look at.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocumentFragment>

#include "duel/korvane_window.h"
#include "tests/duel/duel_test_support.h"
#include "ui/qt_platform.h"
#include "ui/sharp_art.h"

namespace korvane::testing {
namespace {

class WindowTest : public DuelTest {
 protected:
  WindowTest() {
    QDir().mkpath(KORVANE_SHOTS_DIR);
    // The generated artwork when the build has made it; the stand-ins otherwise.
    if (QDir(KORVANE_DATA_DIR "/cards").exists()) pictures = CardPictures(KORVANE_DATA_DIR, &cards);
    Give(0, {{0, 2}, {1, 3}, {2, 2}, {5, 1}, {7, 2}, {12, 1}, {21, 1}, {22, 2}, {31, 1}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
    game.OpponentName = kKazami;
  }
  void Save(QWidget& w, const char* name) {
    const QString path = QStringLiteral(KORVANE_SHOTS_DIR "/") + name;
    EXPECT_TRUE(w.grab().save(path)) << path.toStdString();
  }
  // The widget of a logic control, found by its text.
  template <class W>
  W* Find(QWidget& w, const QString& text) {
    for (W* child : w.findChildren<W*>()) {
      if (child->text() == text) return child;
    }
    return nullptr;
  }
};

TEST_F(WindowTest, DeckSelectionMirrorsTheLogic) {
  QPointer<KorvaneWindow> w = new KorvaneWindow(k);
  w->show();
  EXPECT_TRUE(k.IsOpen());
  EXPECT_EQ(w->size(), QSize(587, 406));
  EXPECT_EQ(w->windowTitle(), "Form1");
  k.CardPic_MouseDown(1);
  k.CardPic_DblClick(1);
  k.CardPic_MouseDown(7);
  k.CardPic_DblClick(7);
  k.CardPic_MouseDown(22);  // page 0 does not show 22: nothing happens
  k.CardPic_MouseDown(5);   // a preview in slot 2
  w->Mirror();
  auto* caption = Find<QLabel>(*w, CardName(1) + "\n×2");
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(caption->isVisible());
  EXPECT_EQ(caption->geometry(), QRect(80, 88, 81, 65));
  EXPECT_EQ(Find<QPushButton>(*w, "勝負！")->isVisible(), false);
  Save(*w, "deck_selection.png");
  // The scroll bar's page change reaches the logic and snaps.
  w->findChild<QScrollBar*>()->setValue(9);
  EXPECT_EQ(k.Ctl.VScrollValue, 14);
  EXPECT_EQ(w->findChild<QScrollBar*>()->value(), 14);
  Save(*w, "deck_selection_page14.png");
  // Closing: the two chosen cards go back; the window deletes itself.
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
  EXPECT_FALSE(k.IsOpen());
  EXPECT_EQ(game.Collections[0][1], 3);
}

TEST_F(WindowTest, DuelInProgressWithFieldsAndAFlip) {
  QPointer<KorvaneWindow> w = new KorvaneWindow(k);
  w->show();
  // Fixed hands, as the tutorial deals them, to know what the board will show.
  k.Ctl.Picture1.Visible = k.Ctl.VScroll1.Visible = false;
  k.Duel.PlayerHand = {22, 0, 1, 2, 21};
  k.Duel.EnemyHand = {8, 9, 10, 11, 13};
  for (auto& p : k.Ctl.PHand) p.Visible = true;
  k.SetUpDuel();
  k.Duel.Turn = TurnState::Player;
  Pick(0);
  Place(3, 3);  // グリフォン: blue down the middle, purple on the enemy's home
  k.Duel.SelectedSlot = 0;
  PlaceEnemyCard(k.Duel, 2, 2);  // 見習い剣士: its field runs right, red beyond the blue
  k.DrawBoard();
  Pick(1);
  Place(3, 1);  // the enemy's home is always its field: flipped at once
  ASSERT_EQ(k.Duel.BoardCard[3][1], kFlippedPlayerCard);
  k.FlipAnime_Timer();
  k.FlipAnime_Timer();  // mid-flip: the face half as wide
  k.Duel.Turn = TurnState::Player;
  Pick(2);
  w->Mirror();
  auto shows = [this](int c, int r, QRgb tile) {
    const int x = 80 * (c - 1) + 40, y = 80 * (r - 1) + 40;
    const QRgb b = pictures.Board().pixel(x, y);
    return k.Canvas.pixel(x, y) ==
           qRgb(qRed(b) | qRed(tile), qGreen(b) | qGreen(tile), qBlue(b) | qBlue(tile));
  };
  EXPECT_TRUE(shows(3, 4, qRgb(0, 0, 255)));
  EXPECT_TRUE(shows(4, 2, qRgb(255, 0, 0)));
  EXPECT_TRUE(shows(3, 2, qRgb(255, 0, 255)));
  EXPECT_NE(k.FlipTime[3][1], 0.0);
  k.Ctl.Thinking.Visible = true;
  w->Mirror();
  Save(*w, "duel_in_progress.png");
  k.Ctl.Thinking.Visible = false;
  w->Mirror();
  Save(*w, "duel_in_progress_no_label.png");
  delete w;
  EXPECT_EQ(k.RequestClose, nullptr);
}

TEST_F(WindowTest, TransferMessageShowsTheCard) {
  QPointer<KorvaneWindow> w = new KorvaneWindow(k);
  w->show();
  StartDuel({22, 1, 1, 2, 21});
  // A whole duel with the timers ticked by hand; the window is pictured at the first message.
  platform.whileShowing = [&] {
    if (platform.messages.size() == 1) Save(*w, "transfer_board.png");
  };
  EXPECT_LT(PlayToEnd(), 500);
  platform.whileShowing = nullptr;
  // Back in the list with the record and "終わり".
  w->Mirror();
  EXPECT_TRUE(Find<QPushButton>(*w, "終わり")->isVisible());
  EXPECT_TRUE(Find<QLabel>(*w, k.Ctl.Label1.Caption)->isVisible());
  Save(*w, "after_duel.png");
  ASSERT_FALSE(platform.messages.empty());
  const Message& m = platform.messages[0];
  ASSERT_NE(m.title, "End of the Game");
  ASSERT_TRUE(IsValidCardId(m.card.id));
  const SharpArt art(pictures, QString());
  QtPlatform qt;
  qt.Art = &art;
  auto box = qt.MakeOkBoxFor(m.title, m.text, m.card, w);
  box->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(box->windowTitle(), m.title);
  // The text as the box shows it (kept to its lines by a little markup).
  EXPECT_EQ(QTextDocumentFragment::fromHtml(box->text()).toPlainText(), m.text);
  Save(*box, "transfer_message.png");
  box.reset();
  delete w;
}

}  // namespace
}  // namespace korvane::testing
