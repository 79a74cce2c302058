// The key help every window shows on F1: a table of keys and what they do, closed by the zoom keys
// that are the same everywhere, in a small box that does not block the window's timers.
#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

namespace korvane {

// One line of a key table: the keys and what they do; a line without keys heads a section.
struct KeyLine {
  const char* keys;  // UTF-8, or nullptr for a heading
  QString does;
};
// The lines as a table for a message box (rich text), closed by the zoom keys.
QString KeyTable(std::initializer_list<KeyLine> lines);

// A small window-modal box with the keys; it does not block the window's timers.
void ShowKeyHelp(QWidget* parent, const QString& text);

}  // namespace korvane
