// What the board canvas and the hand pictures show, pixel by pixel: the fields on empty squares,
// the cards, the corner frame, the flip frames, and the card of a transfer message.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/duel/duel_test_support.h"
#include "ui/log_painter.h"
#include "ui/sharp_art.h"
#include "ui/sprite.h"

namespace korvane::testing {
namespace {

class PaintTest : public DuelTest {
 protected:
  PaintTest() {
    Give(0, {{0, 2}, {1, 2}, {2, 2}, {22, 2}, {21, 2}});
    Give(3, {{0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}});
  }
  // The clean board with one 80 x 80 square combined by OR with a colour.
  QRgb Expected(int c, int r, int dx, int dy, QRgb tile) const {
    const QRgb b = pictures.Board().pixel(80 * (c - 1) + dx, 80 * (r - 1) + dy);
    return qRgb(qRed(b) | qRed(tile), qGreen(b) | qGreen(tile), qBlue(b) | qBlue(tile));
  }
  // Whether a square of the canvas is the clean board combined with `tile` everywhere.
  bool SquareIs(int c, int r, QRgb tile) const {
    for (int dy = 0; dy < 80; ++dy) {
      for (int dx = 0; dx < 80; ++dx) {
        if (k.Canvas.pixel(80 * (c - 1) + dx, 80 * (r - 1) + dy) != Expected(c, r, dx, dy, tile)) {
          return false;
        }
      }
    }
    return true;
  }
  void Start(std::initializer_list<int> ids) {
    Open(kKazami);
    StartDuel(ids);
  }
};

const QRgb kNone = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 255), kRed = qRgb(255, 0, 0),
           kPurple = qRgb(255, 0, 255);

TEST_F(PaintTest, AfterSetUpOnlyTheHomeSquaresAreColoured) {
  Start({0, 0, 1, 1, 2});
  EXPECT_EQ(k.Canvas.format(), QImage::Format_RGB32);
  EXPECT_EQ(k.Canvas.size(), QSize(402, 402));
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 5; ++c) {
      const QRgb tile = c == 3 && r == 5 ? kBlue : c == 3 && r == 1 ? kRed : kNone;
      EXPECT_TRUE(SquareIs(c, r, tile)) << c << "," << r;
    }
  }
  // The hands moved beside the board, the enemy's shown face up.
  EXPECT_EQ(k.Ctl.PHand[0].Pos, QPoint(502, 3));
  EXPECT_EQ(k.Ctl.PHand[4].Pos, QPoint(502, 327));
  QImage enemy = BlankImage(81, 81, qRgb(192, 192, 192));
  PaintSprite(enemy, pictures.Mask(), pictures.EnemyCard(k.Duel.EnemyHand[3]), 0, 0, 80, 80);
  EXPECT_EQ(k.EHandPic[3], enemy);
}

TEST_F(PaintTest, FieldsOnEmptySquaresBlueRedAndPurple) {
  // グリフォン (3 up, 2 down) on the centre: its field reaches the enemy's home square.
  Start({22, 0, 0, 1, 1});
  k.Duel.Turn = TurnState::Player;
  Pick(0);
  Place(3, 3);
  EXPECT_EQ(k.Duel.BoardCard[3][3], 1);
  EXPECT_TRUE(SquareIs(3, 1, kPurple));
  EXPECT_TRUE(SquareIs(3, 2, kBlue));
  EXPECT_TRUE(SquareIs(3, 4, kBlue));
  EXPECT_TRUE(SquareIs(3, 5, kBlue));
  EXPECT_TRUE(SquareIs(2, 3, kNone));
  // The card's own square shows the card, whatever the fields.
  QImage card = pictures.Board().copy(160, 160, 80, 80);
  PaintSprite(card, pictures.Mask(), pictures.Card(22), 0, 0, 80, 80);
  EXPECT_EQ(k.Canvas.copy(160, 160, 80, 80), card);
  EXPECT_EQ(sound.Effects().count("idid.wav"), 1);
}

