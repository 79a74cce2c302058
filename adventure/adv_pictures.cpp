#include "adventure/adv_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "adventure/adv_layout.h"
#include "state/data_files.h"
#include "ui/fonts.h"
#include "ui/lazy_pictures.h"

namespace korvane {
namespace {

QImage Plain(int w, int h, QColor fill, const QString& label = {}) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  if (!label.isEmpty()) {
    QPainter p(&img);
    p.setPen(fill.lightness() < 128 ? QColor(Qt::white) : fill.darker(180));
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, label);
  }
  return img;
}

// A simple town so that the map still reads as a map: green ground, a road, a box per place.
QImage PlaceholderTown() {
  QImage img = Plain(kPictureWidth, kPictureHeight, QColor(150, 190, 120));
  QPainter p(&img);
  p.fillRect(QRect(0, 190, kPictureWidth, 26), QColor(200, 185, 150));
  p.fillRect(QRect(270, 0, 24, kPictureHeight), QColor(200, 185, 150));
  static const char* kNames[9] = {"0", "1", "2", "3", "4", "5", "6", "7", "8"};
  for (int i = 0; i < 9; ++i) {
    QRect r = kClickerRects[i].Pixels().adjusted(12, 12, -12, -12);
    p.fillRect(r, QColor(185, 120, 90));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString::fromLatin1(kNames[i]));
  }
  return img;
}

QImage LoadOr(const QString& dir, const QString& name, QSize size,
              const std::function<QImage()>& fallback) {
  const QString path = FindFileNoCase(dir, name);
  QImage img;
  if (!path.isEmpty()) img.load(path);
  if (img.isNull()) return fallback();
  if (img.size() != size) img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return img;
}

QImage PlaceholderLogo() {
  QImage logo = Plain(302, 189, QColor(40, 40, 90));
  QPainter p(&logo);
  QFont f(HandwritingFamily());
  f.setPixelSize(34);
  p.setFont(f);
  p.setPen(QColor(250, 220, 120));
  p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("ＫＯＲＶＡＮＥ"));
  return logo;
}

// The pictures in the set, in the order the reader knows them.
enum Picture {
  kTown,
  kLogo,
  kLogoEnglish,
  kLightTile,
  kPlayer,
  kOpponent = kPlayer + 2,
  kCount = kOpponent + 6
};

// The generated picture `index`.
QImage Placeholder(int index) {
  switch (index) {
    case kTown:
      return PlaceholderTown();
    case kLogo:
    case kLogoEnglish:
      return PlaceholderLogo();
    case kLightTile:
      return Plain(10, 10, QColor(235, 235, 235));
    case kPlayer:
      return Plain(100, 100, QColor(120, 150, 220), QStringLiteral("PlayerPic0"));
    case kPlayer + 1:
      return Plain(100, 100, QColor(230, 150, 170), QStringLiteral("PlayerPic1"));
    default:
      break;
  }
  const int i = index - kOpponent;
  return Plain(100, 100, QColor::fromHsv(i * 55, 90, 220), QStringLiteral("OppPic%1").arg(i));
}

// Picture `index` from `dir`, or its generated one. The English logo falls back on the Japanese.
QImage ReadPicture(const QString& dir, int index) {
  const auto placeholder = [index] { return Placeholder(index); };
  switch (index) {
    case kTown:
      // The map is drawn on with raster operations, which are exact on RGB32 only.
      return LoadOr(dir, QStringLiteral("Town.png"), {kPictureWidth, kPictureHeight}, placeholder)
          .convertToFormat(QImage::Format_RGB32);
    case kLogo:
      return LoadOr(dir, QStringLiteral("Logo.png"), {302, 189}, placeholder);
    case kLogoEnglish:
      return LoadOr(dir, QStringLiteral("Logo_en.png"), {302, 189},
                    [&dir] { return ReadPicture(dir, kLogo); });
    case kLightTile:
      return LoadOr(dir, QStringLiteral("LightTile.png"), {10, 10}, placeholder);
    case kPlayer:
    case kPlayer + 1:
      return LoadOr(dir, QStringLiteral("PlayerPic%1.png").arg(index - kPlayer), {100, 100},
                    placeholder);
    default:
      break;
  }
  return LoadOr(dir, QStringLiteral("OppPic%1.png").arg(index - kOpponent), {100, 100},
                placeholder);
}

}  // namespace

AdventurePictures::AdventurePictures()
    : pictures_(std::make_shared<LazyPictures>(kCount, [](int index) {
        QImage picture = Placeholder(index);
        if (index == kTown) picture = picture.convertToFormat(QImage::Format_RGB32);
        return LazyPictures::Read{picture, false};
      })) {}

AdventurePictures::AdventurePictures(const QString& dataDir)
    : pictures_(std::make_shared<LazyPictures>(
          kCount, [dir = QDir(dataDir).filePath(QStringLiteral("adventure"))](int index) {
            return LazyPictures::Read{ReadPicture(dir, index), false};
          })) {}

const QImage& AdventurePictures::Town() const { return pictures_->Get(kTown); }
const QImage& AdventurePictures::Logo() const { return pictures_->Get(kLogo); }
const QImage& AdventurePictures::LogoEnglish() const { return pictures_->Get(kLogoEnglish); }
const QImage& AdventurePictures::LightTile() const { return pictures_->Get(kLightTile); }
const QImage& AdventurePictures::Player(int sex) const {
  return pictures_->Get(kPlayer + (sex == 1 ? 1 : 0));
}
const QImage& AdventurePictures::Opponent(int i) const {
  return pictures_->Get(kOpponent + std::clamp(i, 0, 5));
}

void AdventurePictures::ReadAhead() const {
  pictures_->ReadAhead({kTown, kLightTile, kPlayer, kPlayer + 1, kOpponent, kOpponent + 1,
                        kOpponent + 2, kOpponent + 3, kOpponent + 4, kOpponent + 5, kLogo,
                        kLogoEnglish});
}

AdventurePictures PlaceholderPictures() { return AdventurePictures(); }

AdventurePictures LoadAdventurePictures(const QString& dataDir) {
  return AdventurePictures(dataDir);
}

}  // namespace korvane
