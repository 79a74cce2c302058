#include "ui/sharp_art.h"

#include <QDir>

#include "state/data_files.h"

namespace korvane {
namespace {

// The folder and 1x file name of a duel picture, and its 1x size.
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
    default:
      break;
  }
  return {"duel", QStringLiteral("Board.png"), {402, 402}};
}

QString ScaledName(const QString& name, int scale) {
  return name.left(name.size() - 4) + QStringLiteral("@%1x.png").arg(scale);
}

// A sharp file of exactly `size` pixels, or a null image when it is missing or damaged. Touches
// nothing but the file: it may run on any thread.
QImage ReadSharp(const QString& dir, const QString& file, QSize size) {
  QImage image;
  const QString path = FindFileNoCase(dir, file);
  if (path.isEmpty() || !image.load(path) || image.size() != size) return QImage();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

SharpArt::SharpArt(const CardPictures& pictures, QString dataDir)
    : pictures_(pictures), dataDir_(std::move(dataDir)) {}

int SharpArt::ArtScaleFor(double deviceScale) {
  if (deviceScale < 1.5) return 1;
  return deviceScale <= 2.0 ? 2 : 3;
}

const QImage* SharpArt::File(const QString& folder, const QString& name, QSize size,
                             int scale) const {
  if (scale <= 1 || dataDir_.isEmpty()) return nullptr;
  const QString file = ScaledName(name, scale);
  const QString key = folder + QLatin1Char('/') + file;
  auto it = cache_.find(key);
  if (it == cache_.end()) {
    auto ahead = reading_.find(key);
    QImage image;
    if (ahead != reading_.end()) {
      image = ahead->second.get();
      reading_.erase(ahead);
    } else {
      image = ReadSharp(QDir(dataDir_).filePath(folder), file, size * scale);
    }
    it = cache_.emplace(key, std::move(image)).first;
  }
  return it->second.isNull() ? nullptr : &it->second;
}

void SharpArt::ReadAhead(const QString& folder, const QString& name, QSize size, int scale) const {
  if (scale <= 1 || dataDir_.isEmpty()) return;
  const QString file = ScaledName(name, scale);
  const QString key = folder + QLatin1Char('/') + file;
  if (cache_.count(key) || reading_.count(key)) return;
  reading_.emplace(key, std::async(std::launch::async, ReadSharp, QDir(dataDir_).filePath(folder),
                                   file, size * scale));
}

const QImage* SharpArt::CloseUp(int place) const {
  if (place < 0 || place > 8) return nullptr;
  return File(QStringLiteral("adventure"), QStringLiteral("CloseUp%1.png").arg(place), {576, 406},
              3);
}

const QImage& SharpArt::Get(ArtRef ref, int scale) const {
  const FileOf f = FileFor(ref);
  const QImage* sharp = File(QLatin1String(f.folder), f.name, f.size, scale);
  return sharp ? *sharp : pictures_.Get(ref);
}

const QImage& SharpArt::Sprite(ArtRef ref, int scale) const {
  const FileOf f = FileFor(ref);
  const QString key = QLatin1String(f.folder) + QLatin1Char('/') + ScaledName(f.name, scale) +
                      QStringLiteral("#sprite");
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
