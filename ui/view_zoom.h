// Zoom and full screen for both windows. The logic keeps its 1x pixel layout; the views place,
// letter and paint every control at one zoom factor. ViewZoom holds the factor the player chose
// (remembered in the preferences); a ZoomStage lays one window's content out at it, centred on a
// black screen in full screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

class QWidget;

namespace korvane {

class PreferenceStore;

class ViewZoom : public QObject {
  Q_OBJECT
 public:
  static constexpr double kStep = 0.25;
  // What full screen fits: the larger of the two windows' sizes, so that both show at one zoom.
  static constexpr QSize kDesign{587, 410};
  // Screens up to this height open at the largest zoom that fits (see OpeningZoomFor).
  static constexpr int kSmallScreenHeight = 800;
  // What a window manager's frame and title bar take around the window, about.
  static constexpr QSize kFrame{8, 40};

  // Reads the zoom and full screen from `store` (may be null: nothing is remembered).
  explicit ViewZoom(PreferenceStore* store = nullptr, QObject* parent = nullptr);

  // The zoom of the windows when they are not full screen: the player's choice, or the default
  // from the screen.
  double Zoom() const { return chosen_ > 0 ? chosen_ : default_; }
  bool FullScreen() const { return fullScreen_; }
  // The zoom a window shows at on a screen of `screen` pixels.
  double ZoomOn(QSize screen) const { return fullScreen_ ? FitFor(screen) : Zoom(); }

  void SetZoom(double zoom);
  // Ctrl+Plus and Ctrl+Minus: a quarter step, while the window still fits `available`.
  void StepZoom(int steps, QSize available);
  // Ctrl+0: back to the default from the screen.
  void ResetZoom();
  void SetFullScreen(bool on);
  void SetDefault(double zoom) { default_ = zoom; }

  // Two thirds of the screen's height for the adventure window, in quarter steps, at least 1x.
  static double DefaultFor(int screenHeight);
  // The largest zoom at which both windows fit a screen of `screen` pixels.
  static double FitFor(QSize screen);
  // The zoom the windows open at when the player has chosen none. On a screen at most 800 pixels
  // tall (a handheld's 1280 x 800 or 1280 x 720, a small laptop) the largest quarter step at which
  // the adventure window and its frame fit the room the desktop leaves (`available`); on a larger
  // screen two thirds of its height (DefaultFor), while that fits.
  static double OpeningZoomFor(QSize screen, QSize available);
  // The environment says the game runs on a handheld (SteamDeck=1, or KORVANE_HANDHELD=1): it
  // opens full screen there.
  static bool OnHandheld();

 signals:
  void Changed();

 private:
  void Remember();

  PreferenceStore* store_;
  double chosen_ = 0;  // 0: never chosen
  double default_ = 1;
  bool fullScreen_ = false;
};

// A 1x rectangle at `zoom`. Edges are rounded one by one, so neighbouring controls stay
// neighbours at any zoom.
QRect ZoomRect(const QRect& r, double zoom);
// A font `zoom` times its size (pixel or point size, whichever it has).
QFont ZoomFont(const QFont& f, double zoom);

// `zoom`, or less: the largest quarter step (at least 1x) at which a window `design` 1x pixels
// large, with its frame and title bar, fits `available` (empty: no limit). The dialogs larger
// than the game's windows (the album, the review board, the puzzles, the rules page) open and
// follow the zoom through this, so that they stay on a small screen.
double ZoomToFit(double zoom, QSize design, QSize available);
// The room the desktop leaves on the screen `widget` is on (the primary screen's without one).
QSize AvailableRoom(const QWidget* widget);

// Ctrl+Plus, Ctrl+Minus, Ctrl+0 and F11 in `window` change `zoom` as in the game's windows.
void AddZoomKeys(QWidget* window, ViewZoom* zoom);
// A dialog that follows the windows' zoom from now on: the zoom keys act in it too, and every
// change of `zoom` calls `apply` with the zoom for the dialog's screen.
void FollowZoom(QWidget* window, ViewZoom* zoom, std::function<void(double)> apply);

class ZoomStage : public QObject {
 public:
  // Takes over `window`'s content: the controls go on Stage(), painted in `background`; the
  // window around it is black (seen only in full screen).
  ZoomStage(QWidget* window, QSize design, const QColor& background);

  QWidget* Stage() const { return stage_; }
  // Follows `zoom` from now on (null: stays at 1x) and takes Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11.
  void Attach(ViewZoom* zoom);
  double Zoom() const { return zoom_; }

  // A 1x rectangle at the zoom, relative to the same container. Edges are rounded one by one, so
  // neighbouring controls stay neighbours.
  QRect Rect(const QRect& r) const;
  QFont Font(const QFont& f) const;
  // Places `w` at the zoomed `r` (or gives it the zoomed font), now and at every later zoom.
  void Place(QWidget* w, const QRect& r);
  void SetFont(QWidget* w, const QFont& f);

  // Runs after every change of the zoom, once the controls kept above have been placed.
  std::function<void()> OnZoom;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply();
  void Centre();

  QWidget* window_;
  QWidget* stage_;
  QSize design_;
  QPointer<ViewZoom> source_;
  double zoom_ = 1;
  struct Kept {
    QPointer<QWidget> widget;
    QRect rect;
    QFont font;
    bool placed = false, lettered = false;
  };
  std::vector<Kept> kept_;
  Kept& KeptFor(QWidget* w);
};

}  // namespace korvane
