// KorvaneWindow: the duel window as the player sees it. A thin view over the Korvane logic: it is
// made for each opening (its constructor runs Form_Load), mirrors the logic's control state onto
// real widgets after every handler, forwards clicks and owns the two timers. Once closed it
// deletes itself as soon as no handler of it is running; hold it in a QPointer.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "duel/duel_speech.h"
#include "duel/korvane.h"
#include "duel/korvane_keys.h"
#include "ui/window_links.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace korvane {

class PaintLog;
class PictureView;
class SharpArt;
class ViewZoom;
class ZoomStage;

class KorvaneWindow : public QWidget {
  Q_OBJECT
 public:
  explicit KorvaneWindow(Korvane& logic, QWidget* parent = nullptr);
  ~KorvaneWindow() override;

  // Copies the logic's control state onto the widgets.
  void Mirror();
  Korvane& Logic() { return logic_; }
  const DuelKeys& Keys() const { return keys_; }
  // Follows `zoom` (Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11) and, from 1.5x up, paints the board, the
  // hands and the list from `art` (either may be null).
  void UseZoom(ViewZoom* zoom, const SharpArt* art);
  double Zoom() const;
  // The album, by its button or the A key, while the deck selection waits for the player.
  AlbumOpener OnAlbum;
  void OpenAlbum();
  // The album's small button, at 1x inside the client area: the corner below the list that the
  // deck selection leaves free.
  static constexpr QRect kAlbumButton{2, 370, 44, 30};
  // The review board of the duel just played, by its button (above the album's) or the V key.
  ReviewOpener OnReview;
  void OpenReview();
  static constexpr QRect kReviewButton{2, 336, 44, 30};
  // The square the pointer is over on the board, for the placement preview (tests set it).
  void SetHoverSquare(std::optional<BoardSquare> square);
  // The rules page (F3), over the window.
  void OpenRules();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // duel/korvane_keys.cpp
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a handler of the logic, then mirrors; errors of the game's arithmetic end the program
  // with a report.
  void Forward(const std::function<void()>& handler);
  QImage SharpPicture(const PaintLog& log, const QImage& small, double scale) const;
  void BuildList(QWidget* stage);
  void BuildBoard(QWidget* stage);
  void BuildButtons(QWidget* stage);
  void BuildTimers();
  void NameControls();
  void FollowZoomAndMarks();
  // The view's extras (duel/korvane_window_extras.cpp).
  void BuildExtras(QWidget* stage);
  void MirrorExtras();
  void PaintBoardExtras(QPainter& p);
  // What a screen reader reads and hears (duel/korvane_window_access.cpp).
  void BuildAccess();
  void MirrorAccess();

  Korvane& logic_;
  DuelKeys keys_{logic_};
  ZoomStage* zoom_ = nullptr;
  const SharpArt* sharpArt_ = nullptr;
  int depth_ = 0;        // handlers of this window running (they may wait for events)
  bool closed_ = false;  // closed: delete once no handler is running

  QWidget* picture1_ = nullptr;
  std::array<PictureView*, kCardKinds + 1> cardPic_{};
  std::array<QLabel*, 14> cardLabel_{};
  QScrollBar* vscroll_ = nullptr;
  PictureView* field_ = nullptr;
  QLabel* thinking_ = nullptr;
  std::array<PictureView*, kHandSize> eHand_{}, pHand_{};
  QPushButton *command1_ = nullptr, *command2_ = nullptr, *command4_ = nullptr;
  QPushButton* lButton_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* lText_ = nullptr;  // LText, read-only
  QPushButton* albumButton_ = nullptr;
  QPointer<QWidget> album_;
  QPushButton* reviewButton_ = nullptr;
  QPointer<QWidget> review_;
  QPointer<QWidget> rules_;
  QLabel* deckLine_ = nullptr;  // the deck selection's instruction
  std::optional<BoardSquare> hover_;
  bool fieldWasShown_ = false;
  bool atOnceRepaint_ = false;  // a repaint waits for the end of an enemy card's face
  QTimer *timer1_ = nullptr, *flipAnime_ = nullptr;
  DuelSpeech speech_;
  int spokenSquare_ = -1, spokenSlot_ = -1, spokenCard_ = -1;  // the focus told last
};

}  // namespace korvane
