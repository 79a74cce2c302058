#include "solver/puzzle.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "ai/ai.h"
#include "ai/selfplay.h"
#include "cast/cast.h"
#include "engine/duel_model.h"
#include "engine/rules.h"
#include "solver/review.h"
#include "solver/search.h"
#include "solver/solver.h"

namespace korvane {
namespace {

// The opponents' evaluations break ties with random draws; the temptation count looks at the
// scores only, so any fixed seed does.
constexpr uint64_t kTemptationSeed = 1;

int CardsLeftOf(const DuelState& s) {
  int left = 0;
  for (int k = 0; k < kHandSize; ++k) left += !s.PlayerPlayed[k] + !s.EnemyPlayed[k];
  return left;
}

int CardOf(const DuelState& s, const Placement& m) {
  return (m.enemy ? s.EnemyHand : s.PlayerHand)[m.slot];
}

// One placement: the same side, square and card kind.
bool SameMove(const DuelState& s, const Placement& a, const Placement& b) {
  return a.enemy == b.enemy && a.column == b.column && a.row == b.row &&
         CardOf(s, a) == CardOf(s, b);
}

// The side to move's placements, one per square and card kind, in visiting order.
std::vector<Placement> FoldedPlacements(const DuelState& s) {
  std::vector<Placement> folded;
  for (const Placement& m : LegalPlacements(s)) {
    if (std::none_of(folded.begin(), folded.end(),
                     [&](const Placement& f) { return SameMove(s, f, m); })) {
      folded.push_back(m);
    }
  }
  return folded;
}

// One searcher for every position of the puzzle's duel, so that its table serves them all.
class Prover {
 public:
  Prover(const DuelState& s, int left)
      : searcher_(std::make_unique<search::Searcher>(s, left, limits_)) {}

  // The value for the side to move.
  int Value(const DuelState& s) { return searcher_->Value(searcher_->NodeOf(s), CardsLeftOf(s)); }

  // Whether `m` leaves the side that makes it at least `value`.
  bool Keeps(const DuelState& s, const Placement& m, int value) {
    return searcher_->Keeps(searcher_->NodeOf(s), m.slot, search::SquareIndex(m.column, m.row),
                            value, CardsLeftOf(s));
  }

