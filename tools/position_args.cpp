#include "tools/position_args.h"

#include <cctype>

#include "engine/placement.h"
#include "engine/rules.h"
#include "solver/solver.h"
#include "tools/tool_common.h"

namespace korvane::tool {

int ParseNumber(const std::string& text, int lo, int hi, const std::string& what) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  if (i == text.size() || text.size() - i > 6)
    throw UsageError("bad " + what + ": \"" + text + "\"");
  long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') throw UsageError("bad " + what + ": \"" + text + "\"");
    value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  if (value < lo || value > hi) {
    throw UsageError(what + " " + text + " is outside " + std::to_string(lo) + ".." +
                     std::to_string(hi));
  }
  return static_cast<int>(value);
}

std::vector<int> ParseList(const std::string& text, size_t count, int lo, int hi,
                           const std::string& what) {
  std::vector<int> values;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    values.push_back(ParseNumber(
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), lo, hi,
        what));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != count) {
    throw UsageError(what + " list \"" + text + "\" needs exactly " + std::to_string(count) +
                     " values");
  }
  return values;
}

MoveArg ParseMove(const std::string& text) {
  // The command line's own messages: a slot out of range is told apart from a text of the wrong
  // shape, and a square off the diamond is refused with the position (below).
  const bool shape = text.size() == 6 && (text[0] == 'p' || text[0] == 'e') && text[2] == '@' &&
                     text[4] == ',' && std::isdigit(static_cast<unsigned char>(text[1])) &&
                     std::isdigit(static_cast<unsigned char>(text[3])) &&
                     std::isdigit(static_cast<unsigned char>(text[5]));
  if (!shape) throw UsageError("bad move \"" + text + "\" (expected p<slot>@<column>,<row>)");
  MoveArg m{text, text[0] == 'e', text[1] - '0', text[3] - '0', text[5] - '0'};
  if (!IsValidSlot(m.slot)) throw UsageError("move \"" + text + "\": hand slot is not 0..4");
  return m;
}

DuelState SetUpDuel(const std::vector<int>& player, const std::vector<int>& enemy,
                    const CardTable& cards) {
  DuelState s;
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(player[k]);
    s.EnemyHand[k] = static_cast<int16_t>(enemy[k]);
  }
  ResetBoard(s);
  LoadHandSides(s, cards);
  ComputeFields(s);
  DecideFirstTurn(s);
  return s;
}

void PlayMoves(DuelState& s, const std::vector<MoveArg>& moves, bool inTurn) {
  for (const MoveArg& m : moves) {
    if (!IsPlayable(m.column, m.row) || s.BoardCard[m.column][m.row] != kEmptySquare) {
      throw UsageError("move " + m.text + ": the square is not empty and playable");
    }
    if ((m.enemy ? s.EnemyPlayed : s.PlayerPlayed)[m.slot]) {
      throw UsageError("move " + m.text + ": that hand slot has already been played");
    }
    if (inTurn && m.enemy != (s.Turn == TurnState::Enemy)) {
      throw UsageError("move " + m.text + ": it is the " +
                       (s.Turn == TurnState::Enemy ? "enemy" : "player") + "'s turn");
    }
    PlayPlacement(s, Placement{m.enemy, m.slot, m.column, m.row});
  }
}

}  // namespace korvane::tool
