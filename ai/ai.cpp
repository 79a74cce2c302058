#include "ai/ai.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "cast/cast.h"
#include "engine/projection.h"
#include "engine/rules.h"

namespace korvane {
namespace {

// MoveScore is 16-bit: the common case stays inline, leaving the range goes through
// CheckedAdd, which throws CounterOverflow.
inline void Add16(int16_t& value, int delta) {
  const int sum = value + delta;
  value =
      (sum < INT16_MIN || sum > INT16_MAX) ? CheckedAdd(value, delta) : static_cast<int16_t>(sum);
}

struct CardOnBoard {
  int c, r;
  bool enemy;
  const std::array<char, 4>* sides;
};

// What stays the same for every candidate of one move choice.
struct Context {
  std::array<CardOnBoard, 2 * kHandSize> cards;  // unflipped cards on the real board
  int cardCount = 0;
  std::array<int, 13> emptyC, emptyR;  // the real board's empty squares
  int emptyCount = 0;
  int territoryBefore = 0;
  // What the cards left in the player's hand could do on their sides 1..4.
  std::array<int, 4> maxRange{};
  std::array<bool, 4> split{}, arc{};
  // True when the weights are small enough that no score can leave the 16-bit range; then a
  // candidate whose terms are all dropped (step 4) need not be worked out at all.
  bool cannotOverflow = false;
};

bool CannotOverflow(const AiWeights& w) {
  const int flip = std::abs(w.FlipWeight), loss = std::abs(w.LossWeight);
  // Four bomb sides of five squares, five simulated flips, territory moving by at most 26 plus
  // the bonus of step 5, and the safety bonus.
  const int bound = 20 * std::max(flip, loss) + 5 * flip + 27 * std::abs(w.TerritoryWeight) +
                    std::abs(w.SafetyBonus);
  return bound <= INT16_MAX;
}

void LoadReplyReach(const DuelState& s, Context& ctx) {
  for (int k = 0; k < kHandSize; ++k) {
    if (s.PlayerPlayed[k]) continue;
    for (int side = 0; side < 4; ++side) {
      const char code = s.PlayerSides[k][side];
      if (code >= '1' && code <= '9') ctx.maxRange[side] = std::max(ctx.maxRange[side], code - '0');
      if (code == 's') ctx.split[side] = true;
      if (code == 'a') ctx.arc[side] = true;
    }
  }
}

void BuildContext(const DuelState& s, Context& ctx) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int code = s.BoardCard[c][r];
      if (code == kEmptySquare && ctx.emptyCount < 13) {
        ctx.emptyC[ctx.emptyCount] = c;
        ctx.emptyR[ctx.emptyCount] = r;
        ++ctx.emptyCount;
        // Territory before the move, from the real maps.
        ctx.territoryBefore += (s.EnemyFieldMap[c][r] >= 1) - (s.PlayerFieldMap[c][r] >= 1);
      } else if (IsPlayerCard(code) && code <= kHandSize && ctx.cardCount < 10) {
        ctx.cards[ctx.cardCount++] = {c, r, false, &s.PlayerSides[code - 1]};
      } else if (IsEnemyCard(code) && code >= -kHandSize && ctx.cardCount < 10) {
        ctx.cards[ctx.cardCount++] = {c, r, true, &s.EnemySides[-code - 1]};
      }
    }
  }
  LoadReplyReach(s, ctx);
}

// Both simulated maps from scratch: homes, then every card still unflipped on the copy.
void ProjectSim(const Context& ctx, const CardOnBoard& candidate, SimBoard& sim) {
  sim.playerMap = SquareMap{};
  sim.enemyMap = SquareMap{};
  sim.enemyMap[3][1] = 1;
  sim.playerMap[3][5] = 1;
  for (int i = 0; i <= ctx.cardCount; ++i) {
    const CardOnBoard& card = i < ctx.cardCount ? ctx.cards[i] : candidate;
    const int code = sim.board[card.c][card.r];
    if (card.enemy ? !IsEnemyCard(code) : !IsPlayerCard(code)) continue;
    ProjectCard(sim.board, card.enemy ? sim.enemyMap : sim.playerMap, card.c, card.r, card.enemy,
                *card.sides);
  }
}

// A reply square: empty on the copy and outside the enemy's simulated field.
inline bool ReplySquare(const SimBoard& sim, int c, int r) {
  return IsOnBoard(c, r) && sim.board[c][r] == kEmptySquare && sim.enemyMap[c][r] == 0;
}