 private:
  SolveLimits limits_;  // none: a puzzle is always proved to the end
  std::unique_ptr<search::Searcher> searcher_;
};

// The placements of the side to move, and those of them that leave it at least `threshold`
// (counted up to two: a second one already ends the uniqueness).
struct Keepers {
  std::vector<Placement> folded;
  std::vector<Placement> keeping;
  bool Unique() const { return folded.size() >= 2 && keeping.size() == 1; }
};

Keepers KeepersOf(Prover& prover, const DuelState& s, int threshold) {
  Keepers k;
  k.folded = FoldedPlacements(s);
  for (const Placement& m : k.folded) {
    if (prover.Keeps(s, m, threshold)) k.keeping.push_back(m);
    if (k.keeping.size() == 2) break;
  }
  return k;
}

// The player's lowest margin that still lies in the band of `margin`.
int BandThreshold(int margin) { return margin > 0 ? 1 : 0; }

// How many of the six opponents' evaluations, run for the player's side, rate a losing
// placement at least as high as any other (so that they would, or might by a tie, play it).
int Tempted(const DuelState& s, const Placement& key) {
  const DuelState mirrored = MirrorSides(s);
  int tempted = 0;
  for (int person = 1; person < kPersons; ++person) {
    AiWeights w;
    SetWeightsFor(Cast(person).name, &w);
    SeededRandom rng(kTemptationSeed);
    std::vector<CandidateScore> trace;
    ChooseEnemyMove(mirrored, w, rng, &trace);
    if (trace.empty()) continue;
    const int top = std::max_element(trace.begin(), trace.end(), [](const auto& a, const auto& b) {
                      return a.score < b.score;
                    })->score;
    const bool drawn = std::any_of(trace.begin(), trace.end(), [&](const CandidateScore& c) {
      const Placement m{false, c.slot, kBoardSize + 1 - c.column, kBoardSize + 1 - c.row};
      return c.score == top && !SameMove(s, m, key);
    });
    tempted += drawn;
  }
  return tempted;
}

PuzzleAnalysis Refused(PuzzleAnalysis a, std::string why) {
  a.qualifies = false;
  a.why = std::move(why);
  return a;
}

// The first placement of the position `s` (prepared: fields up to date, player to move).
PuzzleAnalysis AnalyseFirst(Prover& prover, const DuelState& s) {
  PuzzleAnalysis a;
  a.left = CardsLeftOf(s);
  a.margin = prover.Value(s);
  if (a.margin < 0) return Refused(a, "the player loses whatever is played");
  const Keepers k = KeepersOf(prover, s, BandThreshold(a.margin));
  a.placements = static_cast<int>(k.folded.size());
  if (k.folded.size() < 2) return Refused(a, "the player has a single placement");
  if (k.keeping.size() != 1) {
    return Refused(a, std::string("more than one placement keeps the ") +
                          (a.margin > 0 ? "win" : "draw") + ": " + PlacementText(k.keeping[0]) +
                          ", " + PlacementText(k.keeping[1]));
  }
  a.solution = {k.keeping.front()};
  a.tempted = Tempted(s, k.keeping.front());
  a.qualifies = true;
  return a;
}

// The solution after its first placement: a best reply after which the player's placement is
// again the only one, as long as there is one.
void Extend(Prover& prover, DuelState s, int margin, std::vector<Placement>& solution) {
  while (true) {
    PlayPlacement(s, solution.back());
    if (s.Turn != TurnState::Enemy || CardsLeftOf(s) == 0) return;
    bool extended = false;
    for (const Placement& reply : FoldedPlacements(s)) {
      if (!prover.Keeps(s, reply, -margin)) continue;
      DuelState next = s;
      PlayPlacement(next, reply);
      if (next.Turn != TurnState::Player || CardsLeftOf(next) == 0) continue;
      const Keepers k = KeepersOf(prover, next, BandThreshold(margin));
      if (!k.Unique()) continue;
      solution.push_back(reply);
      solution.push_back(k.keeping.front());
      s = next;
      extended = true;
      break;
    }
    if (!extended) return;
  }
}

// The position as the solver takes it, or why it cannot be a puzzle.
std::optional<DuelState> Prepared(const DuelState& position, std::string* why) {
  search::Position p;
  try {
    p = search::Prepare(position);
  } catch (const std::invalid_argument&) {
    *why = "nobody's turn";
    return std::nullopt;
  }
  if (p.left == 0) {
    *why = "every card is placed";
    return std::nullopt;
  }
  if (p.state.Turn != TurnState::Player) {
    *why = "not the player's turn";
    return std::nullopt;
  }
  return p.state;
}

}  // namespace

PuzzleAnalysis AnalysePuzzle(const DuelState& position, bool extend) {
  std::string why;
  const std::optional<DuelState> s = Prepared(position, &why);
  if (!s) return Refused({}, why);
  Prover prover(*s, CardsLeftOf(*s));
  PuzzleAnalysis a = AnalyseFirst(prover, *s);
  if (a.qualifies && extend) Extend(prover, *s, a.margin, a.solution);
  return a;
}

int GradePuzzle(const PuzzleAnalysis& a) {
  // Deeper positions are harder to read out: 0 points up to 3 cards left, 1 up to 5, 2 up to 7,
  // 3 beyond.
  int points = a.left <= 3 ? 0 : a.left <= 5 ? 1 : a.left <= 7 ? 2 : 3;
  // Every further placement the player has to find: a point, two at most.
  const int playerMoves = static_cast<int>(a.solution.size() + 1) / 2;
  points += std::clamp(playerMoves - 1, 0, 2);
  // A key that every opponent's evaluation finds is easy to guess; one most of them miss is not.
  if (a.tempted == 0) points -= 1;
  if (a.tempted >= 4) points += 1;
  return std::clamp(1 + points, 1, kPuzzleLevels);
}

std::optional<DuelState> PuzzlePosition(const Puzzle& puzzle, const CardTable& cards,
                                        std::string* error) {
  const auto fail = [error](const std::string& why) -> std::optional<DuelState> {
    if (error) *error = why;
    return std::nullopt;
  };
  PlayedDuel duel;
  for (int k = 0; k < kHandSize; ++k) {
    if (!IsValidCardId(puzzle.player[k]) || !IsValidCardId(puzzle.enemy[k])) {
      return fail("a card id is not 0..39");
    }
    duel.player[k] = puzzle.player[k];
    duel.enemy[k] = puzzle.enemy[k];
  }
  DuelState s = DealOf(duel, cards);
  for (size_t i = 0; i < puzzle.moves.size(); ++i) {
    if (!IsLegalPlacement(s, puzzle.moves[i])) {
      return fail("move " + std::to_string(i + 1) + " (" + PlacementText(puzzle.moves[i]) +
                  ") cannot be made there");
    }
    PlayPlacement(s, puzzle.moves[i]);
  }
  return s;
}

PuzzleAnalysis CheckPuzzle(const Puzzle& puzzle, const CardTable& cards) {
  std::string why;
  std::optional<DuelState> position = PuzzlePosition(puzzle, cards, &why);
  if (position) position = Prepared(*position, &why);
  if (!position) return Refused({}, why);
  DuelState s = *position;
  Prover prover(s, CardsLeftOf(s));
  PuzzleAnalysis a = AnalyseFirst(prover, s);
  if (!a.qualifies) return a;
  const std::vector<Placement>& stored = puzzle.solution;
  if (stored.empty()) return Refused(a, "the solution is empty");
  if (stored.size() % 2 == 0) return Refused(a, "the solution ends with the opponent's reply");
  if (!IsLegalPlacement(s, stored[0]) || !SameMove(s, stored[0], a.solution[0])) {
    return Refused(a, "the solution begins with " + PlacementText(stored[0]) +
                          ", but the placement that keeps the band is " +
                          PlacementText(a.solution[0]));
  }
  const int threshold = BandThreshold(a.margin);
  PlayPlacement(s, stored[0]);
  for (size_t i = 1; i + 1 < stored.size(); i += 2) {
    const Placement& reply = stored[i];
    const Placement& next = stored[i + 1];
    if (!IsLegalPlacement(s, reply)) {
      return Refused(a, "the reply " + PlacementText(reply) + " cannot be made there");
    }
    if (!prover.Keeps(s, reply, -a.margin)) {
      return Refused(a, "the reply " + PlacementText(reply) + " is not one of the best");
    }
    PlayPlacement(s, reply);
    if (!IsLegalPlacement(s, next)) {
      return Refused(a, "the placement " + PlacementText(next) + " cannot be made there");
    }
    const Keepers k = KeepersOf(prover, s, threshold);
    if (k.folded.size() < 2) return Refused(a, PlacementText(next) + " is forced");
    if (k.keeping.size() != 1 || !SameMove(s, next, k.keeping.front())) {
      return Refused(a, "after " + PlacementText(reply) + " the placement " + PlacementText(next) +
                            " is not the only one that keeps the band");
    }
    PlayPlacement(s, next);
  }
  a.solution = stored;
  if (puzzle.level && *puzzle.level != GradePuzzle(a)) {
    return Refused(a, "level " + std::to_string(*puzzle.level) + " given, the grading gives " +
                          std::to_string(GradePuzzle(a)));
  }
  return a;
}

}  // namespace korvane
