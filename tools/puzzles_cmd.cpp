// `puzzles`: 詰めKORVANE. `generate` mines puzzles from seeded self-play, `check` proves every
// puzzle of a file, `list` prints the set the game ships.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "ai/selfplay.h"
#include "cast/cast.h"
#include "engine/rules.h"
#include "solver/puzzle.h"
#include "solver/puzzle_file.h"
#include "solver/review.h"
#include "state/duel_record.h"
#include "state/save_files.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct GenerateArgs {
  uint64_t seed = 0;
  int count = 0;
  int minLeft = 2, maxLeft = 7;
  bool draws = false;
  std::string carddata;
};

struct CheckArgs {
  std::string file, carddata;
};

struct MineArgs {
  std::string file, carddata;
  int maxLeft = 7;
};

struct ListArgs {
  std::string file;
  bool json = false;
};

int Pick(RandomSource& rng, int n) { return std::min(n - 1, static_cast<int>(rng.Next() * n)); }

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Fixed(double v, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", digits, v);
  return text;
}

// The position of a duel, told apart from every other: hands, board, played slots, turn.
std::string PositionKey(const DuelState& s) {
  std::string key;
  for (int k = 0; k < kHandSize; ++k) {
    key += std::to_string(s.PlayerHand[k]) + (s.PlayerPlayed[k] ? "x" : "o") +
           std::to_string(s.EnemyHand[k]) + (s.EnemyPlayed[k] ? "x," : "o,");
  }
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) key += std::to_string(s.BoardCard[c][r]) + ",";
  }
  return key;
}

int CardsLeft(const DuelState& s) {
  int left = 0;
  for (int k = 0; k < kHandSize; ++k) left += !s.PlayerPlayed[k] + !s.EnemyPlayed[k];
  return left;
}

// One self-play duel between two of the six (now and then a random player instead), and the
// positions before the player's placements with between minLeft and maxLeft cards left, in a
// random order: each with the placements that lead to it.
struct Candidate {
  DuelState position;
  std::vector<Placement> moves;
};
std::vector<Candidate> MineDuel(const CardTable& cards, const GenerateArgs& args, RandomSource& rng,
                                PlayedDuel* duel) {
  const SelfPlaySide enemy{std::string(Cast(1 + Pick(rng, kPersons - 1)).name), true};
  SelfPlaySide player{std::string(Cast(1 + Pick(rng, kPersons - 1)).name), true};
  player.isAi = rng.Next() < 0.75;
  SelfPlayLog log;
  PlaySelfPlayDuel(cards, enemy, player, rng, &log);
  for (int k = 0; k < kHandSize; ++k) {
    duel->player[k] = log.playerHand[k];
    duel->enemy[k] = log.enemyHand[k];
  }
  duel->playerFirst = log.playerFirst;
  duel->moves = log.moves;
  std::vector<Candidate> found;
  DuelState s = DealOf(*duel, cards);
  for (size_t i = 0; i <= log.moves.size(); ++i) {
    const int left = CardsLeft(s);
    if (s.Turn == TurnState::Player && left >= args.minLeft && left <= args.maxLeft) {
      found.push_back({s, std::vector<Placement>(log.moves.begin(), log.moves.begin() + i)});
    }
    if (i == log.moves.size() || !IsLegalPlacement(s, log.moves[i])) break;
    PlayPlacement(s, log.moves[i]);
  }
  for (size_t i = found.size(); i > 1; --i) std::swap(found[i - 1], found[Pick(rng, i)]);
  return found;
}

