// `replay`: plays a list of placements on a fresh board and prints the board, both fields and
// the count; with --weights also the opponent's score of every candidate and its choice.
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include "ai/ai.h"
#include "engine/rules.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct ReplayArgs {
  std::string player, enemy, weights, carddata;
  bool haveWeights = false;
  std::vector<std::string> moves;
};

// A plain decimal number, optionally negative, within [lo, hi].
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

struct Move {
  bool enemy;
  int slot, column, row;
};

// p<s>@<c>,<r> or e<s>@<c>,<r>, single digits.
Move ParseMove(const std::string& text) {
  const bool shape = text.size() == 6 && (text[0] == 'p' || text[0] == 'e') && text[2] == '@' &&
                     text[4] == ',' && std::isdigit(static_cast<unsigned char>(text[1])) &&
                     std::isdigit(static_cast<unsigned char>(text[3])) &&
                     std::isdigit(static_cast<unsigned char>(text[5]));
  if (!shape) throw UsageError("bad move \"" + text + "\" (expected p<slot>@<column>,<row>)");
  Move m{text[0] == 'e', text[1] - '0', text[3] - '0', text[5] - '0'};
  if (!IsValidSlot(m.slot)) throw UsageError("move \"" + text + "\": hand slot is not 0..4");
  return m;
}

void PrintMap(std::ostream& out, const SquareMap& map) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) out << (c > 1 ? " " : "") << map[c][r];
    out << '\n';
  }
}

void Replay(const ReplayArgs& args) {
  // Everything on the command line is checked before anything is printed.
  const std::vector<int> player = ParseList(args.player, kHandSize, 0, kCardKinds - 1, "card");
  const std::vector<int> enemy = ParseList(args.enemy, kHandSize, 0, kCardKinds - 1, "card");
  AiWeights w;
  if (args.haveWeights) {
    const std::vector<int> v = ParseList(args.weights, 4, INT16_MIN, INT16_MAX, "weight");
    w = {static_cast<int16_t>(v[0]), static_cast<int16_t>(v[1]), static_cast<int16_t>(v[2]),
         static_cast<int16_t>(v[3])};
  }
  std::vector<Move> moves;
  for (const std::string& text : args.moves) moves.push_back(ParseMove(text));
  const CardTable cards = LoadCardTable(args.carddata);

  // The duel's set-up.
  DuelState s;
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(player[k]);
    s.EnemyHand[k] = static_cast<int16_t>(enemy[k]);
  }
  ResetBoard(s);
  LoadHandSides(s, cards);
  ComputeFields(s);
  DecideFirstTurn(s);
  std::ostringstream out;
  out << "first " << (s.Turn == TurnState::Player ? "player" : "enemy") << '\n';

  // The moves, each redrawn as the board does, flips shown at once.
  for (size_t i = 0; i < moves.size(); ++i) {
    const Move& m = moves[i];
    if (!IsPlayable(m.column, m.row) || s.BoardCard[m.column][m.row] != kEmptySquare) {
      throw UsageError("move " + args.moves[i] + ": the square is not empty and playable");
    }
    if ((m.enemy ? s.EnemyPlayed : s.PlayerPlayed)[m.slot]) {
      throw UsageError("move " + args.moves[i] + ": that hand slot has already been played");
    }
    s.SelectedSlot = static_cast<int16_t>(m.slot);
    if (m.enemy) {
      PlaceEnemyCard(s, m.column, m.row);
    } else {
      PlacePlayerCard(s, m.column, m.row);
    }
    ComputeFields(s);
    s.FlipTime = ClockMap{};
  }

  // The position.
  out << "board\n";
  PrintMap(out, s.BoardCard);
  out << "player-field\n";
  PrintMap(out, s.PlayerFieldMap);
  out << "enemy-field\n";
  PrintMap(out, s.EnemyFieldMap);
  int faceUpPlayer = 0, faceUpEnemy = 0;
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      faceUpPlayer += IsPlayerCard(s.BoardCard[c][r]);
      faceUpEnemy += IsEnemyCard(s.BoardCard[c][r]);
    }
  }
  out << "count " << faceUpPlayer << ' ' << faceUpEnemy << '\n';

  // The opponent's view of the position.
  if (args.haveWeights) {
    std::vector<CandidateScore> trace;
    SeededRandom rng(0);  // the scores do not depend on the tie-break draws
    ChooseEnemyMove(s, w, rng, &trace);
    out << "scores\n";
    const CandidateScore* best = nullptr;
    for (const CandidateScore& cs : trace) {
      out << cs.slot << ' ' << cs.column << ' ' << cs.row << ' ' << cs.score << '\n';
      if (!best || cs.score > best->score) best = &cs;
    }
    if (best) {
      out << "choice " << best->slot << ' ' << best->column << ' ' << best->row << '\n';
    } else {
      out << "choice none\n";
    }
  }
  std::cout << out.str() << std::flush;
}

}  // namespace

void AddReplayCommand(CLI::App& app) {
  auto args = std::make_shared<ReplayArgs>();
  CLI::App* replay = app.add_subcommand(
      "replay", "Play placements on a fresh board and print board, fields and the count");
  replay->add_option("--player", args->player, "player's hand: five card ids A,B,C,D,E")
      ->required();
  replay->add_option("--enemy", args->enemy, "enemy's hand: five card ids A,B,C,D,E")->required();
  replay->add_option("--weights", args->weights,
                     "T,F,S,L: TerritoryWeight, FlipWeight, SafetyBonus, LossWeight");
  replay->add_option("--carddata", args->carddata, "card file (default: the game's data)");
  replay->add_option("MOVE", args->moves, "p<slot>@<column>,<row> or e<slot>@<column>,<row>");
  replay->callback([args, replay] {
    args->haveWeights = replay->count("--weights") > 0;
    Replay(*args);
  });
}

}  // namespace korvane::tool
