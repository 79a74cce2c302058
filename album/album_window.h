// The album window: all forty cards with picture, name, side codes, copies owned and, for the
// cards the player lacks, who holds them; the master-only and ending marks; the totals; and the
// record against each character. A window of its own over the current one, in the game's look,
// drawn at the windows' zoom; arrows, page keys, Home and End scroll the cards, Esc closes. It
// only reads: it shows a copy of the state taken when it opens.
#pragma once

#include <QDialog>
#include <QSize>

#include "state/game_state.h"

class QScrollArea;

namespace korvane {

class CardPictures;
class CardTable;
class SharpArt;
class Statistics;

class AlbumWindow : public QDialog {
 public:
  // `statistics` may be null (no record is shown then). At `zoom` everything is drawn that much
  // larger, the pictures from `art` when there is one (it may be null).
  AlbumWindow(const GameState& game, const Statistics* statistics, const CardPictures& pictures,
              const CardTable& cards, QWidget* parent = nullptr, double zoom = 1,
              const SharpArt* art = nullptr);

  // Size at 1x.
  static constexpr int kWidth = 720;
  static constexpr int kHeight = 560;
  double Zoom() const { return zoom_; }

  // The zoom the album takes at the windows' `zoom` on a screen with `available` room: the same,
  // unless it would not fit (the album is larger than the windows); then the largest quarter
  // step that fits, but not below 1.
  static double ZoomFor(double zoom, QSize available);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  GameState game_;  // what the album shows, as it was when it opened
  double zoom_;
  QScrollArea* scroll_;
};

// Opens the album window-modal over `parent` at the windows' `zoom` and returns at once; the
// window deletes itself when it is closed. The caller keeps the statistics, pictures, cards and
// art alive meanwhile; the state is copied.
AlbumWindow* ShowAlbum(QWidget* parent, const GameState& game, const Statistics& statistics,
                       const CardPictures& pictures, const CardTable& cards, double zoom = 1,
                       const SharpArt* art = nullptr);

}  // namespace korvane
