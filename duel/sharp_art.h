// SharpArt: the duel's pictures at 2x and 3x ("CardPic07@2x.png" beside "CardPic07.png"), read
// when a zoomed view first needs each of them. A file that is missing or damaged leaves the 1x
// picture in its place, which the painter then enlarges: the window looks softer, never wrong.
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <tuple>

#include "duel/card_pictures.h"
#include "duel/paint_log.h"

namespace korvane {

class SharpArt {
 public:
  // `pictures` are the 1x pictures the logic paints with; `dataDir` holds the sharper files
  // (empty: there are none).
  SharpArt(const CardPictures& pictures, QString dataDir);

  // The art that suits a picture drawn `deviceScale` times its 1x size: 1x below 1.5, 2x up to 2,
  // 3x above.
  static int ArtScaleFor(double deviceScale);

  // `ref` at `scale` (1, 2 or 3) times its 1x size, or the 1x picture when that file is missing.
  const QImage& Get(ArtRef ref, int scale) const;
  // The picture with the card's outline as alpha (premultiplied): a sprite to lay at any size.
  const QImage& Sprite(ArtRef ref, int scale) const;
  const CardPictures& Small() const { return pictures_; }

 private:
  const CardPictures& pictures_;
  QString dataDir_;
  // (kind, index, scale, sprite) -> picture
  mutable std::map<std::tuple<int, int, int, bool>, QImage> cache_;
};

}  // namespace korvane
