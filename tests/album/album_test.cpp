// The album on a hand-made state: owners of the cards the player lacks, the master-only and
// ending marks for a player and for the master, totals, the record rows; the window offscreen
// with its keys, pictures of it written to shots/, and nothing in the state changed by any of it.
#include "album/album.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "album/album_window.h"
#include "tests/engine/engine_test_support.h"
#include "ui/card_pictures.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace korvane {
namespace {

using Holders = std::vector<AlbumHolding>;

class AlbumTest : public ::testing::Test {
 protected:
  AlbumTest() {
    game.PlayerName = QStringLiteral("太郎君");
    Give(0, {{1, 2}, {2, 1}, {10, 3}, {33, 1}});
    Give(1, {{3, 5}, {12, 3}});
    Give(2, {{3, 2}, {24, 1}});
    Give(3, {{0, 8}, {27, 1}});
    Give(4, {{16, 3}});
    Give(5, {{26, 2}, {35, 1}});  // 高峰 has won a ドラゴン from the master once
    Give(6, {{29, 1}, {34, 1}, {38, 1}});
  }
  void Give(int person, std::initializer_list<std::pair<int, int>> cards) {
    for (auto [id, n] : cards) game.Collections[person][id] = static_cast<int16_t>(n);
  }

  GameState game;
  CardTable cards = test::SourceCardTable();
};

TEST_F(AlbumTest, OwnersMarksAndTextsOfEachCard) {
  const struct {
    int id;
    bool master;
    int owned;
    Holders holders;
    bool masterOnly, endingCounts, endingMissing;
    const char* holdersText;
  } cases[] = {
      {1, false, 2, {}, false, true, false, ""},
      {3, false, 0, {{1, 5}, {2, 2}}, false, true, true, "高原×5・真道×2"},
      {15, false, 0, {}, false, true, true, "誰も持っていない"},
      // Only 高峰 brings them, and only to the master; 速水's copies are never won.
      {33, false, 1, {}, true, false, false, ""},
      {34, false, 0, {{6, 1}}, true, false, false, "速水×1・マスターなら高峰"},
      {38, true, 0, {{6, 1}}, true, true, true, "速水×1・マスターなら高峰"},
      {33, true, 1, {}, true, true, false, ""},
      // 高峰 holds one now: anyone may win it from him.
      {35, false, 0, {{5, 1}}, false, false, false, "高峰×1"},
      {35, true, 0, {{5, 1}}, false, true, true, "高峰×1"},
      // 横田 brings it only to the master, but 高峰 always does.
      {26, false, 0, {{5, 2}}, false, true, true, "高峰×2"},
      {28, true, 0, {}, false, true, true, "誰も持っていない"},
  };
  for (const auto& c : cases) {
    game.PlayerName = c.master ? QStringLiteral("※太郎君") : QStringLiteral("太郎君");
    const AlbumCard card = Album(game, cards).Card(c.id);
    const std::string what = std::to_string(c.id) + (c.master ? " master" : "");
    EXPECT_EQ(card.Id, c.id) << what;
    EXPECT_EQ(card.Name, QString::fromStdString(cards.Name(c.id))) << what;
    EXPECT_EQ(card.Owned, c.owned) << what;
    EXPECT_EQ(card.Holders, c.holders) << what;
    EXPECT_EQ(card.MasterOnly, c.masterOnly) << what;
    EXPECT_EQ(card.EndingCounts, c.endingCounts) << what;
    EXPECT_EQ(card.EndingMissing(), c.endingMissing) << what;
    EXPECT_EQ(Album::HoldersText(card), QString::fromUtf8(c.holdersText)) << what;
  }
  EXPECT_EQ(Album::SidesText(Album(game, cards).Card(14)), QStringLiteral("×・×・S・S"));
  EXPECT_EQ(Album::SidesText(Album(game, cards).Card(37)), QStringLiteral("×・2・B・2"));
}

TEST_F(AlbumTest, TotalsMasterCardsAndRecordRows) {
  QTemporaryDir dir;
  Statistics stats(dir.path());
  stats.Record({3, DuelResult::PlayerWon, 3, 2, false, 3, 0});
  stats.CountHint(3);
  for (bool master : {false, true}) {
    game.PlayerName = master ? QStringLiteral("※太郎君") : QStringLiteral("太郎君");
    const Album album(game, cards, &stats);
    EXPECT_EQ(album.Master(), master);
    EXPECT_EQ(album.KindsOwned(), 4);
    EXPECT_EQ(album.CopiesOwned(), 7);
    EXPECT_EQ(album.TotalsText(), QStringLiteral("持っているカード 4種類／40種類　合計 7枚"));
    EXPECT_EQ(album.EndingCounted(), master ? 40 : 36);
    EXPECT_EQ(album.EndingMissing(), master ? 36 : 33);
    // The master-only cards of this state, and the ending list's count agrees with the cards.
    std::vector<int> masterOnly;
    int missing = 0;
    for (const AlbumCard& c : album.Cards()) {
      if (c.MasterOnly) masterOnly.push_back(c.Id);
      missing += c.EndingMissing();
    }
    EXPECT_EQ(masterOnly, (std::vector<int>{33, 34, 38}));
    EXPECT_EQ(missing, album.EndingMissing());
    const std::vector<AlbumRecordRow> rows = album.RecordRows();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[2].Name, QStringLiteral("風見 誠"));
    EXPECT_EQ(rows[2].Record, (OpponentRecord{1, 1, 0, 0, 0, 0, 3, 0, 1}));
    EXPECT_EQ(rows[6].Name, QStringLiteral("合計"));
    EXPECT_EQ(rows[6].Record, stats.Total());
  }
  // At the start of a new game exactly the four cards the ending leaves to the master are theirs.
  GameState fresh;
  NewGameState(fresh, QStringLiteral("花子さん"), 1);
  std::vector<int> masterOnly;
  for (const AlbumCard& c : Album(fresh, cards).Cards()) {
    if (c.MasterOnly) masterOnly.push_back(c.Id);
    EXPECT_EQ(c.MasterOnly, !EndingCountsCard(c.Id, false)) << c.Id;
  }
  EXPECT_EQ(masterOnly, (std::vector<int>{33, 34, 35, 38}));
}