// Looks from the target back along each side's direction for a square a reply could use.
bool ReplyCanReachCtx(const Context& ctx, const SimBoard& sim, int c, int r) {
  for (int side = 1; side <= 4; ++side) {
    const Step d = Ahead(false, side);
    const int i = side - 1;
    if (ctx.arc[i]) {
      const Step l = Sideways(d);
      const int qc = c - d.dc, qr = r - d.dr;
      if (ReplySquare(sim, qc, qr) || ReplySquare(sim, qc - l.dc, qr - l.dr) ||
          ReplySquare(sim, qc + l.dc, qr + l.dr)) {
        return true;
      }
    }
    if (ctx.split[i] && ReplySquare(sim, c - 2 * d.dc, r - 2 * d.dr)) return true;
    // A range reaches the target from t squares back when nothing stands in between.
    for (int t = 1; t <= ctx.maxRange[i]; ++t) {
      const int qc = c - t * d.dc, qr = r - t * d.dr;
      if (!IsOnBoard(qc, qr) || sim.board[qc][qr] != kEmptySquare) break;
      if (sim.enemyMap[qc][qr] == 0) return true;
    }
  }
  return false;
}

void EvaluateMoveCtx(const DuelState& s, const Context& ctx, const AiWeights& w, int c, int r,
                     int slot, int16_t& score, SimBoard& sim) {
  // The territory before the move is counted once for all candidates (ctx.territoryBefore).
  // The copy, with the candidate put down unflipped.
  sim.board = s.BoardCard;
  sim.board[c][r] = static_cast<int16_t>(-(slot + 1));
  const CardOnBoard candidate{c, r, true, &s.EnemySides[slot]};
  // First projection.
  ProjectSim(ctx, candidate, sim);
  // Only the player's cards flip in the simulation.
  bool flipped = false;
  for (int i = 0; i < ctx.cardCount; ++i) {
    const CardOnBoard& card = ctx.cards[i];
    if (!card.enemy && sim.enemyMap[card.c][card.r] >= 1) {
      sim.board[card.c][card.r] = kFlippedPlayerCard;
      Add16(score, w.FlipWeight);
      flipped = true;
    }
  }
  // Second projection; without a flip it would give the same maps.
  if (flipped) ProjectSim(ctx, candidate, sim);
  // Territory after, over the real board's empty squares.
  int after = 0;
  for (int i = 0; i < ctx.emptyCount; ++i) {
    const int ec = ctx.emptyC[i], er = ctx.emptyR[i];
    after += (sim.enemyMap[ec][er] >= 1) - (sim.playerMap[ec][er] >= 1);
  }
  Add16(score, CheckedMul(w.TerritoryWeight, static_cast<int16_t>(after - ctx.territoryBefore)));
  if (!ReplyCanReachCtx(ctx, sim, c, r)) Add16(score, w.SafetyBonus);
}

int16_t ScoreCtx(const DuelState& s, const Context& ctx, const AiWeights& w, int slot, int c,
                 int r) {
  // A card landing in the player's field keeps only the loss (step 4 below).
  if (ctx.cannotOverflow && s.PlayerFieldMap[c][r] >= 1) {
    return static_cast<int16_t>(w.LossWeight +
                                (s.EnemyFieldMap[c][r] == 0 ? w.TerritoryWeight : 0));
  }
  int16_t score = 0;
  // Bomb term, on the real board.
  for (int side = 1; side <= 4; ++side) {
    if (s.EnemySides[slot][side - 1] != 'b') continue;
    const BlastSquares b = Blast(c, r, Ahead(true, side));
    for (int i = 0; i < 5; ++i) {
      if (IsOnBoard(b.c[i], b.r[i]) && IsPlayerCard(s.BoardCard[b.c[i]][b.r[i]])) {
        Add16(score, w.FlipWeight);
      }
    }
    for (int i = 0; i < 5; ++i) {
      if (IsOnBoard(b.c[i], b.r[i]) && IsEnemyCard(s.BoardCard[b.c[i]][b.r[i]])) {
        Add16(score, w.LossWeight);
      }
    }
  }
  SimBoard sim;
  EvaluateMoveCtx(s, ctx, w, c, r, slot, score, sim);
  // A card landing in the player's field is flipped at once: only the loss counts.
  if (s.PlayerFieldMap[c][r] >= 1) score = w.LossWeight;
  if (s.EnemyFieldMap[c][r] == 0) Add16(score, w.TerritoryWeight);
  return score;
}

// Territory, flip, safety and loss weights of person 1..6 (index 0 unused).
constexpr AiWeights kWeightTable[kPersons] = {
    {},
    {0, 3, 0, -10},
    {1, 10, 0, -10},
    {0, 4, 10, 0},
    {1, 6, 6, -5},
    {1, 9, 6, -10},
    {1, 10, 10, -10},
};

}  // namespace