TEST_F(PaintTest, HandFrameFollowsTheChoice) {
  Start({0, 0, 1, 1, 2});
  k.Duel.Turn = TurnState::Player;
  auto yellowCorner = [this](int slot) {
    return k.PHandPic[slot].pixel(1, 1) == qRgb(255, 255, 0);
  };
  Pick(2);
  EXPECT_TRUE(yellowCorner(2));
  EXPECT_EQ(k.Duel.SelectedSlot, 2);
  Pick(4);
  EXPECT_FALSE(yellowCorner(2));
  EXPECT_TRUE(yellowCorner(4));
  // Only the corners change: the middle of the card is its picture.
  EXPECT_EQ(k.PHandPic[4].pixel(40, 40), pictures.Card(k.Duel.PlayerHand[4]).pixel(40, 40));
  // In the enemy's turn a click changes neither the frame nor the choice.
  k.Duel.Turn = TurnState::Enemy;
  Pick(1);
  EXPECT_TRUE(yellowCorner(4));
  EXPECT_EQ(k.Duel.SelectedSlot, 4);
}

TEST_F(PaintTest, BoardClickOnTheEnemysHomeLaysTheCardFaceDown) {
  Start({0, 0, 1, 1, 2});
  k.Duel.Turn = TurnState::Player;
  Pick(1);
  MarkEffects();
  Place(3, 1);
  // Flipped at once by the placement: clock 3.1, the square left to the animation.
  EXPECT_EQ(k.Duel.BoardCard[3][1], kFlippedPlayerCard);
  EXPECT_EQ(k.FlippedCard[3][1], 2);
  EXPECT_DOUBLE_EQ(k.FlipTime[3][1], 3.1);
  EXPECT_EQ(k.Canvas.copy(160, 0, 80, 80), pictures.Board().copy(160, 0, 80, 80));
  EXPECT_FALSE(k.Ctl.PHand[1].Visible);
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  EXPECT_EQ(NewEffects(), QStringList{"idid.wav"});
  // The slot just played stays selected until the enemy has moved, after the flip.
  EXPECT_EQ(k.Duel.SelectedSlot, 1);
  k.Timer1_Timer();
  EXPECT_EQ(k.Duel.Turn, TurnState::Enemy);
  EXPECT_EQ(k.Duel.SelectedSlot, 1);
  while (k.IsFlipRunning()) k.FlipAnime_Timer();
  k.Timer1_Timer();
  EXPECT_EQ(k.Duel.Turn, TurnState::Player);
  EXPECT_EQ(k.Duel.SelectedSlot, -1);
}

TEST_F(PaintTest, FlipFramesNarrowMirrorAndWidenBack) {
  // A face whose left half is green and right half white, to see the mirror.
  QImage face = BlankImage(80, 80, qRgb(255, 255, 255));
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 40; ++x) face.setPixel(x, y, qRgb(0, 255, 0));
  Start({0, 0, 1, 1, 2});
  pictures.SetCard(k.Duel.PlayerHand[0], face, face);
  k.Duel.Turn = TurnState::Player;
  Pick(0);
  Place(2, 3);  // (2, 3): no field of the enemy's, the card lies face up
  ASSERT_EQ(k.Duel.BoardCard[2][3], 1);
  // The enemy's field reaches it: flip by ComputeFields, clock 3.14.
  k.Duel.EnemyFieldMap[2][3] = 1;
  k.Duel.BoardCard[2][3] = kFlippedPlayerCard;
  k.FlippedCard[2][3] = 1;
  k.FlipTime[2][3] = 3.14;
  MarkEffects();
  const int x0 = 80, y0 = 160;
  for (int tick = 1; tick <= 4; ++tick) k.FlipAnime_Timer();
  EXPECT_NEAR(k.FlipTime[2][3], 1.14, 1e-9);
  // t 1.14: the face about 33 wide, mirrored, from x0 + 23 to x0 + 56: the green half now on the
  // right. Outside it the clean board.
  const int mid = x0 + 40;
  const int y = y0 + 40;
  EXPECT_EQ(k.Canvas.pixel(mid + 10, y), qRgb(0, 255, 0));
  EXPECT_EQ(k.Canvas.pixel(mid - 10, y), qRgb(255, 255, 255));
  EXPECT_EQ(k.Canvas.pixel(x0 + 10, y), pictures.Board().pixel(x0 + 10, y));
  EXPECT_EQ(k.Canvas.pixel(x0 + 70, y), pictures.Board().pixel(x0 + 70, y));
  EXPECT_EQ(NewEffects(), QStringList{"tooon.wav"});
  // Three ticks of the back widening, then the end: the board redrawn with the back.
  for (int tick = 5; tick <= 7; ++tick) k.FlipAnime_Timer();
  EXPECT_NE(k.FlipTime[2][3], 0.0);
  EXPECT_TRUE(k.IsFlipRunning());
  k.FlipAnime_Timer();
  EXPECT_EQ(k.FlipTime[2][3], 0.0);
  QImage back = pictures.Board().copy(x0, y0, 80, 80);
  PaintSprite(back, pictures.Mask(), pictures.Card(kCardBack), 0, 0, 80, 80);
  EXPECT_EQ(k.Canvas.copy(x0, y0, 80, 80), back);
  EXPECT_EQ(NewEffects().size(), 1);
}