TEST_F(AlbumTest, WindowShowsReadsOnlyAndAnswersTheKeys) {
  QDir().mkpath(KORVANE_SHOTS_DIR);
  CardPictures pictures(&cards);
  if (QDir(KORVANE_DATA_DIR "/cards").exists()) pictures = CardPictures(KORVANE_DATA_DIR, &cards);
  QTemporaryDir dir;
  Statistics stats(dir.path());
  stats.Record({1, DuelResult::PlayerWon, 5, 0, false, 5, 0});
  stats.Record({1, DuelResult::EnemyWon, 2, 3, false, 0, 3});
  stats.Record({3, DuelResult::Draw, 2, 2, false, 0, 0});
  stats.Record({5, DuelResult::EnemyWon, 0, 0, true, 0, 5});
  stats.CountHint(5);

  const struct {
    const char* shot;
    const char* name;
    bool scrollToEnd;
  } shots[] = {{"album_midgame.png", "太郎君", false}, {"album_master.png", "※太郎君", true}};
  for (const auto& s : shots) {
    game.PlayerName = QString::fromUtf8(s.name);
    if (s.scrollToEnd) Give(0, {{30, 1}, {34, 1}, {36, 2}, {37, 1}, {38, 1}, {39, 1}});
    const GameState before = game;
    QWidget parent;
    parent.resize(587, 406);
    parent.show();
    AlbumWindow* w = ShowAlbum(&parent, game, stats, pictures, cards);
    QPointer<AlbumWindow> alive(w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->size(), QSize(AlbumWindow::kWidth, AlbumWindow::kHeight));
    EXPECT_TRUE(w->isModal());
    QScrollBar* bar = w->findChild<QScrollArea*>(QStringLiteral("AlbumCards"))->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    // Arrows scroll a row at a time, End and Home go to the ends.
    QTest::keyClick(w, Qt::Key_Down);
    const int row = bar->value();
    EXPECT_GT(row, 0);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 2 * row);
    QTest::keyClick(w, Qt::Key_Up);
    EXPECT_EQ(bar->value(), row);
    QTest::keyClick(w, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    if (!s.scrollToEnd) QTest::keyClick(w, Qt::Key_Home);
    EXPECT_EQ(bar->value(), s.scrollToEnd ? bar->maximum() : 0);
    const QString path = QStringLiteral(KORVANE_SHOTS_DIR "/") + QString::fromUtf8(s.shot);
    EXPECT_TRUE(w->grab().save(path)) << path.toStdString();
    // Esc closes, and the window goes away by itself.
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    // Read-only: no collection and no name changed.
    EXPECT_EQ(game.Collections, before.Collections);
    EXPECT_EQ(game.PlayerName, before.PlayerName);
  }
}

