// A key sent to the window in front as if it had been typed: through the shortcuts, the input
// method and the focus widget, like a key from the keyboard.
#pragma once

#include <Qt>

namespace korvane {

// Sends the key's press or release to the window with the keyboard focus; nothing when none of
// the game's windows has it. Letters, digits, Space, Enter, Esc and Tab carry their text.
void TypeKey(bool press, int key, Qt::KeyboardModifiers modifiers, bool repeat = false);

}  // namespace korvane
