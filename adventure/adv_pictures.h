// The adventure window's pictures: the town, the portraits, the title logo and the light tile.
// A missing or unreadable file is replaced by a plain picture of the right size, so the game
// still runs before the artwork is there.
#pragma once

#include <QImage>
#include <QString>
#include <array>

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

}  // namespace korvane
