#include "ui/card_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "engine/card_table.h"
#include "state/data_files.h"
#include "ui/fonts.h"
#include "ui/sprite.h"

namespace korvane {
namespace {

constexpr int kCard = 80;
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// The card's outline: a square with its corners cut in a curve.
QPainterPath CardOutline() {
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 1, 78, 78), 9, 9);
  return path;
}

QString SideText(char code) {
  if (code == '0') return QStringLiteral("×");
  if (code == 'a') return QStringLiteral("Ａ");
  if (code == 'b') return QStringLiteral("Ｂ");
  if (code == 's') return QStringLiteral("ｓ");
  return QString(QChar(code));
}

}  // namespace

CardPictures::CardPictures(const CardTable* cards) { Generate(cards); }

// Stand-ins are drawn only for files that are missing: drawing all of them first would hold the
// first window back for nothing.
CardPictures::CardPictures(const QString& dataDir, const CardTable* cards) {
  const QString cardDir = dataDir + QStringLiteral("/cards");
  const QString duelDir = dataDir + QStringLiteral("/duel");
  for (int k = 0; k <= kCardBack; ++k) {
    const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
    card_[k] = Load(cardDir, QStringLiteral("CardPic%1.png").arg(nn), kCard, kCard, kBlack,
                    [&] { return PlaceholderCard(k, false, cards); });
    enemyCard_[k] = Load(cardDir, QStringLiteral("ECardPic%1.png").arg(nn), kCard, kCard, kBlack,
                         [&] { return PlaceholderCard(k, true, cards); });
  }
  mask_ = Load(cardDir, QStringLiteral("CardMask.png"), kCard, kCard, kWhite, PlaceholderMask);
  myField_ = Load(duelDir, QStringLiteral("MyField.png"), kCard, kCard, kBlack,
                  [] { return BlankImage(10, 10, qRgb(0, 0, 255)); });
  enemyField_ = Load(duelDir, QStringLiteral("EnemyField.png"), kCard, kCard, kBlack,
                     [] { return BlankImage(10, 10, qRgb(255, 0, 0)); });
  cornerMask_ = Load(duelDir, QStringLiteral("CornerMask.png"), kCard, kCard, kBlack,
                     [] { return PlaceholderCorners(false); });
  cornerFrame_ = Load(duelDir, QStringLiteral("CornerFrame.png"), kCard, kCard, kWhite,
                      [] { return PlaceholderCorners(true); });
  board_ = Load(duelDir, QStringLiteral("Board.png"), 402, 402, kBlack, PlaceholderBoard);
}

QImage CardPictures::Load(const QString& dir, const QString& name, int w, int h, QRgb base,
                          const std::function<QImage()>& fallback) {
  const QString path = FindFileNoCase(dir, name);
  QImage read;
  if (path.isEmpty() || !read.load(path) || read.isNull()) {
    missing_ << name;
    return fallback();
  }
  // Any transparency is laid over the colour the painting rule expects outside the shape.
  QImage out = BlankImage(w, h, base);
  QPainter p(&out);
  p.drawImage(QRect(0, 0, w, h), read);
  return out;
}

const QImage& CardPictures::Get(ArtRef ref) const {
  switch (ref.kind) {
    case ArtKind::Card:
      return Card(ref.index);
    case ArtKind::EnemyCard:
      return EnemyCard(ref.index);
    case ArtKind::Mask:
      return mask_;
    case ArtKind::MyField:
      return myField_;
    case ArtKind::EnemyField:
      return enemyField_;
    case ArtKind::CornerMask:
      return cornerMask_;
    case ArtKind::CornerFrame:
      return cornerFrame_;
    case ArtKind::Board:
    case ArtKind::None:
      break;
  }
  return board_;
}

ArtRef CardPictures::Identify(const QImage& picture) const {
  const QImage* p = &picture;
  if (p >= &card_.front() && p <= &card_.back()) return {ArtKind::Card, int(p - &card_.front())};
  if (p >= &enemyCard_.front() && p <= &enemyCard_.back())
    return {ArtKind::EnemyCard, int(p - &enemyCard_.front())};
  const std::pair<const QImage*, ArtKind> single[] = {
      {&board_, ArtKind::Board},           {&mask_, ArtKind::Mask},
      {&myField_, ArtKind::MyField},       {&enemyField_, ArtKind::EnemyField},
      {&cornerMask_, ArtKind::CornerMask}, {&cornerFrame_, ArtKind::CornerFrame}};
  for (const auto& [image, kind] : single) {
    if (p == image) return {kind, 0};
  }
  return {};
}

