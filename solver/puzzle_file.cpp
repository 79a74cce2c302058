#include "solver/puzzle_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>
#include <map>

namespace korvane {
namespace {

QJsonArray Hand(const std::array<int, kHandSize>& hand) {
  QJsonArray a;
  for (int id : hand) a.append(id);
  return a;
}

QJsonArray Moves(const std::vector<Placement>& moves) {
  QJsonArray a;
  for (const Placement& m : moves) a.append(QString::fromStdString(PlacementText(m)));
  return a;
}

// A whole number within [lo, hi], or nullopt.
std::optional<int> WholeNumber(const QJsonValue& v, int lo, int hi) {
  if (!v.isDouble()) return std::nullopt;
  const double d = v.toDouble();
  if (d != std::floor(d) || d < lo || d > hi) return std::nullopt;
  return static_cast<int>(d);
}

bool ReadHand(const QJsonValue& v, std::array<int, kHandSize>& hand) {
  const QJsonArray a = v.toArray();
  if (!v.isArray() || a.size() != kHandSize) return false;
  for (int k = 0; k < kHandSize; ++k) {
    const std::optional<int> id = WholeNumber(a[k], 0, kCardKinds - 1);
    if (!id) return false;
    hand[k] = *id;
  }
  return true;
}

bool ReadMoves(const QJsonValue& v, std::vector<Placement>& moves) {
  if (!v.isArray()) return false;
  const QJsonArray a = v.toArray();
  if (a.size() > 2 * kHandSize) return false;
  for (const QJsonValue& m : a) {
    if (!m.isString()) return false;
    const std::optional<Placement> p = ParsePlacement(m.toString().toStdString());
    if (!p) return false;
    moves.push_back(*p);
  }
  return true;
}

}  // namespace

QJsonObject PuzzleJson(const Puzzle& puzzle) {
  QJsonObject o{{"id", QString::fromStdString(puzzle.id)},
                {"player", Hand(puzzle.player)},
                {"enemy", Hand(puzzle.enemy)},
                {"moves", Moves(puzzle.moves)},
                {"solution", Moves(puzzle.solution)}};
  if (puzzle.level) o.insert("level", *puzzle.level);
  return o;
}

std::string PuzzleLine(const Puzzle& puzzle) {
  return QJsonDocument(PuzzleJson(puzzle)).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<Puzzle> PuzzleFromJson(const QJsonObject& o, std::string* why) {
  const auto fail = [why](const char* text) -> std::optional<Puzzle> {
    *why = text;
    return std::nullopt;
  };
  Puzzle p;
  const QJsonValue id = o.value("id");
  if (id.isString() && !id.toString().isEmpty()) {
    p.id = id.toString().toStdString();
  } else if (const std::optional<int> n = WholeNumber(id, 0, 1 << 30)) {
    p.id = std::to_string(*n);
  } else {
    return fail("no id (a text or a whole number)");
  }
  if (o.contains("level")) {
    p.level = WholeNumber(o.value("level"), 1, kPuzzleLevels);
    if (!p.level) return fail("level is not a whole number 1..5");
  }
  if (!ReadHand(o.value("player"), p.player)) return fail("player is not five card ids 0..39");
  if (!ReadHand(o.value("enemy"), p.enemy)) return fail("enemy is not five card ids 0..39");
  if (!ReadMoves(o.value("moves"), p.moves)) return fail("moves is not a list of placements");
  if (!ReadMoves(o.value("solution"), p.solution) || p.solution.empty()) {
    return fail("solution is not a list of placements");
  }
  if (p.moves.size() + p.solution.size() > 2 * kHandSize) {
    return fail("more than ten placements in moves and solution");
  }
  return p;
}

PuzzleFile ReadPuzzles(const QByteArray& text) {
  PuzzleFile file;
  std::map<std::string, int> seen;  // id -> line
  int number = 0;
  for (const QByteArray& raw : text.split('\n')) {
    ++number;
    const QByteArray line = raw.trimmed();
    if (line.isEmpty()) continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
      file.problems.push_back(where + "not a JSON object");
      continue;
    }
    std::string why;
    std::optional<Puzzle> p = PuzzleFromJson(doc.object(), &why);
    if (!p) {
      file.problems.push_back(where + why);
      continue;
    }
    const auto [at, fresh] = seen.emplace(p->id, number);
    if (!fresh) {
      file.problems.push_back(where + "id " + p->id + " repeats line " +
                              std::to_string(at->second));
      continue;
    }
    file.puzzles.push_back(std::move(*p));
  }
  return file;
}

std::optional<PuzzleFile> ReadPuzzleFile(const QString& path, std::string* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    *error = path.toStdString() + ": " + f.errorString().toStdString();
    return std::nullopt;
  }
  return ReadPuzzles(f.readAll());
}

}  // namespace korvane
