#include "duel/sharp_art.h"

#include <QDir>

namespace korvane {
namespace {

// The folder and 1x file name of a picture, and its 1x size.
struct FileOf {
  const char* folder;
  QString name;
  QSize size;
};

FileOf FileFor(ArtRef ref) {
  const QString nn = QStringLiteral("%1").arg(ref.index, 2, 10, QLatin1Char('0'));
  switch (ref.kind) {
    case ArtKind::Card:
      return {"cards", QStringLiteral("CardPic%1.png").arg(nn), {80, 80}};
    case ArtKind::EnemyCard:
      return {"cards", QStringLiteral("ECardPic%1.png").arg(nn), {80, 80}};
    case ArtKind::Mask:
      return {"cards", QStringLiteral("CardMask.png"), {80, 80}};
    case ArtKind::MyField:
      return {"duel", QStringLiteral("MyField.png"), {10, 10}};
    case ArtKind::EnemyField:
      return {"duel", QStringLiteral("EnemyField.png"), {10, 10}};
    case ArtKind::CornerMask:
      return {"duel", QStringLiteral("CornerMask.png"), {80, 80}};
    case ArtKind::CornerFrame:
      return {"duel", QStringLiteral("CornerFrame.png"), {80, 80}};
    case ArtKind::Board:
    case ArtKind::None:
      break;
  }
  return {"duel", QStringLiteral("Board.png"), {402, 402}};
}

}  // namespace

SharpArt::SharpArt(const CardPictures& pictures, QString dataDir)
    : pictures_(pictures), dataDir_(std::move(dataDir)) {}

int SharpArt::ArtScaleFor(double deviceScale) {
  if (deviceScale < 1.5) return 1;
  return deviceScale <= 2.0 ? 2 : 3;
}

const QImage& SharpArt::Get(ArtRef ref, int scale) const {
  if (scale <= 1 || dataDir_.isEmpty()) return pictures_.Get(ref);
  const auto key = std::make_tuple(int(ref.kind), ref.index, scale, false);
  auto it = cache_.find(key);
  if (it != cache_.end()) return it->second.isNull() ? pictures_.Get(ref) : it->second;
  const FileOf f = FileFor(ref);
  const QString name = f.name.left(f.name.size() - 4) + QStringLiteral("@%1x.png").arg(scale);
  QImage image;
  const QString path = FindFileNoCase(QDir(dataDir_).filePath(QLatin1String(f.folder)), name);
  if (!path.isEmpty() && image.load(path) && image.size() == f.size * scale) {
    image = image.convertToFormat(QImage::Format_RGB32);
  } else {
    image = QImage();  // missing or damaged: the 1x picture stands in
  }
  const QImage& kept = cache_[key] = image;
  return kept.isNull() ? pictures_.Get(ref) : kept;
}

const QImage& SharpArt::Sprite(ArtRef ref, int scale) const {
  const auto key = std::make_tuple(int(ref.kind), ref.index, scale, true);
  auto it = cache_.find(key);
  if (it != cache_.end()) return it->second;
  const QImage& picture = Get(ref, scale);
  QImage mask = Get({ArtKind::Mask, 0}, scale);
  if (mask.size() != picture.size()) mask = mask.scaled(picture.size());
  QImage sprite = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < sprite.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(sprite.scanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < sprite.width(); ++x) {
      // Black in the mask is card; white is outside it.
      const int a = 255 - qGray(m[x]);
      const QRgb c = line[x];
      line[x] = qRgba(qRed(c) * a / 255, qGreen(c) * a / 255, qBlue(c) * a / 255, a);
    }
  }
  return cache_[key] = sprite;
}

}  // namespace korvane
