// The adventure window's pictures: the town, the portraits, the title logo and the light tile.
// A missing or unreadable file is replaced by a plain picture of the right size, so the game
// still runs before the artwork is there.
//
// Each picture is read the first time it is asked for (the title needs only its logo), or ahead
// of that by ReadAhead on a thread of its own once the title is up. Copies share one set of
// pictures, read once.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

namespace korvane {

class LazyPictures;

class AdventurePictures {
 public:
  // The generated pictures only.
  AdventurePictures();
  // Read from dataDir/adventure; anything missing gets its generated picture.
  explicit AdventurePictures(const QString& dataDir);

  const QImage& Town() const;           // 576 x 406 RGB32, the map that Picture1 is loaded with
  const QImage& Logo() const;           // 302 x 189, the title logo (Picture5)
  const QImage& LogoEnglish() const;    // the same for the English edition
  const QImage& LightTile() const;      // 10 x 10, RGB 235, 235, 235 (Picture3)
  const QImage& Player(int sex) const;  // PlayerPic(0) male, (1) female, 100 x 100
  const QImage& Opponent(int i) const;  // OppPic(0..5), 100 x 100

  // Reads every picture not read yet on a thread of its own, at a low priority: the town and
  // the portraits first.
  void ReadAhead() const;

 private:
  std::shared_ptr<LazyPictures> pictures_;
};

// Reads dataDir/adventure/*.png when each is first needed; anything missing gets a placeholder.
AdventurePictures LoadAdventurePictures(const QString& dataDir);
// Placeholders only (tests).
AdventurePictures PlaceholderPictures();

}  // namespace korvane
