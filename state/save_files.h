// The save "KVData.kvd" and the settings "Condition.kvd" on disk, in one directory (the user's
// data directory in the game, a temporary one in tests). Names are matched without regard to
// case: an existing "kvdata.kvd" is the save. Every write goes to a temporary file in the same
// directory that is renamed over the old file, so a crash or a full disk never leaves half a file
// and never costs the old one; a failed write is reported, never passed off as done.
#pragma once

#include <QString>

#include "state/game_state.h"
#include "state/save_image.h"
#include "state/sound_switches.h"

namespace korvane {

// Outcome of a file operation; error is a message for the player when ok is false.
struct [[nodiscard]] FileResult {
  bool ok = true;
  QString error;
  explicit operator bool() const { return ok; }
  static FileResult Failed(const QString& why) { return {false, why}; }
};

class SaveStore {
 public:
  static constexpr const char* kSaveFileName = "KVData.kvd";
  static constexpr const char* kSettingsFileName = "Condition.kvd";
  static constexpr const char* kResumeFileName = "KVData.kvd.resume";

  // The directory need not exist yet; it is made by the first write.
  explicit SaveStore(const QString& directory);
  // The user's data directory (QStandardPaths::AppDataLocation).
  static QString DefaultDirectory();
  const QString& Directory() const { return directory_; }

  // LoadSettings: the two captions from "Condition.kvd"; a missing file, or a record that is
  // empty or not a caption of its switch, leaves that switch as it is.
  void LoadSettings(SoundSwitches& switches) const;
  FileResult SaveSettings(const SoundSwitches& switches);

  // HasSavedGame: NoSave for a missing file, a zero-length one or an empty name; Damaged (with
  // the reason) for anything that cannot be loaded whole. A damaged file is left where it is.
  SaveStatus HasSavedGame(QString* reason = nullptr) const;
  // LoadGame: true when a game was read into g. False when there is no name (the caller starts a
  // new game) or the file is damaged (*error says why); g is untouched in both cases.
  bool LoadGame(GameState& g, QString* error = nullptr) const;
  // SaveGame: all 295 records; the old-house variant stores OldHouseStep as 0. Other spellings of
  // the file name are removed once the new file is in place, so one save remains.
  FileResult SaveGame(const GameState& g, bool oldHouseVariant = false);
  // DeleteSave: removes the save (every spelling of its name). A missing save is not an error.
  FileResult DeleteSave();
  // Moves a damaged save out of the way as "KVData.kvd.damaged-<n>" (first free n), so that a
  // new game can start without losing it. *newPath gets the path it was moved to.
  FileResult KeepDamagedSaveAside(QString* newPath = nullptr);

  // The resume copy "KVData.kvd.resume": an earlier version of the game moved a continued save
  // there while it ran. The game now leaves the save in its place; a copy found at the start is
  // put back. The move is a single rename in the same directory, so at every moment one of the
  // two names holds the whole file.
  bool HasResumeCopy() const;
  // Puts the copy back as the save (over any save there).
  FileResult RestoreResumeCopy();
  // Removes the copy; a missing copy is no error.
  FileResult DiscardResumeCopy();
  QString ResumePath() const;

  // Path of the file as it exists on disk in any case, or the canonical name when there is none.
  QString SavePath() const { return FindFile(QString::fromLatin1(kSaveFileName)); }
  QString SettingsPath() const { return FindFile(QString::fromLatin1(kSettingsFileName)); }

 private:
  QString FindFile(const QString& canonicalName) const;
  QStringList AllSpellings(const QString& canonicalName) const;
  QString directory_;
};

// Reads at most maxBytes of a file; nullopt (with *error) when it exists but cannot be read.
// A missing file reads as empty.
std::optional<std::string> ReadFileImage(const QString& path, qint64 maxBytes, QString* error);
// Writes through a temporary file in the same directory and renames it over path.
FileResult WriteFileAtomically(const QString& path, const std::string& bytes);
// Renames path to "<path>.<tag>-<n>", the first free n; nothing to do when path does not exist.
FileResult MoveFileAside(const QString& path, const QString& tag, QString* newPath = nullptr);

}  // namespace korvane