void Generate(const GenerateArgs& args) {
  if (args.count < 0) throw UsageError("--count must not be negative");
  if (args.minLeft < 1 || args.maxLeft > 2 * kHandSize || args.minLeft > args.maxLeft) {
    throw UsageError("--min-left and --max-left must satisfy 1 <= min <= max <= 10");
  }
  const CardTable cards = LoadCardTable(args.carddata);
  const auto start = std::chrono::steady_clock::now();
  SeededRandom rng(args.seed);
  std::set<std::string> seen;
  int made = 0, duels = 0, tried = 0;
  // Far more duels than any count needs; a range of cards left that gives no puzzle still ends.
  const int maxDuels = 1000 + 500 * args.count;
  while (made < args.count && duels < maxDuels) {
    ++duels;
    PlayedDuel duel;
    for (const Candidate& c : MineDuel(cards, args, rng, &duel)) {
      if (!seen.insert(PositionKey(c.position)).second) continue;
      ++tried;
      const PuzzleAnalysis a = AnalysePuzzle(c.position);
      if (!a.qualifies || (a.margin == 0 && !args.draws)) continue;
      Puzzle p;
      char id[48];
      std::snprintf(id, sizeof id, "%llu-%04d", static_cast<unsigned long long>(args.seed),
                    made + 1);
      p.id = id;
      p.level = GradePuzzle(a);
      p.player = duel.player;
      p.enemy = duel.enemy;
      p.moves = c.moves;
      p.solution = a.solution;
      std::cout << PuzzleLine(p) << "\n" << std::flush;
      ++made;
      break;  // one puzzle a duel: more variety in hands
    }
  }
  const double seconds = SecondsSince(start);
  std::cerr << "korvane-tool: " << made << " puzzles from " << duels << " duels (" << tried
            << " positions proved) in " << Fixed(seconds, 1) << " s, "
            << Fixed(seconds > 0 ? made * 60 / seconds : 0, 1) << " a minute\n";
  if (made < args.count) throw ToolError("fewer puzzles than asked for");
}

std::string Goal(int margin) { return margin > 0 ? "win" : "draw"; }

void Check(const CheckArgs& args) {
  std::string error;
  const std::optional<PuzzleFile> file = ReadPuzzleFile(QString::fromStdString(args.file), &error);
  if (!file) throw UsageError(error);
  for (const std::string& problem : file->problems) {
    std::cerr << "korvane-tool: " << args.file << ": " << problem << "\n";
  }
  if (file->puzzles.empty()) throw UsageError(args.file + ": no puzzle in it");
  const CardTable cards = LoadCardTable(args.carddata);
  const auto start = std::chrono::steady_clock::now();
  int failed = 0;
  for (const Puzzle& p : file->puzzles) {
    const PuzzleAnalysis a = CheckPuzzle(p, cards);
    if (!a.qualifies) {
      ++failed;
      std::cout << p.id << " FAIL " << a.why << "\n";
      continue;
    }
    std::cout << p.id << " ok " << Goal(a.margin) << " margin " << a.margin << " left " << a.left
              << " placements " << a.placements << " solution " << (a.solution.size() + 1) / 2
              << " tempted " << a.tempted << " level " << GradePuzzle(a) << "\n";
  }
  const size_t total = file->puzzles.size();
  std::cout << "checked " << total << " puzzles: " << total - failed << " hold, " << failed
            << " fail, in " << Fixed(SecondsSince(start), 2) << " s\n"
            << std::flush;
  if (!file->problems.empty()) {
    throw UsageError(args.file + ": " + std::to_string(file->problems.size()) +
                     " lines are not puzzles");
  }
  if (failed > 0) throw ToolError(std::to_string(failed) + " puzzles do not hold");
}

// The game's record: duels.jsonl in the player's data folder (as `review` finds it).
QString DefaultRecordPath() {
  QCoreApplication::setApplicationName(QStringLiteral("korvane"));
  return QFileInfo(SaveStore::DefaultDirectory() + QLatin1Char('/') +
                   QString::fromLatin1(DuelRecordFile::kFileName))
      .absoluteFilePath();
}

// The player's own puzzles: in every recorded duel, the positions right after the opponent's
// placements (where its mistakes leave the player a single good placement) that qualify.
void Mine(const MineArgs& args) {
  if (args.maxLeft < 1 || args.maxLeft > 2 * kHandSize) throw UsageError("--max-left is 1..10");
  const QString path = args.file.empty() ? DefaultRecordPath() : QString::fromStdString(args.file);
  const QFileInfo info(path);
  if (!args.file.empty() && !info.exists()) throw UsageError(args.file + ": no such file");
  const CardTable cards = LoadCardTable(args.carddata);
  DuelRecordFile record(info.absolutePath(), info.fileName());
  const QString told = record.Load(DuelRecordFile::Damage::LeaveAlone);
  if (!told.isEmpty()) std::cerr << "korvane-tool: " << told.toStdString() << "\n";
  int made = 0;
  const std::vector<DuelRecord>& duels = record.Duels();
  for (size_t d = 0; d < duels.size(); ++d) {
    const DuelRecord& r = duels[d];
    if (!ReplayRecord(r, cards).legal) continue;
    PlayedDuel duel{r.PlayerHand, r.EnemyHand, r.PlayerFirst, r.Moves};
    DuelState s = DealOf(duel, cards);
    for (size_t i = 0; i < r.Moves.size(); ++i) {
      PlayPlacement(s, r.Moves[i]);
      if (!r.Moves[i].enemy || s.Turn != TurnState::Player || CardsLeft(s) > args.maxLeft) continue;
      const PuzzleAnalysis a = AnalysePuzzle(s);
      if (!a.qualifies) continue;
      Puzzle p;
      p.id = "duel" + std::to_string(d + 1) + "-" + std::to_string(i + 1);
      p.level = GradePuzzle(a);
      p.player = r.PlayerHand;
      p.enemy = r.EnemyHand;
      p.moves.assign(r.Moves.begin(), r.Moves.begin() + i + 1);
      p.solution = a.solution;
      std::cout << PuzzleLine(p) << "\n" << std::flush;
      ++made;
    }
  }
  std::cerr << "korvane-tool: " << made << " puzzles from " << duels.size() << " duels\n";
}

