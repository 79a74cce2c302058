// What every korvane-tool subcommand shares: how it fails and where it finds the card file.
#pragma once

#include <CLI/CLI.hpp>
#include <QJsonObject>
#include <stdexcept>
#include <string>

#include "engine/card_table.h"

namespace korvane::tool {

// A wrong command line or argument: status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Anything else that stops a command (a missing or damaged file): status 1.
class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The card file the game itself would use: <dir of this executable>/data/carddata, then
// ./carddata. An explicit path wins.
std::string CardDataPath(const std::string& explicitPath);
// Opens and checks the card file; throws ToolError with the reader's message.
CardTable LoadCardTable(const std::string& explicitPath);

// Writes one JSON object on one line of standard output, as every --json prints.
void PrintJson(const QJsonObject& object);

void AddCardDataCommands(CLI::App& app);
void AddReplayCommand(CLI::App& app);
void AddReviewCommand(CLI::App& app);
void AddSelfPlayCommand(CLI::App& app);
void AddSolveCommand(CLI::App& app);
void AddPuzzlesCommand(CLI::App& app);

}  // namespace korvane::tool
