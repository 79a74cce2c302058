#include "ui/key_remap.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "ui/controller.h"
#include "ui/typed_key.h"

namespace korvane {

KeyRemap::KeyRemap(std::map<int, int> keys, QObject* parent)
    : QObject(parent), keys_(std::move(keys)) {
  if (!keys_.empty()) QCoreApplication::instance()->installEventFilter(this);
}

KeyRemap::~KeyRemap() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

int KeyRemap::Translate(int key, Qt::KeyboardModifiers modifiers, const QObject* receiver) const {
  // Keys with Ctrl, Alt or Meta belong to the zoom and the desktop.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return key;
  if (TakesText(receiver)) return key;
  const auto found = keys_.find(key);
  return found == keys_.end() ? key : found->second;
}

bool KeyRemap::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || resending_ ||
      Controller::Delivering() || !watched->isWidgetType()) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const int game = Translate(key->key(), key->modifiers(), watched);
  if (game == key->key()) return false;
  // The game's key, typed anew: the zoom's and the windows' shortcuts see it as well.
  resending_ = true;
  TypeKey(type == QEvent::KeyPress, game, key->modifiers() & Qt::KeypadModifier,
          key->isAutoRepeat());
  resending_ = false;
  return true;
}

}  // namespace korvane