// The shipped set: <dir of this executable>/data/puzzles.jsonl, or the share folder of an
// installation, beside the card file.
std::string ShippedSetPath(const std::string& explicitPath) {
  if (!explicitPath.empty()) return explicitPath;
  return (std::filesystem::path(CardDataPath("")).parent_path() / "puzzles.jsonl").string();
}

void List(const ListArgs& args) {
  const std::string path = ShippedSetPath(args.file);
  std::string error;
  const std::optional<PuzzleFile> file = ReadPuzzleFile(QString::fromStdString(path), &error);
  if (!file) throw ToolError(error);
  for (const std::string& problem : file->problems) {
    std::cerr << "korvane-tool: " << path << ": " << problem << "\n";
  }
  if (args.json) {
    QJsonArray puzzles;
    for (const Puzzle& p : file->puzzles) puzzles.append(PuzzleJson(p));
    PrintJson(QJsonObject{{"puzzles", puzzles}});
    return;
  }
  for (const Puzzle& p : file->puzzles) {
    std::cout << p.id << " level " << (p.level ? std::to_string(*p.level) : "-") << " moves "
              << p.moves.size() << " solution " << (p.solution.size() + 1) / 2 << "\n";
  }
  std::cout << file->puzzles.size() << " puzzles\n" << std::flush;
}

}  // namespace

void AddPuzzlesCommand(CLI::App& app) {
  CLI::App* puzzles = app.add_subcommand("puzzles", "詰めKORVANE: make, prove and list puzzles");
  puzzles->require_subcommand(1);

  auto gen = std::make_shared<GenerateArgs>();
  CLI::App* generate = puzzles->add_subcommand(
      "generate", "Mine puzzles from seeded self-play and print them as JSON lines");
  generate->add_option("--seed", gen->seed, "seed of the self-play")->required();
  generate->add_option("--count", gen->count, "puzzles to make")->required();
  generate->add_option("--min-left", gen->minLeft, "fewest cards still to place (default 2)");
  generate->add_option("--max-left", gen->maxLeft, "most cards still to place (default 7)");
  generate->add_flag("--draws", gen->draws, "keep puzzles whose best is a draw as well");
  generate->add_option("--carddata", gen->carddata, "card file (default: the game's data)");
  generate->callback([gen] { Generate(*gen); });

  auto check = std::make_shared<CheckArgs>();
  CLI::App* checkCmd = puzzles->add_subcommand(
      "check", "Prove every puzzle of a file: status 0 all hold, 1 any fails, 2 bad input");
  checkCmd->add_option("FILE", check->file, "puzzle file (JSON lines)")->required();
  checkCmd->add_option("--carddata", check->carddata, "card file (default: the game's data)");
  checkCmd->callback([check] { Check(*check); });

  auto mine = std::make_shared<MineArgs>();
  CLI::App* mineCmd = puzzles->add_subcommand(
      "mine", "The player's own puzzles from the recorded duels, as JSON lines");
  mineCmd->add_option("FILE", mine->file,
                      "record file (default: duels.jsonl in the game's data folder)");
  mineCmd->add_option("--max-left", mine->maxLeft, "most cards still to place (default 7)");
  mineCmd->add_option("--carddata", mine->carddata, "card file (default: the game's data)");
  mineCmd->callback([mine] { Mine(*mine); });

  auto list = std::make_shared<ListArgs>();
  CLI::App* listCmd = puzzles->add_subcommand("list", "Print the puzzles the game ships");
  listCmd->add_flag("--json", list->json, "print one JSON object {\"puzzles\": [...]}");
  listCmd->add_option("--file", list->file, "another puzzle file instead");
  listCmd->callback([list] { List(*list); });
}

}  // namespace korvane::tool