void CardPictures::SetCard(int k, const QImage& player, const QImage& enemy) {
  card_[Index(k)] = player.convertToFormat(QImage::Format_RGB32);
  enemyCard_[Index(k)] = enemy.convertToFormat(QImage::Format_RGB32);
}

void CardPictures::Generate(const CardTable* cards) {
  for (int k = 0; k <= kCardBack; ++k) {
    card_[k] = PlaceholderCard(k, false, cards);
    enemyCard_[k] = PlaceholderCard(k, true, cards);
  }
  mask_ = PlaceholderMask();
  myField_ = BlankImage(10, 10, qRgb(0, 0, 255));
  enemyField_ = BlankImage(10, 10, qRgb(255, 0, 0));
  cornerMask_ = PlaceholderCorners(false);
  cornerFrame_ = PlaceholderCorners(true);
  board_ = PlaceholderBoard();
}

QImage CardPictures::PlaceholderCard(int k, bool enemy, const CardTable* cards) {
  QImage img = BlankImage(kCard, kCard, kBlack);
  QPainter p(&img);
  const QColor frame = enemy ? QColor(200, 0, 0) : QColor(0, 0, 200);
  p.fillPath(CardOutline(), frame);
  QPainterPath inner;
  inner.addRoundedRect(QRectF(5, 5, 70, 70), 6, 6);
  if (k == kCardBack) {
    p.fillPath(inner, enemy ? QColor(120, 30, 30) : QColor(30, 40, 120));
    p.setClipPath(inner);
    p.setPen(QPen(enemy ? QColor(230, 120, 120) : QColor(120, 150, 240), 2));
    for (int d = -80; d < 160; d += 10) p.drawLine(d, 0, d + 80, 80);
    return img;
  }
  p.fillPath(inner, QColor(240, 232, 210));
  p.setFont(GothicFont(15, true));
  p.setPen(QColor(30, 30, 30));
  if (cards) {
    const QRect cells[4] = {{25, 6, 30, 18}, {56, 31, 18, 18}, {25, 56, 30, 18}, {6, 31, 18, 18}};
    for (int side = 1; side <= 4; ++side) {
      p.drawText(cells[side - 1], Qt::AlignCenter, SideText(cards->Side(k, side)));
    }
    p.setFont(GothicFont(9));
    p.drawText(QRect(8, 24, 64, 32), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromStdString(cards->Name(k)));
  } else {
    p.drawText(QRect(5, 5, 70, 70), Qt::AlignCenter, QString::number(k));
  }
  p.end();
  // The enemy's cards lie turned round.
  return enemy ? img.mirrored(true, true) : img;
}

QImage CardPictures::PlaceholderMask() {
  QImage img = BlankImage(kCard, kCard, kWhite);
  QPainter p(&img);
  p.fillPath(CardOutline(), Qt::black);
  return img;
}

QImage CardPictures::PlaceholderCorners(bool frame) {
  // Picture3 is black with white brackets; Picture2 white with the same brackets in yellow.
  QImage img = BlankImage(kCard, kCard, frame ? kWhite : kBlack);
  const QColor bracket = frame ? QColor(255, 255, 0) : QColor(255, 255, 255);
  QPainter p(&img);
  constexpr int len = 20, th = 4;
  for (int cx : {0, kCard - len}) {
    for (int cy : {0, kCard - len}) {
      const int vx = cx == 0 ? 0 : kCard - th;
      const int hy = cy == 0 ? 0 : kCard - th;
      p.fillRect(cx, hy, len, th, bracket);
      p.fillRect(vx, cy, th, len, bracket);
    }
  }
  return img;
}

QImage CardPictures::PlaceholderBoard() {
  QImage img = BlankImage(402, 402, qRgb(128, 60, 40));
  QPainter p(&img);
  // Brick courses over the whole picture, then stone on the diamond.
  p.setPen(QColor(80, 40, 30));
  for (int y = 0; y < 402; y += 10) {
    p.drawLine(0, y, 401, y);
    for (int x = (y / 10) % 2 ? 0 : 10; x < 402; x += 20) p.drawLine(x, y, x, y + 9);
  }
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (!IsPlayable(c, r)) continue;
      const int x = 80 * (c - 1), y = 80 * (r - 1);
      p.fillRect(x, y, 80, 80, QColor(120, 120, 120));
      p.fillRect(x + 2, y + 2, 76, 76, QColor(168, 166, 160));
      p.fillRect(x + 2, y + 2, 76, 2, QColor(196, 194, 188));
      p.fillRect(x + 2, y + 2, 2, 76, QColor(196, 194, 188));
    }
  }
  return img;
}

}  // namespace korvane
