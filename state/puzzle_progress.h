// The player's 詰めKORVANE progress: the puzzles solved and a rating, kept in "puzzles.json"
// beside the save in the user's data directory (never inside the save, whose layout is fixed).
//
// The rating is Glicko-2, each attempt a game of the player against the puzzle: a puzzle solved
// without a wrong placement is a win, one with a wrong placement first a loss. A puzzle's own
// rating comes from its level (PuzzleRating). Every attempt is one rating period.
//
// The file is a JSON object {"v": 1, "solved": ["id", ...], "own_solved": ["id", ...],
// "rating": R, "deviation": RD, "volatility": s, "attempts": n}, written whole through a
// temporary file and a rename after every attempt. "solved" lists the shipped set's puzzles,
// "own_solved" those mined from the player's own duels: two lists, so that no id of one set can
// ever stand for a puzzle of the other (a file without "own_solved" has none solved). A file that
// cannot be read whole is moved aside as "puzzles.json.damaged-<n>" and the player starts afresh;
// Load returns the message for the player.
#pragma once

#include <QString>
#include <set>
#include <string>
#include <vector>

#include "state/save_files.h"

namespace korvane {

struct GlickoRating {
  double rating = 1500;
  double deviation = 350;
  double volatility = 0.06;
  bool operator==(const GlickoRating&) const = default;
};

// One game of a rating period: the opponent's rating and deviation, and the score (1 a win,
// 0 a loss, 0.5 a draw).
struct GlickoGame {
  double rating = 1500;
  double deviation = 350;
  double score = 0;
};
// One Glicko-2 rating period (system constant tau 0.5).
GlickoRating GlickoUpdate(const GlickoRating& player, const std::vector<GlickoGame>& games);

// The rating of a puzzle of level 1..5: 1100 for level 1, 200 more a level.
double PuzzleRating(int level);
constexpr double kPuzzleDeviation = 100;

// Which set a puzzle belongs to: the one the game ships, or the player's own duels'.
enum class PuzzleSet { Shipped, Own };

class PuzzleProgress {
 public:
  static constexpr const char* kFileName = "puzzles.json";

  explicit PuzzleProgress(const QString& directory);
  QString Path() const;

  // Reads the file. A missing file is a fresh start with no message.
  QString Load();

  // A puzzle solved: `firstTry` when no wrong placement came before the solution. The rating
  // moves, the puzzle joins the solved list, and the file is written at once. A puzzle already
  // in the list changes nothing.
  // The rating is one for both sets.
  void Record(const std::string& id, int level, bool firstTry, PuzzleSet set = PuzzleSet::Shipped);

  bool Solved(const std::string& id, PuzzleSet set = PuzzleSet::Shipped) const {
    return Ids(set).count(id) > 0;
  }
  const std::set<std::string>& SolvedIds(PuzzleSet set = PuzzleSet::Shipped) const {
    return Ids(set);
  }
  // Puzzles solved in both sets.
  size_t SolvedCount() const { return solved_.size() + ownSolved_.size(); }
  const GlickoRating& Rating() const { return rating_; }
  int Attempts() const { return attempts_; }
  // The last write's problem, empty when it went well.
  const QString& WriteError() const { return writeError_; }

 private:
  void Write();
  const std::set<std::string>& Ids(PuzzleSet set) const {
    return set == PuzzleSet::Own ? ownSolved_ : solved_;
  }

  QString directory_;
  std::set<std::string> solved_, ownSolved_;
  GlickoRating rating_;
  int attempts_ = 0;
  QString writeError_;
};

}  // namespace korvane
