// SharpArt: the games's pictures at 2x and 3x ("CardPic07@2x.png" beside "CardPic07.png",
// "Town@3x.png" beside "Town.png"), read when a zoomed view first needs each of them and kept for
// the whole run: one cache for every window. A file that is missing or damaged leaves the 1x
// picture in its place, which the painter then enlarges: the window looks softer, never wrong.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <future>
#include <map>

#include "ui/card_pictures.h"
#include "ui/paint_log.h"

namespace korvane {

class SharpArt {
 public:
  // `pictures` are the duel's 1x pictures the logic paints with (the fallbacks of Get and
  // Sprite); `dataDir` holds the sharper files (empty: there are none).
  SharpArt(const CardPictures& pictures, QString dataDir);

  // The art that suits a picture drawn `deviceScale` times its 1x size: 1x below 1.5, 2x up to 2,
  // 3x above.
  static int ArtScaleFor(double deviceScale);

  // The duel's picture `ref` at `scale` (1, 2 or 3) times its 1x size, or the 1x picture when
  // that file is missing.
  const QImage& Get(ArtRef ref, int scale) const;
  // The picture with the card's outline as alpha (premultiplied): a sprite to lay at any size.
  const QImage& Sprite(ArtRef ref, int scale) const;
  const CardPictures& Small() const { return pictures_; }

  // Any picture by its 1x file name in a folder of the data directory ("adventure",
  // "Town.png"), at `scale` times `size`; null when it is missing or damaged, or at 1x.
  const QImage* File(const QString& folder, const QString& name, QSize size, int scale) const;
  // Starts reading that file on a thread of its own; the File call that asks for it then takes
  // that read (waiting for it if need be) instead of reading the file itself.
  void ReadAhead(const QString& folder, const QString& name, QSize size, int scale) const;
  // The close-up of place 0..8, three times the adventure's picture; null when missing.
  const QImage* CloseUp(int place) const;

 private:
  const CardPictures& pictures_;
  QString dataDir_;
  mutable std::map<QString, QImage> cache_;  // "folder/name@Nx.png", a sprite with "#sprite"
  mutable std::map<QString, std::future<QImage>> reading_;  // read ahead, by the same keys
};

}  // namespace korvane
