// `replay`: plays a list of placements on a fresh board and prints the board, both fields and
// the count; with --weights also the opponent's score of every candidate and its choice; with
// --json the same as one JSON object.
#include <QJsonArray>
#include <QJsonObject>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

#include "ai/ai.h"
#include "engine/rules.h"
#include "tools/position_args.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct ReplayArgs {
  std::string player, enemy, weights, carddata;
  bool haveWeights = false;
  bool json = false;
  std::vector<std::string> moves;
};

void PrintMap(std::ostream& out, const SquareMap& map) {
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) out << (c > 1 ? " " : "") << map[c][r];
    out << '\n';
  }
}

// One map as rows of numbers, row 1 first.
QJsonArray JsonMap(const SquareMap& map) {
  QJsonArray rows;
  for (int r = 1; r <= kBoardSize; ++r) {
    QJsonArray row;
    for (int c = 1; c <= kBoardSize; ++c) row.append(map[c][r]);
    rows.append(row);
  }
  return rows;
}

QJsonObject JsonSquare(int slot, int column, int row) {
  return {{"slot", slot}, {"column", column}, {"row", row}};
}

QJsonObject ReplayJson(const DuelState& s, bool playerFirst, const FaceUpCount& count,
                       const std::vector<CandidateScore>* trace, const CandidateScore* best) {
  QJsonObject o{{"first", playerFirst ? "player" : "enemy"},
                {"board", JsonMap(s.BoardCard)},
                {"player_field", JsonMap(s.PlayerFieldMap)},
                {"enemy_field", JsonMap(s.EnemyFieldMap)},
                {"count", QJsonObject{{"player", count.player}, {"enemy", count.enemy}}}};
  if (trace) {
    QJsonArray scores;
    for (const CandidateScore& cs : *trace) {
      QJsonObject score = JsonSquare(cs.slot, cs.column, cs.row);
      score.insert("score", cs.score);
      scores.append(score);
    }
    o.insert("scores", scores);
    o.insert("choice", best ? QJsonValue(JsonSquare(best->slot, best->column, best->row))
                            : QJsonValue(QJsonValue::Null));
  }
  return o;
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
  std::vector<MoveArg> moves;
  for (const std::string& text : args.moves) moves.push_back(ParseMove(text));
  const CardTable cards = LoadCardTable(args.carddata);

  // The duel's set-up, then the moves, each redrawn as the board does, flips shown at once.
  DuelState s = SetUpDuel(player, enemy, cards);
  const bool playerFirst = s.Turn == TurnState::Player;
  PlayMoves(s, moves, false);
  const FaceUpCount count = CountFaceUp(s);

  // The opponent's view of the position.
  std::vector<CandidateScore> trace;
  const CandidateScore* best = nullptr;
  if (args.haveWeights) {
    SeededRandom rng(0);  // the scores do not depend on the tie-break draws
    ChooseEnemyMove(s, w, rng, &trace);
    for (const CandidateScore& cs : trace) {
      if (!best || cs.score > best->score) best = &cs;
    }
  }

  if (args.json) {
    PrintJson(ReplayJson(s, playerFirst, count, args.haveWeights ? &trace : nullptr, best));
    return;
  }
  std::ostringstream out;
  {
    out << "first " << (playerFirst ? "player" : "enemy") << '\n';
    out << "board\n";
    PrintMap(out, s.BoardCard);
    out << "player-field\n";
    PrintMap(out, s.PlayerFieldMap);
    out << "enemy-field\n";
    PrintMap(out, s.EnemyFieldMap);
    out << "count " << count.player << ' ' << count.enemy << '\n';
    if (args.haveWeights) {
      out << "scores\n";
      for (const CandidateScore& cs : trace) {
        out << cs.slot << ' ' << cs.column << ' ' << cs.row << ' ' << cs.score << '\n';
      }
      if (best) {
        out << "choice " << best->slot << ' ' << best->column << ' ' << best->row << '\n';
      } else {
        out << "choice none\n";
      }
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
  replay->add_flag("--json", args->json, "print one JSON object instead of the text protocol");
  replay->callback([args, replay] {
    args->haveWeights = replay->count("--weights") > 0;
    Replay(*args);
  });
}

}  // namespace korvane::tool
