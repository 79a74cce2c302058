// The duel's hidden source pictures: card faces for both sides, the card back, the mask, the two
// field tiles, the corner frame pair and the board image. Read from the data directory; a file
// that is missing or unreadable is replaced by a plain generated picture of the right size, so the
// window works the same with or without the artwork.
//
// Nothing is read or drawn when the set is made: each picture is read the first time it is asked
// for, or ahead of that by ReadAhead, on a thread of its own (see ui/lazy_pictures.h). The title
// shows none of them, so the game opens without waiting for them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "engine/types.h"
#include "state/data_files.h"
#include "ui/lazy_pictures.h"
#include "ui/paint_log.h"

namespace korvane {

class CardTable;

class CardPictures {
 public:
  // All pictures generated. `cards` (may be null) gives the placeholders their side codes.
  explicit CardPictures(const CardTable* cards = nullptr);
  // Reads dataDir/cards/*.png and dataDir/duel/*.png, names matched without regard to case.
  CardPictures(const QString& dataDir, const CardTable* cards);

  // CardPic(k): the player's face of card k, k 0..39; 40 the back with the blue frame.
  const QImage& Card(int k) const { return pictures_.Get(Index(k)); }
  // ECardPic(k): the enemy's face (red frame, turned 180 degrees); 40 the red back.
  const QImage& EnemyCard(int k) const { return pictures_.Get(kEnemy + Index(k)); }
  const QImage& Mask() const { return pictures_.Get(kMask); }                // CardMask
  const QImage& MyField() const { return pictures_.Get(kMyField); }          // pure blue
  const QImage& EnemyField() const { return pictures_.Get(kEnemyField); }    // pure red
  const QImage& CornerMask() const { return pictures_.Get(kCornerMask); }    // Picture3
  const QImage& CornerFrame() const { return pictures_.Get(kCornerFrame); }  // Picture2
  const QImage& Board() const { return pictures_.Get(kBoard); }              // 402 x 402

  // The picture a reference names, and the reference of one of these pictures (ArtKind::None for
  // any other image): how the paint logs name their sources.
  const QImage& Get(ArtRef ref) const;
  ArtRef Identify(const QImage& picture) const;

  // Tests put their own pictures in.
  void SetCard(int k, const QImage& player, const QImage& enemy);
  // Names of the files that were not found or could not be read, of those looked at so far.
  QStringList Missing() const;
  // Reads every picture not read yet on a thread of its own, at a low priority: the board, the
  // mask, the tiles and the backs first, then the faces. Meanwhile any picture asked for is read
  // at once, as without it.
  void ReadAhead() const;

  // The generated stand-ins.
  static QImage PlaceholderCard(int k, bool enemy, const CardTable* cards);
  static QImage PlaceholderMask();
  static QImage PlaceholderBoard();
  static QImage PlaceholderCorners(bool frame);

 private:
  // Where each picture lies in the set: the player's faces and back, the enemy's, then the rest.
  static constexpr int kEnemy = kCardBack + 1;
  static constexpr int kMask = 2 * kEnemy;
  static constexpr int kMyField = kMask + 1;
  static constexpr int kEnemyField = kMask + 2;
  static constexpr int kCornerMask = kMask + 3;
  static constexpr int kCornerFrame = kMask + 4;
  static constexpr int kBoard = kMask + 5;
  static constexpr int kCount = kBoard + 1;
  static int Index(int k) { return k >= 0 && k <= kCardBack ? k : kCardBack; }
  static QString FileName(int index);

  CardPictures(const QString* dataDir, const CardTable* cards);

  LazyPictures pictures_;
};

}  // namespace korvane
