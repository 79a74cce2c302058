// How the player fares against each of the six characters: duels, wins, losses, draws, perfect
// results, cards that changed hands and hints asked for. Kept in a small text file of our own,
// "Statistics.txt", beside the save in the user's data directory (never inside the save, whose
// layout is fixed). Every change is written at once, atomically, so the record survives a crash,
// closing the game, and a save and reload alike.
//
// A file that cannot be read whole is moved aside as "Statistics.txt.damaged-<n>" and the game
// goes on with fresh statistics; the message for the player is returned to the caller. A new game
// starts fresh statistics and keeps the old file as "Statistics.txt.previous-<n>" (the highest n
// is the game before).
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "engine/rules.h"
#include "state/game_state.h"
#include "state/save_files.h"

namespace korvane {

// One settled duel, or a forfeit, as the duel window reports it. The tutorial reports nothing.
struct DuelReport {
  int Opponent = -1;  // person index 1..6
  DuelResult Result = DuelResult::Draw;
  int PlayerScore = 0;  // face-up cards at the end
  int EnemyScore = 0;
  bool Forfeit = false;  // the window was closed during the duel: a perfect loss
  int CardsWon = 0;      // cards that moved to the player
  int CardsLost = 0;     // cards that moved to the opponent

  // All five of the winner's cards face up and none of the loser's, as the game calls it; a
  // forfeit counts as a perfect loss.
  bool PerfectWin() const;
  bool PerfectLoss() const;
};

struct OpponentRecord {
  int Duels = 0;
  int Wins = 0;
  int Losses = 0;
  int Draws = 0;
  int PerfectWins = 0;
  int PerfectLosses = 0;
  int CardsWon = 0;
  int CardsLost = 0;
  int Hints = 0;
  // From the reviews of the duels (worked out after each one): how many were reviewed, the sum
  // of their accuracies in thousandths, and the player's mistakes (悪手) and blunders (大悪手).
  int Reviewed = 0;
  int AccuracySum = 0;
  int Mistakes = 0;
  int Blunders = 0;
  // The average accuracy of the reviewed duels, 0..1; nullopt before the first.
  std::optional<double> AverageAccuracy() const;

  bool operator==(const OpponentRecord&) const = default;
};

class Statistics {
 public:
  static constexpr const char* kFileName = "Statistics.txt";

  // Fresh statistics kept in `directory` (the save's directory); nothing is read until Load.
  explicit Statistics(const QString& directory);
  QString Path() const;

  // Reads the file. A missing file gives fresh statistics and no message. A damaged one is kept
  // aside, the statistics start fresh, and the returned text tells the player; "" when all is
  // well.
  QString Load();

  // Counts a settled duel or a forfeit and writes the file. Reports of anyone but the six
  // characters are ignored.
  void Record(const DuelReport& report);
  // Counts one hint asked for against the opponent (person 1..6) and writes the file.
  void CountHint(int opponent);
  // Counts the review of a duel against the opponent (person 1..6): the player's accuracy (0..1),
  // mistakes and blunders.
  void RecordReview(int opponent, double accuracy, int mistakes, int blunders);
  // A new game: the old file, when it holds anything, becomes the previous game's; the
  // statistics start fresh and are written.
  FileResult StartNewGame();

  // The record against person 1..6 (a zero record for anything else), and all six summed.
  const OpponentRecord& Against(int opponent) const;
  OpponentRecord Total() const;
  bool IsEmpty() const;

  // The message of the last write that failed, "" after a good one. The figures stay in memory.
  const QString& WriteError() const { return writeError_; }
  // The file of the game before the current one, "" when there is none.
  QString PreviousGamePath() const;

  // The file's text, and the reading of it (false with *why when it is not a whole, sound file).
  static std::string Encode(const std::array<OpponentRecord, kPersons>& records);
  static bool Decode(const std::string& text, std::array<OpponentRecord, kPersons>* records,
                     QString* why);

 private:
  void Write();

  QString directory_;
  std::array<OpponentRecord, kPersons> records_{};  // index 0 unused
  QString writeError_;
};

}  // namespace korvane
