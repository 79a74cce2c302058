#include "adventure/adv_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "adventure/adv_layout.h"
#include "state/data_files.h"
#include "ui/fonts.h"

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

QImage LoadOr(const QString& dir, const QString& name, QSize size, const QImage& fallback) {
  const QString path = FindFileNoCase(dir, name);
  QImage img;
  if (!path.isEmpty()) img.load(path);
  if (img.isNull()) return fallback;
  if (img.size() != size) img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return img;
}

}  // namespace

AdventurePictures PlaceholderPictures() {
  AdventurePictures pics;
  pics.town = PlaceholderTown();
  pics.logo = Plain(302, 189, QColor(40, 40, 90));
  {
    QPainter p(&pics.logo);
    QFont f(HandwritingFamily());
    f.setPixelSize(34);
    p.setFont(f);
    p.setPen(QColor(250, 220, 120));
    p.drawText(pics.logo.rect(), Qt::AlignCenter, QStringLiteral("ＫＯＲＶＡＮＥ"));
  }
  pics.logoEnglish = pics.logo;
  pics.lightTile = Plain(10, 10, QColor(235, 235, 235));
  pics.player[0] = Plain(100, 100, QColor(120, 150, 220), QStringLiteral("PlayerPic0"));
  pics.player[1] = Plain(100, 100, QColor(230, 150, 170), QStringLiteral("PlayerPic1"));
  for (int i = 0; i < 6; ++i) {
    pics.opponent[i] =
        Plain(100, 100, QColor::fromHsv(i * 55, 90, 220), QStringLiteral("OppPic%1").arg(i));
  }
  return pics;
}

AdventurePictures LoadAdventurePictures(const QString& dataDir) {
  AdventurePictures pics = PlaceholderPictures();
  const QString dir = QDir(dataDir).filePath(QStringLiteral("adventure"));
  pics.town = LoadOr(dir, QStringLiteral("Town.png"), {kPictureWidth, kPictureHeight}, pics.town);
  pics.logo = LoadOr(dir, QStringLiteral("Logo.png"), {302, 189}, pics.logo);
  pics.logoEnglish = LoadOr(dir, QStringLiteral("Logo_en.png"), {302, 189}, pics.logo);
  pics.lightTile = LoadOr(dir, QStringLiteral("LightTile.png"), {10, 10}, pics.lightTile);
  for (int i = 0; i < 2; ++i) {
    pics.player[i] =
        LoadOr(dir, QStringLiteral("PlayerPic%1.png").arg(i), {100, 100}, pics.player[i]);
  }
  for (int i = 0; i < 6; ++i) {
    pics.opponent[i] =
        LoadOr(dir, QStringLiteral("OppPic%1.png").arg(i), {100, 100}, pics.opponent[i]);
  }
  return pics;
}

}  // namespace korvane
