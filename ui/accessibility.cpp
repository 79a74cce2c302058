#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QHash>
#include <memory>

#include "ui/picture_view.h"

namespace korvane {
namespace {

QHash<const QObject*, AccessibleParts>& Registry() {
  static QHash<const QObject*, AccessibleParts> parts;
  return parts;
}

const AccessibleParts* PartsOf(const QObject* o) {
  auto it = Registry().constFind(o);
  return it == Registry().constEnd() ? nullptr : &*it;
}

class PaintedInterface;

// One item of a painted widget: a square of the board, a card of a hand. It has no object of
// its own; it asks its widget's parts each time, so it always tells what is on screen now.
class ItemInterface : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ItemInterface(QAccessibleWidget* parent, int index) : parent_(parent), index_(index) {}

  bool isValid() const override { return parent_->isValid() && Parts(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    const AccessibleParts* p = Parts();
    if (t != QAccessible::Name || !p || !p->itemName) return {};
    return p->itemName(index_);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const AccessibleParts* p = Parts();
    auto* w = qobject_cast<QWidget*>(parent_->object());
    if (!p || !p->itemRect || !w) return {};
    const QRect r = p->itemRect(index_);
    return QRect(w->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    const AccessibleParts* p = Parts();
    const bool on = p && p->focusedItem && p->focusedItem() == index_;
    s.focused = on;
    s.selected = on;
    auto* w = qobject_cast<QWidget*>(parent_->object());
    s.invisible = !w || !w->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    const AccessibleParts* p = Parts();
    if (t == QAccessible::ActionInterface && p && p->pressItem) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    const AccessibleParts* p = Parts();
    if (name == pressAction() && p && p->pressItem) p->pressItem(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  const AccessibleParts* Parts() const { return PartsOf(parent_->object()); }
  QAccessibleWidget* parent_;
  int index_;
};

// A painted widget with the parts its view gave it.
class PaintedInterface : public QAccessibleWidget {
 public:
  explicit PaintedInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}
  ~PaintedInterface() override {
    for (QAccessible::Id id : ids_) {
      if (id) QAccessible::deleteAccessibleInterface(id);
    }
  }

  // A picture with items is a list of them, one without a picture to be read; the role is asked
  // each time, since the parts may come after the first question.
  QAccessible::Role role() const override {
    const AccessibleParts* p = PartsOf(object());
    if (!p) return QAccessible::Client;
    return p->items ? QAccessible::List : QAccessible::Graphic;
  }
  QString text(QAccessible::Text t) const override {
    const AccessibleParts* p = PartsOf(object());
    if (t == QAccessible::Name && p && p->name) return p->name();
    if (t == QAccessible::Description && p && p->description) return p->description();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const AccessibleParts* p = PartsOf(object());
    if (p && p->focused) {
      s.focusable = true;
      s.focused = p->focused();
    }
    return s;
  }
  // The widget's own child widgets come first (the map's places, the choice buttons), then the
  // painted items.
  int childCount() const override { return QAccessibleWidget::childCount() + Items(); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    return Item(index - widgets);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child && child->object()) return QAccessibleWidget::indexOfChild(child);
    for (int i = 0; i < int(ids_.size()); ++i) {
      if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == child) {
        return QAccessibleWidget::childCount() + i;
      }
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < Items(); ++i) {
      QAccessibleInterface* c = Item(i);
      if (c && c->rect().contains(x, y)) return c;
    }
    return QAccessibleWidget::childAt(x, y);
  }
  QAccessibleInterface* focusChild() const override {
    const AccessibleParts* p = PartsOf(object());
    const int item = p && p->focusedItem ? p->focusedItem() : -1;
    return item >= 0 ? Item(item) : QAccessibleWidget::focusChild();
  }
  // The painted item `index`, made at its first question.
  QAccessibleInterface* Item(int index) const {
    if (index < 0 || index >= Items()) return nullptr;
    if (int(ids_.size()) <= index) ids_.resize(index + 1, 0);
    if (!ids_[index]) {
      auto* item = new ItemInterface(const_cast<PaintedInterface*>(this), index);
      ids_[index] = QAccessible::registerAccessibleInterface(item);
    }
    return QAccessible::accessibleInterface(ids_[index]);
  }

  int Items() const {
    const AccessibleParts* p = PartsOf(object());
    return p && p->items ? std::max(0, p->items()) : 0;
  }

 private:
  mutable std::vector<QAccessible::Id> ids_;
};

class AnnouncerInterface : public QAccessibleWidget {
 public:
  explicit AnnouncerInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
};

// Qt remembers a class for which no factory gave an interface and never asks again, so every
// picture widget gets this one, with or without parts, at its first question.
QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* picture = qobject_cast<PictureView*>(object)) return new PaintedInterface(picture);
  if (auto* a = qobject_cast<Announcer*>(object)) return new AnnouncerInterface(a);
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

void MakeAccessible(QWidget* widget, AccessibleParts parts) {
  InstallAccessibleFactory();
  Registry().insert(widget, std::move(parts));
  QObject::connect(widget, &QObject::destroyed, [widget] { Registry().remove(widget); });
}

void TellChanged(QWidget* widget) {
  if (!QAccessible::isActive() || !widget) return;
  QAccessibleEvent name(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  auto* iface = dynamic_cast<PaintedInterface*>(QAccessible::queryAccessibleInterface(widget));
  if (!iface) return;
  for (int i = 0; i < iface->Items(); ++i) {
    if (QAccessibleInterface* c = iface->Item(i)) {
      QAccessibleEvent item(c, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&item);
    }
  }
}

void TellFocus(QWidget* widget, int item) {
  if (!QAccessible::isActive() || !widget) return;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  auto* painted = dynamic_cast<PaintedInterface*>(iface);
  QAccessibleInterface* target = item < 0 ? iface : painted ? painted->Item(item) : nullptr;
  if (!target) return;
  QAccessibleEvent focus(target, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface ? iface->text(QAccessible::Name) : QString();
}

std::vector<QString> AccessibleItemNames(QWidget* widget) {
  std::vector<QString> names;
  auto* iface = dynamic_cast<PaintedInterface*>(QAccessible::queryAccessibleInterface(widget));
  if (!iface) return names;
  for (int i = 0; i < iface->Items(); ++i) {
    QAccessibleInterface* c = iface->Item(i);
    names.push_back(c ? c->text(QAccessible::Name) : QString());
  }
  return names;
}

Announcer* Announcer::Of(QWidget* window) {
  window = window->window();
  // Announcer has no meta-object of its own: it is found by its name and its C++ type.
  for (QObject* child : window->children()) {
    if (auto* a = dynamic_cast<Announcer*>(child)) return a;
  }
  InstallAccessibleFactory();
  auto* a = new Announcer(window);
  a->show();
  return a;
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("Announcer"));
  setGeometry(0, 0, 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Announcer::Say(const QString& text) {
  if (text.isEmpty()) return;
  said_.push_back(text);
  if (said_.size() > 100) said_.erase(said_.begin());
  setAccessibleName(text);
  // A notification is spoken as it appears: shown anew, the screen reader reads its name.
  if (QAccessible::isActive() && isVisible()) {
    QAccessibleEvent hide(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
  }
}

}  // namespace korvane
