// The view's help on the town map, beside the game itself: a mark over every place where
// going in brings something now (story::PlacesWorthAVisit decides), switched by M and remembered
// by the program, and one line under the message box that tells a new player how to go in. Both
// are painted by the view over Picture1 and its hot spots; the logic's canvas never sees them.
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include "adventure/adv_window.h"
#include "adventure/story/worth_visit.h"
#include "state/game_state.h"
#include "ui/fonts.h"
#include "ui/picture_view.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

// The mark: a round yellow badge with "!" in it, `radius` device pixels, outlined dark so that it
// stands out on the bright and the dark parts of the town alike.
void PaintMark(QPainter& p, QPointF centre, double radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(centre + QPointF(radius * 0.15, radius * 0.2), radius, radius);
  p.setPen(QPen(QColor(90, 50, 0), std::max(1.0, radius * 0.16)));
  p.setBrush(QColor(255, 205, 40));
  p.drawEllipse(centre, radius, radius);
  // The "!" drawn as a bar and a dot, so that it needs no font.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 40, 0));
  const double w = radius * 0.34;
  QPainterPath bar;
  bar.addRoundedRect(QRectF(centre.x() - w / 2, centre.y() - radius * 0.62, w, radius * 0.8), w / 3,
                     w / 3);
  p.drawPath(bar);
  p.drawEllipse(QPointF(centre.x(), centre.y() + radius * 0.45), w * 0.6, w * 0.6);
  p.restore();
}

// The mark's size and place in 1x pixels: on the top edge of the hot spot, in its middle.
constexpr double kMarkRadius = 8.5;
constexpr double kMarkTop = 11;

// Where the first-time line goes: under the map's message box, clear of the player's portrait on
// the left and the album's button on the right.
constexpr QRect kFirstTimeRect{112, 76, 396, 40};

}  // namespace

void ADVKorvaneWindow::SetMapMarks(bool on) {
  if (mapMarks_ == on) return;
  mapMarks_ = on;
  for (PictureView* c : clickers_) c->update();
  picture1_->update();
}

std::array<bool, 9> ADVKorvaneWindow::MarkedPlaces() const {
  std::array<bool, 9> marked{};
  if (!mapMarks_ || !logic_.OnTownMap()) return marked;
  for (int place = 0; place < 9; ++place)
    marked[place] = worth_[place] && logic_.ClickerVisible(place);
  return marked;
}

bool ADVKorvaneWindow::FirstTimeLineShown() const {
  return logic_.OnTownMap() && !enteredOnce_ && logic_.State().ShindoStep == 0;
}

void ADVKorvaneWindow::SyncMapHelp() {
  const bool onMap = logic_.OnTownMap();
  if (logic_.CurrentPlace() >= 0 && !enteredOnce_) {
    enteredOnce_ = true;
    picture1_->update();
  }
  if (onMap == wasOnMap_) return;
  wasOnMap_ = onMap;
  // The story does not move while the map waits, so what a visit would bring is worked out once
  // on every arrival.
  if (onMap) worth_ = story::PlacesWorthAVisit(logic_.State());
  for (PictureView* c : clickers_) c->update();
  picture1_->update();
}

void ADVKorvaneWindow::PaintHotSpot(QPainter& p, int place, QSize size) const {
  if (MarkedPlaces()[place]) {
    const double z = zoom_->Zoom();
    PaintMark(p, QPointF(size.width() / 2.0, kMarkTop * z), kMarkRadius * z);
  }
  PaintMapCursor(p, place, size);
}

// On a painter in Picture1's 1x pixels.
void ADVKorvaneWindow::PaintFirstTimeLine(QPainter& p) const {
  if (!FirstTimeLineShown()) return;
  const QString goIn =
      QCoreApplication::translate("Map", "家を指してクリックで中へ（キーは矢印で選んで Enter）");
  const QString marks =
      QCoreApplication::translate("Map", "この印の場所で、いま何かが起こります（M キーで消す）");
  const QFont font = GothicPoints(8.5);
  const QFontMetricsF metrics(font);
  const double lineHeight = metrics.height();
  const double markSpace = lineHeight + 3;
  const bool withMarks = mapMarks_;
  double width = metrics.horizontalAdvance(goIn);
  if (withMarks) width = std::max(width, markSpace + metrics.horizontalAdvance(marks));
  const QRectF box(kFirstTimeRect.left(), kFirstTimeRect.top(),
                   std::min<double>(width + 10, kFirstTimeRect.width()),
                   lineHeight * (withMarks ? 2 : 1) + 6);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 110, 90), 1));
  p.setBrush(QColor(255, 252, 240, 225));
  p.drawRoundedRect(box, 4, 4);
  p.setFont(font);
  p.setPen(QColor(40, 30, 20));
  const QRectF text = box.adjusted(5, 3, -5, -3);
  p.drawText(QRectF(text.left(), text.top(), text.width(), lineHeight),
             Qt::AlignLeft | Qt::AlignVCenter, goIn);
  if (withMarks) {
    const double y = text.top() + lineHeight;
    PaintMark(p, QPointF(text.left() + lineHeight / 2, y + lineHeight / 2), lineHeight * 0.42);
    p.drawText(QRectF(text.left() + markSpace, y, text.width() - markSpace, lineHeight),
               Qt::AlignLeft | Qt::AlignVCenter, marks);
  }
  p.restore();
}

}  // namespace korvane
