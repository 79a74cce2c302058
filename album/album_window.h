// The album window: all forty cards with picture, name, side codes, copies owned and, for the
// cards the player lacks, who holds them; the master-only and ending marks; the totals; and the
// record against each character. A window of its own over the current one, in the game's look;
// arrows, page keys, Home and End scroll the cards, Esc closes. It only reads.
#pragma once

#include <QDialog>

class QScrollArea;

namespace korvane {

class CardPictures;
class CardTable;
class Statistics;
struct GameState;

class AlbumWindow : public QDialog {
 public:
  // `statistics` may be null (no record is shown then).
  AlbumWindow(const GameState& game, const Statistics* statistics, const CardPictures& pictures,
              const CardTable& cards, QWidget* parent = nullptr);

  // Size at 1x.
  static constexpr int kWidth = 720;
  static constexpr int kHeight = 560;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QScrollArea* scroll_;
};

// Opens the album window-modal over `parent` and returns at once; the window deletes itself
// when it is closed. The caller keeps the state, statistics, pictures and cards alive meanwhile.
AlbumWindow* ShowAlbum(QWidget* parent, const GameState& game, const Statistics& statistics,
                       const CardPictures& pictures, const CardTable& cards);

}  // namespace korvane
