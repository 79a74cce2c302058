// The town map: 576 x 406, each place drawn where its hot spot lies (twips / 15).
#include "tools/assetgen/assetgen.h"

namespace assetgen {

QImage MakeTown() {
  QImage image(576, 406, QImage::Format_RGB32);
  image.fill(QColor(110, 170, 90));
  return image;
}

}  // namespace assetgen