bool SetWeightsFor(std::string_view opponentName, AiWeights* weights) {
  // Only the full names: the duel window passes OpponentName as it is.
  const int person = CastIndex(opponentName);
  if (person <= 0 || Cast(person).name != opponentName) return false;
  *weights = kWeightTable[person];
  return true;
}

int ScoreCandidate(const DuelState& s, const AiWeights& w, int slot, int c, int r) {
  Context ctx;
  BuildContext(s, ctx);
  ctx.cannotOverflow = CannotOverflow(w);
  return ScoreCtx(s, ctx, w, slot, c, r);
}

void EvaluateMove(const DuelState& s, const AiWeights& w, int c, int r, int slot,
                  int16_t* moveScore, SimBoard* sim) {
  Context ctx;
  BuildContext(s, ctx);
  SimBoard local;
  EvaluateMoveCtx(s, ctx, w, c, r, slot, *moveScore, sim ? *sim : local);
}

bool ReplyCanReach(const DuelState& s, const SimBoard& sim, int c, int r) {
  Context ctx;
  LoadReplyReach(s, ctx);
  return ReplyCanReachCtx(ctx, sim, c, r);
}

EnemyMove ChooseEnemyMove(const DuelState& s, const AiWeights& w, RandomSource& rng,
                          std::vector<CandidateScore>* trace) {
  Context ctx;
  BuildContext(s, ctx);
  ctx.cannotOverflow = CannotOverflow(w);
  int best = -20;
  EnemyMove chosen;  // slot 0 on (0, 0) until a candidate is taken
  bool taken = false;
  int topScore = INT_MIN;  // the fallback: first candidate with the highest score
  EnemyMove top;
  // Empty squares row by row, hand slots 0..4 still in hand.
  for (int i = 0; i < ctx.emptyCount; ++i) {
    const int c = ctx.emptyC[i], r = ctx.emptyR[i];
    for (int slot = 0; slot < kHandSize; ++slot) {
      if (s.EnemyPlayed[slot] || s.EnemyHand[slot] < 0) continue;
      // A number is drawn for every candidate, whatever its score.
      const int score = ScoreCtx(s, ctx, w, slot, c, r);
      const double x = rng.Next();
      if (trace) trace->push_back({slot, c, r, score});
      if (score == best && x > 0.8f) {
        best = score;
        chosen = {slot, c, r};
        taken = true;
      }
      if (score > best) {
        best = score;
        chosen = {slot, c, r};
        taken = true;
      }
      if (score > topScore) {
        topScore = score;
        top = {slot, c, r};
      }
    }
  }
  // Nothing reached the starting score: play the best there is rather than nothing.
  if (!taken && topScore != INT_MIN) return top;
  return chosen;
}

void ChooseEnemyHand(std::array<int16_t, kHandSize>& enemyHand,
                     std::array<int16_t, kCardKinds>& stock, std::string_view opponentName,
                     RandomSource& rng) {
  const int lowest = opponentName == "速水 結" ? 29 : 0;
  // A stock with fewer than five copies the opponent may draw would never fill the
  // hand: top it up, one copy per kind from the lowest drawable identifier on.
  int drawable = 0;
  for (int k = lowest; k < kCardKinds; ++k) drawable += std::max<int>(stock[k], 0);
  for (int k = lowest; drawable < kHandSize; k = k + 1 < kCardKinds ? k + 1 : lowest) {
    stock[k] = stock[k] < 1 ? 1 : CheckedAdd(stock[k], 1);
    ++drawable;
  }
  // The draw: one number per attempt picks a card kind, used when a copy is left.
  enemyHand.fill(-1);
  int k = 0;
  for (long attempt = 0; k < kHandSize && attempt < 1000000; ++attempt) {
    const double x = rng.Next();
    int r = static_cast<int>(std::nearbyint(x * 40 - 0.5));  // halves to even
    r = std::clamp(r, 0, kCardKinds - 1);
    if (stock[r] >= 1 && r >= lowest) {
      enemyHand[k++] = static_cast<int16_t>(r);
      AddTo(stock[r], -1);
    }
  }
  // Only a broken random source gets here: take what is left in identifier order.
  for (int id = lowest; k < kHandSize && id < kCardKinds; ++id) {
    while (k < kHandSize && stock[id] >= 1) {
      enemyHand[k++] = static_cast<int16_t>(id);
      AddTo(stock[id], -1);
    }
  }
}

}  // namespace korvane
