// `selfplay`: N duels of one opponent against a random player or a second evaluator, and with
// --record the duels written to a record file as the game writes its own.
#include <QFileInfo>
#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>

#include "ai/selfplay.h"
#include "state/duel_record.h"
#include "state/game_state.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct SelfPlayArgs {
  std::string opponent, player = "random", carddata, record;
  int games = 0;
  uint64_t seed = 0;
};

// The self-play duel as the duel window would record it: an ordinary duel, no master.
DuelRecord ToRecord(const SelfPlayLog& log, const DuelOutcome& out, int opponent) {
  DuelRecord r;
  for (int k = 0; k < kHandSize; ++k) {
    r.PlayerHand[k] = log.playerHand[k];
    r.EnemyHand[k] = log.enemyHand[k];
  }
  r.PlayerFirst = log.playerFirst;
  r.Moves = log.moves;
  r.Opponent = opponent;
  r.Result = out.result;
  r.PlayerScore = out.PlayerScore;
  r.EnemyScore = out.EnemyScore;
  r.When = QDateTime::currentDateTimeUtc();
  return r;
}

// Appends the duels through the game's own record file; its messages go to standard error.
void WriteRecord(const std::string& path, const std::vector<DuelRecord>& duels) {
  const QFileInfo file(QString::fromStdString(path));
  DuelRecordFile record(file.absolutePath(), file.fileName());
  const QString told = record.Load();
  if (!told.isEmpty()) std::cerr << "korvane-tool: " << told.toStdString() << "\n";
  QString problem;
  if (!record.AppendAll(duels, &problem)) throw ToolError(problem.toStdString());
}

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
  std::vector<DuelRecord> duels;
  SelfPlayWatcher keep;
  if (!args.record.empty()) {
    const int opponent = PersonIndex(QString::fromStdString(args.opponent));
    keep = [&duels, opponent](const SelfPlayLog& log, const DuelOutcome& out) {
      duels.push_back(ToRecord(log, out, opponent));
    };
  }
  const SelfPlayTally t =
      RunSelfPlay(cards, {args.opponent, true}, player, args.games, args.seed, keep);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // The processor time too: on a busy machine the wall clock says more about the neighbours.
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  // Written before anything is printed: a record that cannot be written ends the command.
  if (!args.record.empty()) WriteRecord(args.record, duels);
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
  sp->add_option("--record", args->record,
                 "append the duels to this record file (the game's duels.jsonl format)");
  sp->callback([args] { SelfPlay(*args); });
}

}  // namespace korvane::tool
