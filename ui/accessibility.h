// Screen-reader access to the painted parts of the windows. Qt's widgets speak for themselves
// (a button says its text); the board, the hands, the map and the message box are pictures, so
// the views describe them here: a painted widget gets a name and a description, and may hold
// items (the board's squares, a hand's cards) that a screen reader walks one by one, with one of
// them focused (the key cursor). An Announcer in each window says what happens (a placement, a
// flip, the score, a story message once typed); a screen reader speaks it as a notification.
// Nothing here paints or takes a click: the described look and layout stay as they are.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace korvane {

// What a painted widget tells a screen reader. Every function may be empty.
struct AccessibleParts {
  std::function<QString()> name;
  std::function<QString()> description;
  // The player's cursor is on the widget itself (the keyboard focus stays with the window).
  std::function<bool()> focused;
  // Items inside the widget: how many there are now, and each one's name and place (in the
  // widget's own coordinates, as it is on screen).
  std::function<int()> items;
  std::function<QString(int)> itemName;
  std::function<QRect(int)> itemRect;
  // The item the player's cursor is on, or -1.
  std::function<int()> focusedItem;
  // The item's own action, as a click on it does (the screen reader's "press").
  std::function<void(int)> pressItem;
};

// Lets screen readers ask the picture widgets and announcers for their interfaces; each picture
// widget calls it as it is made, before anybody can ask.
void InstallAccessibleFactory();

// Gives the picture widget (a PictureView) these parts for as long as it lives.
void MakeAccessible(QWidget* widget, AccessibleParts parts);

// The parts' texts changed: tells a screen reader to read them again.
void TellChanged(QWidget* widget);
// The cursor moved onto `item` of `widget` (or onto the widget itself with -1).
void TellFocus(QWidget* widget, int item = -1);

// The texts a screen reader reads from the accessibility tree: the accessible name of `widget`
// and of each of its items. Tests read the tree through this, as a screen reader would.
QString AccessibleName(QWidget* widget);
std::vector<QString> AccessibleItemNames(QWidget* widget);

// Says short texts in a window: each is set as the name of a notification and shown anew, which
// a screen reader speaks. It paints nothing and takes no click.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  // The window's announcer, made on first use.
  static Announcer* Of(QWidget* window);

  void Say(const QString& text);
  // What was said, oldest first (the last hundred).
  const std::vector<QString>& Said() const { return said_; }

 private:
  explicit Announcer(QWidget* window);
  std::vector<QString> said_;
};

}  // namespace korvane