TEST_F(AlbumTest, FollowsTheWindowsZoomAsFarAsTheScreenHasRoom) {
  const struct {
    double zoom;
    QSize screen;
    double album;
  } cases[] = {
      {1.0, {1920, 1080}, 1.0},  {1.75, {1920, 1080}, 1.75}, {2.5, {1920, 1080}, 1.75},
      {2.0, {3840, 2160}, 2.0},  {1.5, {800, 600}, 1.0},     {1.25, {}, 1.25},
      {3.0, {1080, 1920}, 1.25},  // a screen on its side
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlbumWindow::ZoomFor(c.zoom, c.screen), c.album) << c.zoom << " " << c.screen.width();
  }
  // At 2x everything is twice as large, the cards from the sharp art; still read-only.
  QDir().mkpath(KORVANE_SHOTS_DIR);
  CardPictures pictures(&cards);
  if (QDir(KORVANE_DATA_DIR "/cards").exists()) pictures = CardPictures(KORVANE_DATA_DIR, &cards);
  const SharpArt art(pictures, QStringLiteral(KORVANE_DATA_DIR));
  QTemporaryDir dir;
  Statistics stats(dir.path());
  const GameState before = game;
  AlbumWindow w(game, &stats, pictures, cards, nullptr, 2.0, &art);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_EQ(w.size(), QSize(2 * AlbumWindow::kWidth, 2 * AlbumWindow::kHeight));
  const QWidget* close = w.findChild<QWidget*>(QStringLiteral("AlbumClose"));
  ASSERT_TRUE(close);
  EXPECT_EQ(close->geometry(), QRect(2 * (AlbumWindow::kWidth - 8 - 81), 2 * 360, 162, 52));
  QScrollBar* bar = w.findChild<QScrollArea*>(QStringLiteral("AlbumCards"))->verticalScrollBar();
  QTest::keyClick(&w, Qt::Key_Down);
  EXPECT_EQ(bar->value(), 2 * 92);
  QTest::keyClick(&w, Qt::Key_Home);
  EXPECT_TRUE(w.grab().save(QStringLiteral(KORVANE_SHOTS_DIR "/album_zoom2.png")));

  // Laid out again at 1x, still at the end of the list.
  QTest::keyClick(&w, Qt::Key_End);
  w.SetZoom(1.0);
  EXPECT_EQ(w.size(), QSize(AlbumWindow::kWidth, AlbumWindow::kHeight));
  close = w.findChild<QWidget*>(QStringLiteral("AlbumClose"));
  ASSERT_TRUE(close);
  EXPECT_EQ(close->geometry(), QRect(AlbumWindow::kWidth - 8 - 81, 360, 81, 26));
  bar = w.findChild<QScrollArea*>(QStringLiteral("AlbumCards"))->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
  // The zoom keys reach the windows' zoom while the album is in front; the album then takes
  // what the screen has room for (this test screen has none beyond 1x).
  ViewZoom view;
  view.SetZoom(1.0);
  w.Follow(&view);
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.25);
  EXPECT_EQ(w.Zoom(), AlbumWindow::ZoomFor(1.25, w.screen()->availableGeometry().size()));
  QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.0);
  EXPECT_EQ(game.Collections, before.Collections);
}

}  // namespace
}  // namespace korvane
