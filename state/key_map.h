// The player's own keys: the [keys] section of preferences.ini names, for each of the game's
// actions, one or more keys that do it as well, e.g.
//
//   [keys]
//   hint = G
//   album = Y
//   up = W
//   enter = J, K
//
// An action is named by the words below (KeyActions); a key by its name as Qt spells it without
// "Key_" ("PageUp", "Space", "F5", "Semicolon"), a single letter or digit, "Esc" or "Enter". Only
// plain keys: a key with Ctrl, Alt or Meta is not one. The game's own keys keep working unless
// a line gives them to another action. A line that makes no sense is left out and told.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace korvane {

// One of the game's actions and the key the windows know it by (a Qt::Key).
struct KeyAction {
  const char* name;
  int key;
};
// Every action that can be given keys, in the order the help lists them.
const std::vector<KeyAction>& KeyActions();

// The key named `name` (see above), or 0.
int KeyFromName(const QString& name);

struct KeyMap {
  // The player's key -> the game's key it stands for.
  std::map<int, int> keys;
  // One line per entry that was left out, in the edition's language.
  QStringList problems;
};

// The [keys] section of the INI file at `path`: no file or no section is an empty map.
KeyMap ReadKeyMap(const QString& path);

}  // namespace korvane
