// The album window: all forty cards with picture, name, side codes, copies owned and, for the
// cards the player lacks, who holds them; the master-only and ending marks; the totals; and the
// record against each character. A window of its own over the current one, in the game's look,
// drawn at the windows' zoom; arrows, page keys, Home and End scroll the cards, Esc closes. It
// only reads: it shows a copy of the state taken when it opens.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QSize>
#include <functional>

#include "state/game_state.h"

class QScrollArea;

namespace korvane {

class CardPictures;
class CardTable;
class SharpArt;
class Statistics;
class ViewZoom;

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

  // Follows the windows' zoom from now on: Ctrl+Plus, Ctrl+Minus, Ctrl+0 and F11 in the album
  // change it as they do in the windows, and every change lays the album out again.
  void Follow(ViewZoom* zoom);
  // Lays the album out again at `zoom`, at the same place in the list and around the same centre.
  void SetZoom(double zoom);
  // A button (and the D key) beside 閉じる opens the list of recorded duels over the album.
  void SetRecordedDuels(std::function<void(QWidget* over)> open);
  // Another (and the P key) opens the practice set-up.
  void SetPractice(std::function<void(QWidget* over)> open);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Relayout();  // Build again at zoom_, keeping the place in the list and the centre
  void Build();     // the page, the card list and the close button at zoom_

  GameState game_;  // what the album shows, as it was when it opened
  const Statistics* statistics_;
  const CardPictures& pictures_;
  const CardTable& cards_;
  const SharpArt* art_;
  double zoom_;
  QWidget* page_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QPointer<ViewZoom> follow_;
  std::function<void(QWidget* over)> onRecordedDuels_;
  std::function<void(QWidget* over)> onPractice_;
};

// Opens the album window-modal over `parent` at the windows' `zoom` and returns at once; the
// window deletes itself when it is closed. With `follow` it keeps following the windows' zoom.
// The caller keeps the statistics, pictures, cards, art and zoom alive meanwhile; the state is
// copied.
AlbumWindow* ShowAlbum(QWidget* parent, const GameState& game, const Statistics& statistics,
                       const CardPictures& pictures, const CardTable& cards, double zoom = 1,
                       const SharpArt* art = nullptr, ViewZoom* follow = nullptr);

}  // namespace korvane
