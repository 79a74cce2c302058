#include "ui/typed_key.h"

#include <QGuiApplication>
#include <QString>
#include <QWindow>

// Qt's own entry for a key from the window system (exported for Qt's test library): the key goes
// through the shortcuts, the input method and the focus widget exactly as a typed key does.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key,
                                    Qt::KeyboardModifiers modifiers, const QString& text,
                                    bool autorep, ushort count);

namespace korvane {
namespace {

QString TextFor(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  switch (key) {
    case Qt::Key_Return:
      return QStringLiteral("\r");
    case Qt::Key_Escape:
      return QStringLiteral("\x1b");
    case Qt::Key_Tab:
      return QStringLiteral("\t");
    default:
      break;
  }
  // Printable keys: Qt's key is the character's (upper-case) code.
  if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
    const QChar c(key);
    return QString(modifiers & Qt::ShiftModifier ? c : c.toLower());
  }
  return {};
}

}  // namespace

void TypeKey(bool press, int key, Qt::KeyboardModifiers modifiers, bool repeat, bool withText) {
  QWindow* window = QGuiApplication::focusWindow();
  if (!window) return;
  qt_handleKeyEvent(window, press ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers,
                    withText ? TextFor(key, modifiers) : QString(), repeat, 1);
}

bool TakesText(const QObject* receiver) {
  return receiver && (receiver->inherits("QLineEdit") || receiver->inherits("QAbstractSpinBox") ||
                      receiver->inherits("QTextEdit") || receiver->inherits("QPlainTextEdit"));
}

}  // namespace korvane
