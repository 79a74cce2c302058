#include "ui/view_zoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "state/preferences.h"

namespace korvane {
namespace {

double Quarter(double zoom) {
  return std::clamp(std::round(zoom / ViewZoom::kStep) * ViewZoom::kStep, Preferences::kMinZoom,
                    Preferences::kMaxZoom);
}

QSize Times(QSize size, double zoom) {
  return QSize(int(std::lround(size.width() * zoom)), int(std::lround(size.height() * zoom)));
}

}  // namespace

ViewZoom::ViewZoom(PreferenceStore* store, QObject* parent) : QObject(parent), store_(store) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    default_ = OpeningZoomFor(screen->geometry().size(), screen->availableGeometry().size());
  }
  if (store_) {
    const Preferences p = store_->Load();
    chosen_ = p.zoom > 0 ? Quarter(p.zoom) : 0;
    fullScreen_ = p.fullScreen;
  }
  // A handheld has one screen to give: the game takes all of it (F11 still leaves it).
  if (OnHandheld()) fullScreen_ = true;
}

double ViewZoom::OpeningZoomFor(QSize screen, QSize available) {
  if (screen.height() > kSmallScreenHeight)
    return std::min(DefaultFor(available.height()), std::max(1.0, FitFor(available)));
  const QSize room = available - kFrame;
  const double fits =
      std::min(double(room.width()) / kDesign.width(), double(room.height()) / kDesign.height());
  return std::max(Preferences::kMinZoom, std::floor(fits / kStep + 1e-9) * kStep);
}

bool ViewZoom::OnHandheld() {
  return qEnvironmentVariable("SteamDeck") == QLatin1String("1") ||
         qEnvironmentVariable("KORVANE_HANDHELD") == QLatin1String("1");
}

double ViewZoom::DefaultFor(int screenHeight) {
  return Quarter(screenHeight * 2.0 / 3.0 / kDesign.height());
}

double ViewZoom::FitFor(QSize screen) {
  return std::max(0.25, std::min(double(screen.width()) / kDesign.width(),
                                 double(screen.height()) / kDesign.height()));
}

void ViewZoom::SetZoom(double zoom) {
  const double z = Quarter(zoom);
  if (z == chosen_) return;
  chosen_ = z;
  Remember();
  emit Changed();
}

void ViewZoom::StepZoom(int steps, QSize available) {
  // In full screen the screen decides.
  if (fullScreen_ || steps == 0) return;
  const double next = Quarter(Quarter(Zoom()) + steps * kStep);
  if (steps > 0) {
    const QSize want = Times(kDesign, next);
    if (want.width() > available.width() || want.height() > available.height()) return;
  }
  SetZoom(next);
}

void ViewZoom::ResetZoom() {
  if (chosen_ == 0) return;
  chosen_ = 0;
  Remember();
  emit Changed();
}

void ViewZoom::SetFullScreen(bool on) {
  if (on == fullScreen_) return;
  fullScreen_ = on;
  Remember();
  emit Changed();
}

void ViewZoom::Remember() {
  if (!store_) return;
  // Only our two values: the rest of the file is left as it is.
  Preferences p = store_->Load();
  p.zoom = chosen_;
  p.fullScreen = fullScreen_;
  store_->Save(p);
}

ZoomStage::ZoomStage(QWidget* window, QSize design, const QColor& background)
    : QObject(window), window_(window), stage_(new QWidget(window)), design_(design) {
  QPalette black = window_->palette();
  black.setColor(QPalette::Window, Qt::black);
  window_->setPalette(black);
  window_->setAutoFillBackground(true);
  QPalette pal = stage_->palette();
  pal.setColor(QPalette::Window, background);
  stage_->setPalette(pal);
  stage_->setAutoFillBackground(true);
  stage_->setObjectName(QStringLiteral("ZoomStage"));
  stage_->setGeometry(QRect(QPoint(0, 0), design));
  window_->setFixedSize(design);
  window_->installEventFilter(this);
}

double ZoomToFit(double zoom, QSize design, QSize available) {
  if (available.isEmpty() || design.isEmpty()) return zoom;
  const double fit = std::min(double(available.width() - 16) / design.width(),
                              double(available.height() - 48) / design.height());
  return std::min(zoom, std::max(1.0, std::floor(fit * 4) / 4));
}

QSize AvailableRoom(const QWidget* widget) {
  const QScreen* s = widget ? widget->screen() : nullptr;
  if (!s) s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry().size() : QSize();
}

void FollowZoom(QWidget* window, ViewZoom* zoom, std::function<void(double)> apply) {
  AddZoomKeys(window, zoom);
  const QPointer<ViewZoom> source = zoom;
  QObject::connect(zoom, &ViewZoom::Changed, window, [window, source, apply = std::move(apply)] {
    if (!source) return;
    const QScreen* s = window->screen();
    apply(source->ZoomOn(s ? s->geometry().size() : QSize(1920, 1080)));
  });
}

