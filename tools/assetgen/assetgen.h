// korvane-assetgen: every picture, tune and effect of the game is drawn, written or
// synthesised here from the sources under assets/. Output is deterministic: no clock, no
// global random generator, only the seeded Rng below.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

// One line of assets/cards.tsv: side codes as written ('0'..'9', 's', 'a', 'b') and the name.
struct CardDef {
  int id = 0;
  std::array<char, 4> sides{};
  QString name;
};

// Reads the card table; on failure returns an empty list and fills *error.
std::vector<CardDef> ReadCardTable(const QString& path, QString* error);

// Small deterministic generator for textures (xorshift).
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double Unit() { return (Next() & 0xffffff) / double(0x1000000); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  int Int(int lo, int hi) { return lo + int(Next() % uint32_t(hi - lo + 1)); }

 private:
  uint32_t state_;
};

constexpr int kCardSize = 80;

// Every picture below is drawn at its 1x size times `scale` (1, 2 or 3): the sharper copies are
// drawn at that size, never enlarged from the small ones.

// Cards (cards.cpp).
QImage MakeCardMask(int scale = 1);  // black inside the outline, white outside
// enemy: red frame, turned 180 degrees, the codes on the turned-round sides reading upright.
QImage MakeCardFace(const CardDef& card, bool enemy, int scale = 1);
QImage MakeCardBack(bool enemy, int scale = 1);
QString SideLabel(char code);  // "×", the digit, "S", "A", "B"

// Illustration of card `id` inside `area` (card_art.cpp 0..13, card_art_mid.cpp 14..26,
// card_art_high.cpp 27..39).
void DrawCardArt(QPainter& p, int id, const QRectF& area);
void DrawCardArtLow(QPainter& p, int id, const QRectF& area);
void DrawCardArtMid(QPainter& p, int id, const QRectF& area);
void DrawCardArtHigh(QPainter& p, int id, const QRectF& area);

// Duel pictures and small adventure pictures (scenes.cpp).
QImage MakeFieldTile(const QColor& colour, int scale = 1);
QImage MakeCornerMask(int scale = 1);
QImage MakeCornerFrame(int scale = 1);
QImage MakeBoard(int scale = 1);
// The title logo; the English edition's gives its line under the title in English.
QImage MakeLogo(int scale = 1, bool english = false);
QImage MakeLightTile(int scale = 1);
QImage MakeIcon();

// The desktop icon (app_icon.cpp): one picture with transparency, drawn anew for each size of
// the hicolor theme; WriteAppIcons puts them at <outDir>/hicolor/<N>x<N>/apps/<name>.png.
const std::vector<int>& AppIconSizes();
QImage MakeAppIcon(int size);
bool WriteAppIcons(const QString& outDir, const QString& name, QString* error);

// Town map (town.cpp).
QImage MakeTown(int scale = 1);
// Place `place`'s hot spot of the town stretched over the whole 576 x 406 picture (as entering
// the place shows it), drawn at `scale` times that size.
QImage MakeTownCloseUp(int place, int scale);

// Portraits (portraits.cpp): 0..5 the six characters, 6 the boy, 7 the girl.
QImage MakePortrait(int who, int scale = 1);

// Music (midi.cpp): turns a note-text source into a Standard MIDI File.
bool CompileMusic(const QString& sourcePath, const QString& midiPath, QString* error);

// Effects (wav.cpp): synthesises a 16-bit PCM WAV from a parameter file.
bool SynthesiseEffect(const QString& sourcePath, const QString& wavPath, QString* error);

// Contact sheet (contact.cpp): every picture in dataDir on one labelled PNG; cardTable (may be
// empty) names the cards.
bool MakeContactSheet(const QString& dataDir, const QString& outPath, const QString& cardTable,
                      QString* error);

// Pictures are saved as 24-bit PNG without alpha.
bool SaveRgb(const QImage& image, const QString& path, QString* error);

// Shared drawing helpers.
QFont GothicFont(double pixelSize, bool bold = false);
QFont HandFont(double pixelSize, bool bold = false);

}  // namespace assetgen
