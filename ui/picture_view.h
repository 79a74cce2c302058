// PictureView: the one picture widget of every window. It shows an image (inside an optional
// sunken border), or paints what it is told to, and reports presses, clicks (a press and release
// over it), double-clicks and pointer moves. At a zoom it is drawn that much larger, from the
// sharp picture when there is one, and presses are told in the 1x pixels they fall on.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>

class QPainter;

namespace korvane {

class PictureView : public QWidget {
  // Its own class name, by which screen readers get its accessible interface (ui/accessibility).
  Q_OBJECT

 public:
  // `image` (may be empty: then only OnPaint paints) is the 1x picture; `border` the width in 1x
  // pixels of the sunken border around it.
  PictureView(QWidget* parent, std::function<const QImage&()> image = {}, int border = 0);

  // A press, in the picture's 1x pixels (border excluded).
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnPress;
  // A left-button press and release over the widget.
  std::function<void()> OnClick;
  std::function<void()> OnDoubleClick;
  // The pointer moved over the widget (it tracks the pointer when this is set).
  std::function<void()> OnMove;
  // Paints the whole widget instead of the image, in the widget's own coordinates.
  std::function<void(QPainter&)> OnPaint;
  // Marks drawn over the picture by the view (never into the logic's canvas), in the picture's
  // own 1x pixel coordinates.
  std::function<void(QPainter&)> OnOverlay;
  // The picture drawn at a device scale (the zoom times the screen's pixel ratio), and the
  // revision it follows (without one the picture is taken as fixed). Without Sharp, or when it
  // gives a null image, the 1x picture is enlarged.
  std::function<QImage(double)> Sharp;
  std::function<uint64_t()> Revision;
  // A double-click also counts as a second press and click (as a plain area reports it), or
  // only as a double-click.
  bool PressOnDoubleClick = false;

  int Border() const { return border_; }
  void SetZoom(double zoom);
  void TrackPointer() { setMouseTracking(true); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  void PaintBorder(QPainter& p) const;

  std::function<const QImage&()> image_;
  int border_;
  double zoom_ = 1;
  QImage sharp_;
  double sharpScale_ = 0;
  uint64_t sharpRevision_ = 0;
};

}  // namespace korvane
