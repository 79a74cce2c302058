// Portraits of the six characters and the player, 100 x 100, one style.
#include "tools/assetgen/assetgen.h"

namespace assetgen {

QImage MakePortrait(int who) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(QColor::fromHsv(who * 45, 80, 230));
  return image;
}

}  // namespace assetgen
