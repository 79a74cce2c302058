#include "ui/card_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <memory>
#include <optional>

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

// What the reader of the pictures works from: the folders (none: every picture generated) and a
// copy of the card table for the stand-ins' side codes and names, taken when the set is made.
struct PictureSource {
  bool files = false;
  QString cardDir, duelDir;
  std::optional<CardTable> cards;
};

// A picture file laid over the colour the painting rule expects outside the shape, at w x h.
LazyPictures::Read ReadFile(const QString& dir, const QString& name, int w, int h, QRgb base) {
  const QString path = FindFileNoCase(dir, name);
  QImage read;
  if (path.isEmpty() || !read.load(path) || read.isNull()) return {QImage(), true};
  QImage out = BlankImage(w, h, base);
  QPainter p(&out);
  p.drawImage(QRect(0, 0, w, h), read);
  return {out, false};
}

std::shared_ptr<const PictureSource> MakeSource(const QString* dataDir, const CardTable* cards) {
  auto source = std::make_shared<PictureSource>();
  if (dataDir) {
    source->files = true;
    source->cardDir = *dataDir + QStringLiteral("/cards");
    source->duelDir = *dataDir + QStringLiteral("/duel");
  }
  if (cards) source->cards = *cards;
  return source;
}

}  // namespace

CardPictures::CardPictures(const CardTable* cards) : CardPictures(nullptr, cards) {}

CardPictures::CardPictures(const QString& dataDir, const CardTable* cards)
    : CardPictures(&dataDir, cards) {}

// Stand-ins are drawn only for files that are missing, and only when their picture is first
// needed: drawing all of them first would hold the first window back for nothing.
CardPictures::CardPictures(const QString* dataDir, const CardTable* cards)
    : pictures_(kCount, [source = MakeSource(dataDir, cards)](int index) {
        const CardTable* table = source->cards ? &*source->cards : nullptr;
        const int k = index < kEnemy ? index : index - kEnemy;
        std::function<QImage()> fallback;
        QString dir = source->duelDir;
        int size = kCard;
        QRgb base = kBlack;
        if (index < kMask) {
          dir = source->cardDir;
          fallback = [k, table, enemy = index >= kEnemy] {
            return PlaceholderCard(k, enemy, table);
          };
        } else if (index == kMask) {
          dir = source->cardDir;
          base = kWhite;
          fallback = PlaceholderMask;
        } else if (index == kMyField || index == kEnemyField) {
          const QRgb colour = index == kMyField ? qRgb(0, 0, 255) : qRgb(255, 0, 0);
          fallback = [colour] { return BlankImage(10, 10, colour); };
        } else if (index == kCornerMask || index == kCornerFrame) {
          if (index == kCornerFrame) base = kWhite;
          fallback = [frame = index == kCornerFrame] { return PlaceholderCorners(frame); };
        } else {
          size = 402;
          fallback = PlaceholderBoard;
        }
        if (!source->files) return LazyPictures::Read{fallback(), false};
        LazyPictures::Read read = ReadFile(dir, FileName(index), size, size, base);
        if (read.missing) read.picture = fallback();
        return read;
      }) {}

QString CardPictures::FileName(int index) {
  if (index < kMask) {
    const int k = index < kEnemy ? index : index - kEnemy;
    return QStringLiteral("%1CardPic%2.png")
        .arg(index < kEnemy ? QString() : QStringLiteral("E"))
        .arg(k, 2, 10, QLatin1Char('0'));
  }
  switch (index) {
    case kMask:
      return QStringLiteral("CardMask.png");
    case kMyField:
      return QStringLiteral("MyField.png");
    case kEnemyField:
      return QStringLiteral("EnemyField.png");
    case kCornerMask:
      return QStringLiteral("CornerMask.png");
    case kCornerFrame:
      return QStringLiteral("CornerFrame.png");
    default:
      return QStringLiteral("Board.png");
  }
}

QStringList CardPictures::Missing() const {
  QStringList names;
  for (int index : pictures_.Missing()) names << FileName(index);
  return names;
}

void CardPictures::ReadAhead() const {
  std::vector<int> order{kBoard,      kMask,        kMyField,  kEnemyField,
                         kCornerMask, kCornerFrame, kCardBack, kEnemy + kCardBack};
  for (int k = 0; k < kCardBack; ++k) {
    order.push_back(k);
    order.push_back(kEnemy + k);
  }
  pictures_.ReadAhead(std::move(order));
}

const QImage& CardPictures::Get(ArtRef ref) const {
  switch (ref.kind) {
    case ArtKind::Card:
      return Card(ref.index);
    case ArtKind::EnemyCard:
      return EnemyCard(ref.index);
    case ArtKind::Mask:
      return Mask();
    case ArtKind::MyField:
      return MyField();
    case ArtKind::EnemyField:
      return EnemyField();
    case ArtKind::CornerMask:
      return CornerMask();
    case ArtKind::CornerFrame:
      return CornerFrame();
    default:
      break;
  }
  return Board();
}

// By address: the paint logs name the picture that was drawn, not one that looks the same.
ArtRef CardPictures::Identify(const QImage& picture) const {
  const std::ptrdiff_t index = &picture - pictures_.First();
  if (index < 0 || index >= kCount) return {};
  if (index < kEnemy) return {ArtKind::Card, int(index)};
  if (index < kMask) return {ArtKind::EnemyCard, int(index - kEnemy)};
  constexpr ArtKind kRest[] = {ArtKind::Mask,       ArtKind::MyField,     ArtKind::EnemyField,
                               ArtKind::CornerMask, ArtKind::CornerFrame, ArtKind::Board};
  return {kRest[index - kMask], 0};
}

void CardPictures::SetCard(int k, const QImage& player, const QImage& enemy) {
  pictures_.Put(Index(k), player.convertToFormat(QImage::Format_RGB32));
  pictures_.Put(kEnemy + Index(k), enemy.convertToFormat(QImage::Format_RGB32));
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
