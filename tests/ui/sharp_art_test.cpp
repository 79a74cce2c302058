// The sharp-art cache with a file read ahead on another thread gives exactly what it gives
// without: the same pixels for a good file, and null for one missing, of the wrong size, or at 1x.
#include "ui/sharp_art.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/card_pictures.h"

namespace korvane {
namespace {

TEST(SharpArtTest, AFileReadAheadIsTheFileReadWhenAskedFor) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("adventure")));
  QImage picture(20, 10, QImage::Format_RGB32);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) picture.setPixel(x, y, qRgb(x * 12, y * 25, 90));
  const QString folder = dir.path() + QStringLiteral("/adventure/");
  ASSERT_TRUE(picture.save(folder + QStringLiteral("Logo@2x.png")));
  ASSERT_TRUE(picture.save(folder + QStringLiteral("Small@2x.png")));  // not twice its 1x size

  struct Case {
    const char* name;
    QSize size;
    int scale;
    bool found;
  };
  const Case cases[] = {
      {"Logo.png", {10, 5}, 2, true},   // read ahead, then asked for
      {"Small.png", {8, 4}, 2, false},  // the wrong size is damage: the 1x picture stays
      {"Gone.png", {10, 5}, 2, false},  // missing
      {"Logo.png", {10, 5}, 1, false},  // 1x is never a sharp file
  };
  const CardPictures noCards;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SharpArt ahead(noCards, dir.path()), plain(noCards, dir.path());
    const QString name = QString::fromLatin1(c.name);
    ahead.ReadAhead(QStringLiteral("adventure"), name, c.size, c.scale);
    ahead.ReadAhead(QStringLiteral("adventure"), name, c.size, c.scale);  // once is enough
    const QImage* read = ahead.File(QStringLiteral("adventure"), name, c.size, c.scale);
    const QImage* direct = plain.File(QStringLiteral("adventure"), name, c.size, c.scale);
    ASSERT_EQ(read != nullptr, c.found);
    ASSERT_EQ(direct != nullptr, c.found);
    if (!c.found) continue;
    EXPECT_EQ(*read, *direct);
    EXPECT_EQ(read->pixel(19, 9), picture.pixel(19, 9));
    // Kept: asked for again, the same image.
    EXPECT_EQ(ahead.File(QStringLiteral("adventure"), name, c.size, c.scale), read);
  }
}

}  // namespace
}  // namespace korvane
