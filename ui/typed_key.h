// A key sent to the window in front as if it had been typed: through the shortcuts, the input
// method and the focus widget, like a key from the keyboard.
#pragma once

#include <Qt>

class QObject;

namespace korvane {

// Sends the key's press or release to the window with the keyboard focus; nothing when none of
// the game's windows has it. Letters, digits, Space, Enter, Esc and Tab carry their text, unless
// `withText` is false: then the key comes alone, as a key without a character (an arrow) does.
void TypeKey(bool press, int key, Qt::KeyboardModifiers modifiers, bool repeat = false,
             bool withText = true);

// Where the player types text (a line or text edit, a spin box): there a letter is that letter.
bool TakesText(const QObject* receiver);

}  // namespace korvane
