// Puzzle files: JSON lines, one puzzle a line, as `korvane-tool puzzles` reads and writes them:
//   {"id": "7-0001", "level": 3, "player": [5 card ids], "enemy": [5 card ids],
//    "moves": ["p0@3,3", "e2@2,3", ...], "solution": ["p1@2,3", "e0@4,3", ...]}
// `level` may be left out; `id` may be a string or a whole number. The moves lead from the deal
// to the position (as `replay` takes them). Blank lines are skipped; a line that is not such an
// object is reported with its number and the others are still read.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "solver/puzzle.h"

namespace korvane {

QJsonObject PuzzleJson(const Puzzle& puzzle);
// One line of a puzzle file, without its line end.
std::string PuzzleLine(const Puzzle& puzzle);
// nullopt, with *why, when the object is not a puzzle of the form above.
std::optional<Puzzle> PuzzleFromJson(const QJsonObject& object, std::string* why);

struct PuzzleFile {
  std::vector<Puzzle> puzzles;        // in file order
  std::vector<std::string> problems;  // "line N: ...", for every line not read
};
// A second puzzle with an id already read is a problem too, and left out.
PuzzleFile ReadPuzzles(const QByteArray& text);
// nullopt, with *error, when the file cannot be read at all.
std::optional<PuzzleFile> ReadPuzzleFile(const QString& path, std::string* error);

}  // namespace korvane
