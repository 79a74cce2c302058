// The adventure window's pictures: the town, the portraits, the title logo and the light tile.
// A missing or unreadable file is replaced by a plain picture of the right size, so the game
// still runs before the artwork is there.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <map>

namespace korvane {

struct AdventurePictures {
  QImage town;                     // 576 x 406, the map that Picture1 is loaded with
  QImage logo;                     // 302 x 189, the title logo (Picture5)
  QImage logoEnglish;              // the same for the English edition
  QImage lightTile;                // 10 x 10, RGB 235, 235, 235 (Picture3)
  std::array<QImage, 2> player;    // PlayerPic(0) male, (1) female, 100 x 100
  std::array<QImage, 6> opponent;  // OppPic(0..5), 100 x 100
};

// Reads dataDir/adventure/*.png; anything missing gets a placeholder.
AdventurePictures LoadAdventurePictures(const QString& dataDir);
// Placeholders only (tests).
AdventurePictures PlaceholderPictures();

// The adventure's pictures at 2x and 3x ("Town@2x.png" beside "Town.png") and the close-ups of the
// places ("CloseUp0@3x.png"), read when the zoomed view first needs each of them.
class SharpAdventureArt {
 public:
  explicit SharpAdventureArt(QString dataDir) : dir_(std::move(dataDir)) {}
  // `name` (the 1x file name) at `scale` times `size`; null when it is missing or damaged.
  const QImage* Get(const QString& name, QSize size, int scale) const;
  // The close-up of place 0..8, three times the picture's size; null when missing.
  const QImage* CloseUp(int place) const;

 private:
  QString dir_;
  mutable std::map<QString, QImage> cache_;
};

}  // namespace korvane
