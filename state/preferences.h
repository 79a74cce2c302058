// Preferences of our own beside the game's settings file: zoom, full screen, the pace of the
// duel, the language, and the help the views add to the described game (each can be switched
// off). They live in an INI file in the user's config directory (QSettings),
// never in "Condition.kvd", which keeps its fixed layout. A missing file or a value that makes no
// sense reads as the default; nothing here ever stops the game.
#pragma once

#include <QString>

namespace korvane {

enum class Pace {
  Normal,  // the enemy visibly thinks, flips can be followed
  Fast,    // the pace of the original timers
};

struct Preferences {
  static constexpr double kMinZoom = 1.0;
  static constexpr double kMaxZoom = 4.0;

  double zoom = 0.0;  // 0: never chosen; the view takes it from the screen
  bool fullScreen = false;
  Pace pace = Pace::Normal;
  QString language = QStringLiteral("ja");  // "ja" or "en"
  // The views' help: the live score and the result line of a duel, the preview of a placement,
  // the marks on the map where something happens now.
  bool score = true;
  bool preview = true;
  bool mapMarks = true;
  // The fields drawn with patterns as well as colour (for colour vision that mixes them up).
  bool patterns = false;
  // The marks the views draw over the board (cursors, frames, tags) in black and white.
  bool highContrast = false;

  bool operator==(const Preferences&) const = default;
};

class PreferenceStore {
 public:
  explicit PreferenceStore(QString path);
  // <user config directory>/korvane/preferences.ini
  static QString DefaultPath();
  const QString& Path() const { return path_; }

  Preferences Load() const;
  // False when the file cannot be written (the game goes on with the values in memory).
  bool Save(const Preferences& prefs) const;
  // Writes the language ("ja" or "en") alone: every other line of the file stays as it is.
  bool SaveLanguage(const QString& language) const;

 private:
  QString path_;
};

}  // namespace korvane