TEST_F(PaintTest, SeveralFlipsRunInStepAndTheSoundChangesNoFrame) {
  Start({0, 0, 1, 1, 2});
  // Two player cards flipped by a bomb (3.1) and an enemy card flipped by the fields (3.14),
  // all started together; every other square keeps its clock at 0.
  struct Flip {
    int c, r, code, was;
    double clock;
  };
  const Flip flips[] = {{2, 3, kFlippedPlayerCard, 1, 3.1},
                        {4, 3, kFlippedPlayerCard, 2, 3.1},
                        {3, 2, kFlippedEnemyCard, -1, 3.14}};
  auto flipThree = [&] {
    ResetBoard(k.Duel);
    k.Duel.Turn = TurnState::Player;
    for (const Flip& f : flips) {
      k.Duel.BoardCard[f.c][f.r] = static_cast<int16_t>(f.code);
      k.FlippedCard[f.c][f.r] = static_cast<int16_t>(f.was);
    }
    k.DrawBoard();
    for (const Flip& f : flips) k.FlipTime[f.c][f.r] = f.clock;
    MarkEffects();
  };
  // Eight ticks; the frames, and the sounds of each tick.
  auto run = [this](std::vector<QImage>& frames, std::vector<int>& sounds) {
    for (int tick = 1; tick <= 8; ++tick) {
      const QImage before = k.Canvas.copy();
      const int heard = static_cast<int>(NewEffects().size());
      k.FlipAnime_Timer();
      frames.push_back(k.Canvas.copy());
      sounds.push_back(static_cast<int>(NewEffects().count("tooon.wav")) - heard);
      EXPECT_EQ(k.IsFlipRunning(), tick < 8) << tick;
      if (tick == 8) continue;
      // A square whose clock is 0 is not touched by the tick.
      for (auto [c, r] : {std::pair{3, 5}, {3, 3}, {2, 2}, {1, 1}}) {
        EXPECT_EQ(k.Canvas.copy(80 * (c - 1), 80 * (r - 1), 80, 80),
                  before.copy(80 * (c - 1), 80 * (r - 1), 80, 80))
            << tick << ": " << c << "," << r;
      }
    }
  };

  flipThree();
  std::vector<QImage> withSound, silent;
  std::vector<int> sounds, silence;
  run(withSound, sounds);
  // Each flip sounds once, on its first tick.
  EXPECT_EQ(sounds, (std::vector<int>{3, 0, 0, 0, 0, 0, 0, 0}));
  // The end step drew both blue backs and the red one.
  QImage blueBack = pictures.Board().copy(80, 160, 80, 80);
  PaintSprite(blueBack, pictures.Mask(), pictures.Card(kCardBack), 0, 0, 80, 80);
  EXPECT_EQ(k.Canvas.copy(80, 160, 80, 80), blueBack);
  QImage redBack = pictures.Board().copy(160, 80, 80, 80);
  PaintSprite(redBack, pictures.Mask(), pictures.EnemyCard(kCardBack), 0, 0, 80, 80);
  EXPECT_EQ(k.Canvas.copy(160, 80, 80, 80), redBack);

  // With the effect switch off: silence, and the very same frames.
  sound.Switches().EffectCaption = QStringLiteral("効果音：ＯＦＦ");
  flipThree();
  run(silent, silence);
  EXPECT_TRUE(NewEffects().isEmpty());
  ASSERT_EQ(silent.size(), withSound.size());
  for (size_t i = 0; i < silent.size(); ++i) EXPECT_EQ(silent[i], withSound[i]) << i;
}

