// The record of duels: every duel that was settled and every one that was forfeited, with the
// hands, who began and every placement, so that a duel can be played through again and reviewed
// later. Kept in "duels.jsonl" beside the save in the user's data directory.
//
// The file
// --------
// UTF-8 text, one JSON object per line, the oldest duel first, every line ending in "\n". Each
// line is one duel (keys in any order; the writer puts them in alphabetical order):
//
//   {"v": 1,                               format version; a line of any other version is
//                                          not read
//    "when": "2026-12-09T10:15:00Z",       when the duel ended, UTC, ISO 8601, to the second
//    "opponent": 3,                        person index 1..6 (1 高原 良絵 ... 6 速水 結)
//    "master": false,                      the player was a master (name starting with "※")
//    "practice": false,                    a practice duel
//    "forfeit": false,                     the duel window was closed during the duel
//    "player": [8, 9, 9, 13, 0],           the player's hand, slots 0..4, card ids 0..39
//    "enemy": [10, 11, 0, 16, 17],         the enemy's hand
//    "first": "player",                    who made the first placement: "player" | "enemy"
//    "moves": ["p1@3,5", "e0@3,1", ...],   every placement in order, as korvane-tool writes
//                                          them: p|e, hand slot, "@", column, ",", row
//    "result": "win",                      the player's outcome: "win" | "loss" | "draw"
//    "count": {"player": 3, "enemy": 2}}   face-up cards of each side at the end
//
// A settled duel has its ten placements and the result its counts give. A forfeit has the
// placements made before the window was closed, the counts of the board at that moment, and
// is a loss whatever they are (as the game settles it).
//
// Writing and damage
// ------------------
// Every append writes the whole new file to a temporary file in the same directory and renames
// it over the old one (QSaveFile), as the save is written: a crash or a full disk leaves the old
// file whole. The file keeps the newest 1,000 duels; older ones are dropped as new ones come.
// Reading never trusts the file. Lines that are not a whole record (cut off mid-line, garbled,
// not an object, a field missing or out of range) are moved to "duels.jsonl.damaged-<n>" (the
// first free n) and the good lines stay; a file with no good line at all, a folder in its
// place or a file that cannot be read is renamed to "duels.jsonl.damaged-<n>" whole. Load then
// returns one message for the player; the game goes on with the duels it could read.
#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/card_table.h"
#include "engine/duel_model.h"
#include "engine/placement.h"
#include "engine/rules.h"

namespace korvane {

struct DuelRecord {
  std::array<int, kHandSize> PlayerHand{};  // card ids 0..39
  std::array<int, kHandSize> EnemyHand{};
  bool PlayerFirst = true;       // who made the first placement
  std::vector<Placement> Moves;  // every placement in order
  int Opponent = 1;              // person index 1..6
  bool Master = false;
  bool Practice = false;
  bool Forfeit = false;
  DuelResult Result = DuelResult::Draw;  // from the player's side; a forfeit is EnemyWon
  int PlayerScore = 0;                   // face-up cards at the end (or at the forfeit)
  int EnemyScore = 0;
  QDateTime When;  // UTC, whole seconds

  bool operator==(const DuelRecord&) const = default;
};

constexpr int kDuelRecordVersion = 1;
constexpr int kDuelRecordLimit = 1000;

// One line of the file, without its "\n". `When` is written to the second, in UTC.
QJsonObject ToJson(const DuelRecord& r);
// nullopt when the object is not a whole record of this version (see the header comment); *why
// says what is wrong, in English, for the tools.
std::optional<DuelRecord> FromJson(const QJsonObject& o, std::string* why = nullptr);

// The record's placements played through the engine's own rules from the dealt hands, each as
// the duel window makes it (fields recomputed, flips shown at once).
struct RecordReplay {
  bool legal = false;        // the first mover is the one the hands give, every move is legal
  bool countsMatch = false;  // and the face-up counts (and the outcome) are the recorded ones
  FaceUpCount count{0, 0};   // the counts the replay ends with
  std::string problem;       // what did not fit, in English; "" when both hold
};
RecordReplay ReplayRecord(const DuelRecord& r, const CardTable& cards);

class DuelRecordFile {
 public:
  static constexpr const char* kFileName = "duels.jsonl";

  // The record in `directory` (the save's; SaveStore::DefaultDirectory() in the game). Nothing
  // is read until Load. Another file name serves the tools.
  explicit DuelRecordFile(QString directory, QString fileName = QString::fromLatin1(kFileName));
  QString Path() const;

  enum class Damage { KeepAside, LeaveAlone };
  // Reads the file. A missing or empty file gives no duels and no message. Damage is kept aside
  // (the file is left alone with LeaveAlone, for the tools that only look) and the returned
  // text tells the player once; "" when all is well.
  QString Load(Damage damage = Damage::KeepAside);

  // Adds one duel (or several, oldest first) and writes the file; the newest 1,000 stay. A file
  // not loaded yet is loaded first, so that appending never drops what is on disk; any message
  // of that load comes back in *problem too. False, with *problem, when the file could not be
  // written (the duels stay in memory and go with the next append that succeeds).
  bool Append(const DuelRecord& r, QString* problem = nullptr);
  bool AppendAll(const std::vector<DuelRecord>& records, QString* problem = nullptr);

  const std::vector<DuelRecord>& Duels() const { return duels_; }

 private:
  QString directory_;
  QString fileName_;
  std::vector<DuelRecord> duels_;
  bool loaded_ = false;
  // Damage that could not be moved aside: the file is never written over it.
  bool blocked_ = false;
};

}  // namespace korvane
