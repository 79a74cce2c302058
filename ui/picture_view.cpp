#include "ui/picture_view.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/accessibility.h"
#include "ui/field_patterns.h"

namespace korvane {

PictureView::PictureView(QWidget* parent, std::function<const QImage&()> image, int border)
    : QWidget(parent), image_(std::move(image)), border_(border) {
  InstallAccessibleFactory();
}

void PictureView::SetZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  update();
}

void PictureView::PaintBorder(QPainter& p) const {
  const double z = zoom_;
  p.save();
  p.scale(z, z);
  const int w = int(std::lround(width() / z)), h = int(std::lround(height() / z));
  p.fillRect(QRectF(0, 0, width() / z, height() / z), QColor(255, 255, 255));
  p.fillRect(0, 0, w - 1, 1, QColor(128, 128, 128));
  p.fillRect(0, 0, 1, h - 1, QColor(128, 128, 128));
  p.fillRect(1, 1, w - 3, 1, QColor(0, 0, 0));
  p.fillRect(1, 1, 1, h - 3, QColor(0, 0, 0));
  p.restore();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (OnPaint) {
    OnPaint(p);
    return;
  }
  if (!image_) return;
  const double z = zoom_;
  if (border_ > 0) PaintBorder(p);
  const QImage& small = image_();
  const double scale = z * devicePixelRatioF();
  // With the fields' patterns on, even 1x is painted from the log: the patterns live there only.
  if (scale == 1.0 && !(Sharp && FieldPatterns())) {
    p.drawImage(border_, border_, small);
  } else {
    // The picture is made at the screen's own pixels once, then only copied: the window
    // repaints often.
    const uint64_t revision = Revision ? Revision() : 0;
    if (scale != sharpScale_ || revision != sharpRevision_ || sharp_.isNull()) {
      const QSize device(int(std::ceil(small.width() * scale)),
                         int(std::ceil(small.height() * scale)));
      QImage image = Sharp ? Sharp(scale) : QImage();
      if (image.isNull()) image = small;
      if (image.size() != device)
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      image.setDevicePixelRatio(devicePixelRatioF());
      sharp_ = image;
      sharpScale_ = scale;
      sharpRevision_ = revision;
    }
    p.drawImage(QPoint(int(std::lround(border_ * z)), int(std::lround(border_ * z))), sharp_);
  }
  if (OnOverlay) {
    p.translate(border_ * z, border_ * z);
    p.scale(z, z);
    OnOverlay(p);
  }
}

void PictureView::mousePressEvent(QMouseEvent* e) {
  // The 1x pixel under the pointer, as a press on the unzoomed picture would report it.
  const QPointF at = e->position() / zoom_;
  if (OnPress)
    OnPress(e->button(), e->modifiers(),
            QPoint(int(std::floor(at.x())), int(std::floor(at.y()))) - QPoint(border_, border_));
  e->accept();
}

void PictureView::mouseReleaseEvent(QMouseEvent* e) {
  // A click is a press and a release over the same control.
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnClick) {
    OnClick();
  }
  e->accept();
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* e) {
  if (PressOnDoubleClick) {
    mousePressEvent(e);
    return;
  }
  if (OnDoubleClick) OnDoubleClick();
  e->accept();
}

void PictureView::mouseMoveEvent(QMouseEvent* e) {
  if (OnMove) OnMove();
  e->accept();
}

}  // namespace korvane