void AddZoomKeys(QWidget* window, ViewZoom* zoom) {
  const QPointer<ViewZoom> source = zoom;
  // One shortcut per action, with every key sequence that means it on this desktop.
  auto add = [window](QList<QKeySequence> keys, std::function<void()> action) {
    QList<QKeySequence> unique;
    for (const QKeySequence& k : keys)
      if (!k.isEmpty() && !unique.contains(k)) unique << k;
    auto* s = new QShortcut(window);
    s->setKeys(unique);
    s->setContext(Qt::WindowShortcut);
    QObject::connect(s, &QShortcut::activated, window, std::move(action));
  };
  // Room for the adventure window at the next step: the screen less the window's frame.
  auto available = [window] {
    const QScreen* screen = window->screen();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return screen ? screen->availableGeometry().size() - frame : QSize(1920, 1080);
  };
  add(QKeySequence::keyBindings(QKeySequence::ZoomIn) +
          QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus),
                              QKeySequence(Qt::CTRL | Qt::Key_Equal)},
      [source, available] {
        if (source) source->StepZoom(1, available());
      });
  add(QKeySequence::keyBindings(QKeySequence::ZoomOut) +
          QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Minus)},
      [source, available] {
        if (source) source->StepZoom(-1, available());
      });
  add({QKeySequence(Qt::CTRL | Qt::Key_0)}, [source] {
    if (source) source->ResetZoom();
  });
  add({QKeySequence(Qt::Key_F11)}, [source] {
    if (source) source->SetFullScreen(!source->FullScreen());
  });
}

void ZoomStage::Attach(ViewZoom* zoom) {
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = zoom;
  if (zoom) {
    connect(zoom, &ViewZoom::Changed, this, [this] { Apply(); });
    AddZoomKeys(window_, zoom);
  }
  Apply();
}

QRect ZoomRect(const QRect& r, double zoom) {
  auto at = [zoom](int v) { return int(std::lround(v * zoom)); };
  const int left = at(r.left()), top = at(r.top());
  return QRect(left, top, at(r.left() + r.width()) - left, at(r.top() + r.height()) - top);
}

QFont ZoomFont(const QFont& f, double zoom) {
  QFont out = f;
  if (f.pixelSize() > 0) {
    out.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * zoom))));
  } else if (f.pointSizeF() > 0) {
    out.setPointSizeF(f.pointSizeF() * zoom);
  }
  return out;
}

QRect ZoomStage::Rect(const QRect& r) const { return ZoomRect(r, zoom_); }

QFont ZoomStage::Font(const QFont& f) const { return ZoomFont(f, zoom_); }

ZoomStage::Kept& ZoomStage::KeptFor(QWidget* w) {
  for (Kept& k : kept_)
    if (k.widget == w) return k;
  // Forget the widgets that are gone before keeping another.
  std::erase_if(kept_, [](const Kept& k) { return k.widget.isNull(); });
  kept_.push_back({w, {}, {}, false, false});
  return kept_.back();
}

void ZoomStage::Place(QWidget* w, const QRect& r) {
  Kept& k = KeptFor(w);
  k.rect = r;
  k.placed = true;
  w->setGeometry(Rect(r));
}

void ZoomStage::SetFont(QWidget* w, const QFont& f) {
  Kept& k = KeptFor(w);
  k.font = f;
  k.lettered = true;
  w->setFont(Font(f));
}

void ZoomStage::Apply() {
  const bool full = source_ && source_->FullScreen();
  const QScreen* screen = window_->screen();
  const QSize screenSize = screen ? screen->geometry().size() : QSize(1920, 1080);
  zoom_ = source_ ? source_->ZoomOn(screenSize) : 1.0;
  const QSize size = Times(design_, zoom_);
  if (full) {
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
    // Without a window manager nobody else makes the window cover the screen.
    if (screen && window_->geometry() != screen->geometry())
      window_->setGeometry(screen->geometry());
  } else {
    if (window_->windowState() & Qt::WindowFullScreen)
      window_->setWindowState(window_->windowState() & ~Qt::WindowFullScreen);
    window_->setFixedSize(size);
    // A window that grows stays on its screen.
    if (window_->isVisible() && screen) {
      const QRect room = screen->availableGeometry();
      const QRect frame = window_->frameGeometry();
      const QPoint at(std::clamp(frame.left(), room.left(),
                                 std::max(room.left(), room.right() - frame.width() + 1)),
                      std::clamp(frame.top(), room.top(),
                                 std::max(room.top(), room.bottom() - frame.height() + 1)));
      if (at != frame.topLeft()) window_->move(at);
    }
  }
  stage_->resize(size);
  Centre();
  for (Kept& k : kept_) {
    if (k.widget.isNull()) continue;
    if (k.placed) k.widget->setGeometry(Rect(k.rect));
    if (k.lettered) k.widget->setFont(Font(k.font));
  }
  if (OnZoom) OnZoom();
}

void ZoomStage::Centre() {
  stage_->move(std::max(0, (window_->width() - stage_->width()) / 2),
               std::max(0, (window_->height() - stage_->height()) / 2));
}

bool ZoomStage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Resize) Centre();
  return QObject::eventFilter(watched, event);
}

}  // namespace korvane
