// `selfplay`: N duels of one opponent against a random player or a second evaluator.
#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>

#include "ai/selfplay.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct SelfPlayArgs {
  std::string opponent, player = "random", carddata;
  int games = 0;
  uint64_t seed = 0;
};

bool IsOpponent(std::string_view name) {
  const int person = CastIndex(name);
  return person > 0 && Cast(person).name == name;
}

void SelfPlay(const SelfPlayArgs& args) {
  if (!IsOpponent(args.opponent)) throw UsageError("unknown opponent \"" + args.opponent + "\"");
  if (args.games < 0) throw UsageError("--games must not be negative");
  SelfPlaySide player;
  if (args.player == "random") {
    player.isAi = false;
  } else if (args.player.rfind("ai:", 0) == 0 && IsOpponent(args.player.substr(3))) {
    player.name = args.player.substr(3);
  } else {
    throw UsageError("--player must be random or ai:NAME with one of the six opponents");
  }
  const CardTable cards = LoadCardTable(args.carddata);
  const auto start = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  const SelfPlayTally t = RunSelfPlay(cards, {args.opponent, true}, player, args.games, args.seed);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // The processor time too: on a busy machine the wall clock says more about the neighbours.
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  std::cout << "opponent " << args.opponent << "\n"
            << "player " << args.player << "\n"
            << "games " << args.games << "\n"
            << "wins " << t.wins << "\n"
            << "losses " << t.losses << "\n"
            << "draws " << t.draws << "\n"
            << "signature " << t.signature << "\n"
            << "duels-per-second " << static_cast<long>(seconds > 0 ? args.games / seconds : 0)
            << "\n"
            << "duels-per-cpu-second "
            << static_cast<long>(cpuSeconds > 0 ? args.games / cpuSeconds : 0) << "\n";
}

}  // namespace

void AddSelfPlayCommand(CLI::App& app) {
  auto args = std::make_shared<SelfPlayArgs>();
  CLI::App* sp = app.add_subcommand(
      "selfplay", "Play duels of one opponent; wins, losses and draws are the opponent's");
  sp->add_option("--opponent", args->opponent, "one of the six opponents, e.g. \"速水 結\"")
      ->required();
  sp->add_option("--games", args->games, "number of duels")->required();
  sp->add_option("--seed", args->seed, "seed of the random generator")->required();
  sp->add_option("--player", args->player, "random (default) or ai:NAME");
  sp->add_option("--carddata", args->carddata, "card file (default: the game's data)");
  sp->callback([args] { SelfPlay(*args); });
}

}  // namespace korvane::tool