TEST_F(PaintTest, TransferMessageShowsTheCardLarge) {
  Start({0, 0, 1, 1, 2});
  const int won = k.Duel.EnemyHand[4];
  // 5 against 4: only the enemy's slot 4 lies face down.
  Finish(
      Board("  a  "
            " bcd "
            ".4-5."
            " 23. "
            "  1  "));
  k.Timer1_Timer();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "「" + CardName(won) + "」カードを手に入れた。");
  ASSERT_EQ(platform.messages[0].card, (ShownCard{won, false}));
  // The message shows the card as the board does: twice its size, mask and picture.
  const SharpArt art(pictures, QString());
  const QImage shown = PaintShownCard(platform.messages[0].card, art, 1.0, QColor(212, 208, 200));
  ASSERT_EQ(shown.size(), QSize(160, 160));
  // Twice the size: each picture pixel covers two by two.
  const QImage& card = pictures.Card(won);
  for (int p : {20, 40, 60}) EXPECT_EQ(shown.pixel(2 * p, 2 * p), card.pixel(p, p)) << p;
}

TEST_F(PaintTest, PicturesFromFilesWithPlaceholdersForMissingOrDamagedOnes) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("cards"));
  ASSERT_TRUE(QDir(dir.path()).mkpath("duel"));
  BlankImage(80, 80, qRgb(10, 200, 30)).save(dir.path() + "/cards/cardpic03.PNG");
  QFile bad(dir.path() + "/duel/Board.png");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  BlankImage(40, 40, qRgb(0, 0, 255)).save(dir.path() + "/duel/MyField.png");
  CardPictures read(dir.path(), &cards);
  // Each picture is read when it is first asked for, and only then counted as missing.
  EXPECT_TRUE(read.Missing().isEmpty());
  EXPECT_EQ(read.Card(3).pixel(40, 40), qRgb(10, 200, 30));  // name matched without case
  EXPECT_EQ(read.Card(3).format(), QImage::Format_RGB32);
  EXPECT_EQ(read.MyField().size(), QSize(80, 80));
  EXPECT_EQ(read.Board().size(), QSize(402, 402));  // damaged: the generated board
  EXPECT_EQ(read.Board().pixel(5, 5), CardPictures::PlaceholderBoard().pixel(5, 5));
  EXPECT_EQ(read.Missing(), QStringList{"Board.png"});
  // The generated pictures keep the painting rule: black outside the card, white outside the mask.
  EXPECT_EQ(read.Card(4).pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(read.Card(4), CardPictures::PlaceholderCard(4, false, &cards));
  EXPECT_EQ(read.Mask().pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(read.Mask().pixel(40, 40), qRgb(0, 0, 0));
  EXPECT_TRUE(read.Missing().contains("CardPic04.png"));
  EXPECT_TRUE(read.Missing().contains("CardMask.png"));
  EXPECT_FALSE(read.Missing().contains("CardPic03.png"));
  EXPECT_FALSE(read.Missing().contains("ECardPic04.png"));  // not looked at yet

  // Read ahead on a thread of its own while this one asks for the same pictures from the other
  // end: each comes out as read on demand, and the paint logs still name them.
  CardPictures ahead(dir.path(), &cards);
  ahead.ReadAhead();
  for (int k = kCardBack; k >= 0; --k) {
    ASSERT_EQ(ahead.EnemyCard(k), read.EnemyCard(k)) << k;
    ASSERT_EQ(ahead.Card(k), read.Card(k)) << k;
    EXPECT_EQ(ahead.Identify(ahead.EnemyCard(k)), (ArtRef{ArtKind::EnemyCard, k}));
  }
  for (ArtKind kind : {ArtKind::Mask, ArtKind::MyField, ArtKind::EnemyField, ArtKind::CornerMask,
                       ArtKind::CornerFrame, ArtKind::Board}) {
    EXPECT_EQ(ahead.Get({kind, 0}), read.Get({kind, 0}));
    EXPECT_EQ(ahead.Identify(ahead.Get({kind, 0})), (ArtRef{kind, 0}));
  }
  EXPECT_EQ(ahead.Identify(read.Board()), ArtRef{});
  // Every file was looked at by now: all but the two good ones are missing.
  EXPECT_EQ(ahead.Missing().size(), 2 * (kCardBack + 1) + 6 - 2);
  EXPECT_FALSE(ahead.Missing().contains("MyField.png"));

  // A new set put in place keeps the pictures where they were: references stay good.
  const QImage& third = ahead.Card(3);
  ahead = CardPictures(&cards);
  EXPECT_EQ(&ahead.Card(3), &third);
  EXPECT_EQ(third, CardPictures::PlaceholderCard(3, false, &cards));
  EXPECT_TRUE(ahead.Missing().isEmpty());
}

}  // namespace
}  // namespace korvane::testing
