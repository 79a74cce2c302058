// `solve`: the exact outcome of a position with both sides playing perfectly, and every move
// of the side to move that keeps it. The position is given as `replay` takes it, and the moves
// must follow the duel's turn order.
#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

#include "solver/solver.h"
#include "tools/position_args.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct SolveArgs {
  std::string player, enemy, carddata;
  bool json = false;
  std::vector<std::string> moves;
};

std::string Outcome(int moverValue) {
  return moverValue > 0 ? "win" : moverValue < 0 ? "loss" : "draw";
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", seconds);
  return text;
}

void SolveCommand(const SolveArgs& args) {
  const std::vector<int> player = ParseList(args.player, kHandSize, 0, kCardKinds - 1, "card");
  const std::vector<int> enemy = ParseList(args.enemy, kHandSize, 0, kCardKinds - 1, "card");
  std::vector<MoveArg> moves;
  for (const std::string& text : args.moves) moves.push_back(ParseMove(text));
  const CardTable cards = LoadCardTable(args.carddata);
  DuelState s = SetUpDuel(player, enemy, cards);
  PlayMoves(s, moves, true);

  const SolveResult r = Solve(s);
  const std::string turn = r.turn == TurnState::Enemy ? "enemy" : "player";
  std::ostringstream out;
  if (args.json) {
    const auto list = [](const std::vector<Placement>& moves) {
      QJsonArray texts;
      for (const Placement& m : moves) texts.append(QString::fromStdString(PlacementText(m)));
      return texts;
    };
    PrintJson({{"turn", QString::fromStdString(turn)},
               {"margin", r.margin},
               {"outcome", QString::fromStdString(Outcome(r.MoverValue()))},
               {"best", list(r.best)},
               {"line", list(r.line)},
               {"nodes", static_cast<qint64>(r.nodes)},
               // Milliseconds, as the text says them.
               {"seconds", std::round(r.seconds * 1000) / 1000}});
    return;
  } else {
    const auto list = [&](const std::vector<Placement>& moves) {
      std::string text;
      for (const Placement& m : moves) text += " " + PlacementText(m);
      return text;
    };
    out << "turn " << turn << "\nmargin " << r.margin << "\noutcome " << Outcome(r.MoverValue())
        << "\nbest" << list(r.best) << "\nline" << list(r.line) << "\nnodes " << r.nodes
        << "\nseconds " << Seconds(r.seconds) << "\n";
  }
  std::cout << out.str() << std::flush;
}

}  // namespace

void AddSolveCommand(CLI::App& app) {
  auto args = std::make_shared<SolveArgs>();
  CLI::App* solve = app.add_subcommand(
      "solve", "Perfect play from a position: the final face-up margin and every best move");
  solve->add_option("--player", args->player, "player's hand: five card ids A,B,C,D,E")->required();
  solve->add_option("--enemy", args->enemy, "enemy's hand: five card ids A,B,C,D,E")->required();
  solve->add_option("--carddata", args->carddata, "card file (default: the game's data)");
  solve->add_flag("--json", args->json, "print one JSON object");
  solve->add_option("MOVE", args->moves,
                    "placements so far, in turn: p<slot>@<column>,<row> or e<slot>@<column>,<row>");
  solve->callback([args] { SolveCommand(*args); });
}

}  // namespace korvane::tool
