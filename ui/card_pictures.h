// The duel's hidden source pictures: card faces for both sides, the card back, the mask, the two
// field tiles, the corner frame pair and the board image. Read from the data directory; a file
// that is missing or unreadable is replaced by a plain generated picture of the right size, so the
// window works the same with or without the artwork.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "engine/types.h"
#include "state/data_files.h"
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
  const QImage& Card(int k) const { return card_[Index(k)]; }
  // ECardPic(k): the enemy's face (red frame, turned 180 degrees); 40 the red back.
  const QImage& EnemyCard(int k) const { return enemyCard_[Index(k)]; }
  const QImage& Mask() const { return mask_; }                // CardMask
  const QImage& MyField() const { return myField_; }          // pure blue
  const QImage& EnemyField() const { return enemyField_; }    // pure red
  const QImage& CornerMask() const { return cornerMask_; }    // Picture3
  const QImage& CornerFrame() const { return cornerFrame_; }  // Picture2
  const QImage& Board() const { return board_; }              // 402 x 402

  // The picture a reference names, and the reference of one of these pictures (ArtKind::None for
  // any other image): how the paint logs name their sources.
  const QImage& Get(ArtRef ref) const;
  ArtRef Identify(const QImage& picture) const;

  // Tests put their own pictures in.
  void SetCard(int k, const QImage& player, const QImage& enemy);
  // Names of the files that were not found or could not be read.
  const QStringList& Missing() const { return missing_; }

  // The generated stand-ins.
  static QImage PlaceholderCard(int k, bool enemy, const CardTable* cards);
  static QImage PlaceholderMask();
  static QImage PlaceholderBoard();
  static QImage PlaceholderCorners(bool frame);

 private:
  static int Index(int k) { return k >= 0 && k <= kCardBack ? k : kCardBack; }
  void Generate(const CardTable* cards);
  QImage Load(const QString& dir, const QString& name, int w, int h, QRgb base,
              const std::function<QImage()>& fallback);

  std::array<QImage, kCardKinds + 1> card_, enemyCard_;
  QImage mask_, myField_, enemyField_, cornerMask_, cornerFrame_, board_;
  QStringList missing_;
};

}  // namespace korvane
