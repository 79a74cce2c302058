// `review`: the recorded duels placement by placement, with what perfect play makes of each
// move and its label. The record is only read: damage in it is reported, never moved aside.
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <iostream>
#include <memory>

#include "solver/review.h"
#include "state/duel_record.h"
#include "state/game_state.h"
#include "state/save_files.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

struct ReviewArgs {
  std::string file, carddata;
  int last = 0;  // 0: every duel
  bool json = false;
};

// The game's record: duels.jsonl in the player's data folder, which the application name
// decides (the game sets the same name before it looks there).
QString DefaultRecordPath() {
  QCoreApplication::setApplicationName(QStringLiteral("korvane"));
  return QFileInfo(SaveStore::DefaultDirectory() + QLatin1Char('/') +
                   QString::fromLatin1(DuelRecordFile::kFileName))
      .absoluteFilePath();
}

std::string Signed(int v) { return (v > 0 ? "+" : "") + std::to_string(v); }

const char* Outcome(DuelResult r) {
  return r == DuelResult::PlayerWon ? "win" : r == DuelResult::EnemyWon ? "loss" : "draw";
}

PlayedDuel Played(const DuelRecord& r) {
  return {r.PlayerHand, r.EnemyHand, r.PlayerFirst, r.Moves};
}

QJsonArray Hand(const std::array<int, kHandSize>& hand) {
  QJsonArray a;
  for (int id : hand) a.append(id);
  return a;
}

QJsonObject DuelJson(const DuelRecord& r, const DuelReview& review) {
  QJsonArray moves;
  for (const ReviewedMove& m : review.moves) {
    moves.append(QJsonObject{
        {QStringLiteral("move"), QString::fromStdString(PlacementText(m.move))},
        {QStringLiteral("value"), m.value},
        {QStringLiteral("best_value"), m.bestValue},
        {QStringLiteral("label"), QString::fromUtf8(MoveLabelName(m.label).data())},
        {QStringLiteral("alternative"),
         m.alternative ? QJsonValue(QString::fromStdString(PlacementText(*m.alternative)))
                       : QJsonValue()},
    });
  }
  const std::optional<double> accuracy = review.Accuracy();
  return QJsonObject{
      {QStringLiteral("when"), r.When.toString(Qt::ISODate)},
      {QStringLiteral("opponent"), r.Opponent},
      {QStringLiteral("forfeit"), r.Forfeit},
      {QStringLiteral("player"), Hand(r.PlayerHand)},
      {QStringLiteral("enemy"), Hand(r.EnemyHand)},
      {QStringLiteral("first"), r.PlayerFirst ? QStringLiteral("player") : QStringLiteral("enemy")},
      {QStringLiteral("result"), QLatin1String(Outcome(r.Result))},
      {QStringLiteral("moves"), moves},
      {QStringLiteral("accuracy"), accuracy ? QJsonValue(*accuracy) : QJsonValue()},
      {QStringLiteral("mistakes"), review.mistakes},
      {QStringLiteral("blunders"), review.blunders},
  };
}

std::string DuelText(size_t number, const DuelRecord& r, const DuelReview& review) {
  std::string text =
      "duel " + std::to_string(number) + ": " + r.When.toString(Qt::ISODate).toStdString() + ", " +
      PersonName(r.Opponent).toStdString() + ", " + Outcome(r.Result) + " " +
      std::to_string(r.PlayerScore) + "-" + std::to_string(r.EnemyScore) +
      (r.Forfeit ? " (forfeit)" : "") + (r.Practice ? " (practice)" : "") +
      (r.Master ? " (master)" : "") + ", the " + (r.PlayerFirst ? "player" : "enemy") + " began\n";
  for (size_t i = 0; i < review.moves.size(); ++i) {
    const ReviewedMove& m = review.moves[i];
    char line[160];
    std::snprintf(line, sizeof line, "%4zu %s  value %2s  best %2s  %s", i + 1,
                  PlacementText(m.move).c_str(), Signed(m.value).c_str(),
                  Signed(m.bestValue).c_str(), MoveLabelName(m.label).data());
    text += line;
    if (m.alternative) text += "  (" + PlacementText(*m.alternative) + " keeps it)";
    text += "\n";
  }
  const std::optional<double> accuracy = review.Accuracy();
  text += "accuracy " +
          (accuracy ? std::to_string(static_cast<int>(*accuracy * 100 + 0.5)) + "% (" +
                          std::to_string(review.playerKept) + " of " +
                          std::to_string(review.playerMoves) + ")"
                    : std::string("-")) +
          ", mistakes " + std::to_string(review.mistakes) + ", blunders " +
          std::to_string(review.blunders) + "\n";
  return text;
}

void ReviewCommand(const ReviewArgs& args) {
  const QString path = args.file.empty() ? DefaultRecordPath() : QString::fromStdString(args.file);
  const QFileInfo info(path);
  if (!args.file.empty() && !info.exists()) throw UsageError(args.file + ": no such file");
  const CardTable cards = LoadCardTable(args.carddata);
  DuelRecordFile record(info.absolutePath(), info.fileName());
  const QString told = record.Load(DuelRecordFile::Damage::LeaveAlone);
  const std::vector<DuelRecord>& duels = record.Duels();
  if (!told.isEmpty() && duels.empty())
    throw UsageError(path.toStdString() + ": no duel record in it: " + told.toStdString());
  if (!told.isEmpty()) std::cerr << "korvane-tool: " << told.toStdString() << "\n";

  const size_t from =
      args.last > 0 && duels.size() > static_cast<size_t>(args.last) ? duels.size() - args.last : 0;
  QJsonArray reviewed;
  for (size_t i = from; i < duels.size(); ++i) {
    const DuelRecord& r = duels[i];
    const RecordReplay replay = ReplayRecord(r, cards);
    std::string why = replay.problem;
    std::optional<DuelReview> review;
    if (replay.legal && replay.countsMatch) review = ReviewDuel(Played(r), cards, &why);
    if (!review) {
      std::cerr << "korvane-tool: duel " << i + 1 << " not reviewed: " << why << "\n";
      continue;
    }
    if (args.json) {
      reviewed.append(DuelJson(r, *review));
    } else {
      std::cout << (i > from ? "\n" : "") << DuelText(i + 1, r, *review) << std::flush;
    }
  }
  if (args.json) {
    PrintJson(QJsonObject{{QStringLiteral("duels"), reviewed}});
  }
}

}  // namespace

void AddReviewCommand(CLI::App& app) {
  auto args = std::make_shared<ReviewArgs>();
  CLI::App* review = app.add_subcommand(
      "review",
      "Every placement of the recorded duels with its value with perfect play, and a label");
  review->add_option("FILE", args->file,
                     "record file (default: duels.jsonl in the game's data folder)");
  review->add_option("--last", args->last, "only the newest N duels")->check(CLI::PositiveNumber);
  review->add_flag("--json", args->json, "print one JSON object");
  review->add_option("--carddata", args->carddata, "card file (default: the game's data)");
  review->callback([args] { ReviewCommand(*args); });
}

}  // namespace korvane::tool
