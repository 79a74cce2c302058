// `save dump FILE` and `save check FILE`: the save "KVData.kvd" read exactly as the game reads it.
#include "tools/save_cmd.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "state/save_files.h"
#include "state/save_image.h"

namespace {

using korvane::GameState;
using korvane::SaveStatus;

const char* const kCounterNames[8] = {"TakaharaStep",  "ShindoStep",   "KazamiStep",
                                      "YokotaStep",    "TakamineStep", "OldHouseStep",
                                      "FairyTreeStep", "SquareStep"};

// A file that is not a loadable save ends the command with status 2 and the reason.
[[noreturn]] void NotASave(const std::string& path, const QString& reason) {
  std::cout.flush();
  std::cerr << "korvane-tool: " << path << ": " << reason.toStdString() << "\n";
  std::exit(2);
}

GameState ReadSave(const std::string& path) {
  if (!QFileInfo::exists(QString::fromStdString(path)))
    NotASave(path, QStringLiteral("no such file"));
  QString why;
  const std::optional<std::string> image = korvane::ReadFileImage(
      QString::fromStdString(path), korvane::kSaveRecordCount * korvane::kRecordLength, &why);
  if (!image) NotASave(path, why);
  GameState g;
  switch (korvane::DecodeSaveImage(*image, &g, &why)) {
    case SaveStatus::NoSave:
      NotASave(path, QStringLiteral("no saved game (record 1, the name, is empty)"));
    case SaveStatus::Damaged:
      NotASave(path, QStringLiteral("damaged save: ") + why);
    case SaveStatus::Saved:
      break;
  }
  return g;
}

void Dump(const std::string& path) {
  const GameState g = ReadSave(path);
  std::cout << "name: " << g.PlayerName.toStdString() << "\n";
  std::cout << "sex: " << g.PlayerSex << (g.PlayerSex == 0 ? " (男)" : " (女)") << "\n";
  std::cout << "collections (card id:count):\n";
  for (int p = 0; p < korvane::kPersons; ++p) {
    const QString who = p == 0 ? QStringLiteral("player") : korvane::PersonName(p);
    std::cout << "  " << p << " " << who.toStdString() << " [" << g.TotalCards(p) << "]:";
    for (int k = 0; k < korvane::kCardKinds; ++k) {
      if (g.Collections[p][k] != 0) std::cout << " " << k << ":" << g.Collections[p][k];
    }
    std::cout << "\n";
  }
  std::cout << "counters:\n";
  for (int i = 0; i < 8; ++i) {
    std::cout << "  " << kCounterNames[i] << " " << *g.StepCounter(korvane::kSavedPlaces[i])
              << "\n";
  }
  std::cout << "flags:\n";
  for (int i = 1; i <= 5; ++i) {
    std::cout << "  PlaceUnlocked(" << i << ") " << g.PlaceUnlocked[i] << "\n";
  }
}

void Check(const std::string& path) {
  const GameState g = ReadSave(path);
  std::cout << path << ": valid save of " << g.PlayerName.toStdString() << "\n";
}

}  // namespace

void AddSaveCommands(CLI::App& app) {
  CLI::App* save = app.add_subcommand("save", "Read a save file (KVData.kvd)");
  save->require_subcommand(1);

  auto dumpPath = std::make_shared<std::string>();
  CLI::App* dump = save->add_subcommand(
      "dump", "Show name, sex, every collection, the eight counters and the five flags");
  dump->add_option("FILE", *dumpPath, "save file")->required();
  dump->callback([dumpPath] { Dump(*dumpPath); });

  auto checkPath = std::make_shared<std::string>();
  CLI::App* check =
      save->add_subcommand("check", "Exit 0 for a valid save, 2 with the reason otherwise");
  check->add_option("FILE", *checkPath, "save file")->required();
  check->callback([checkPath] { Check(*checkPath); });
}
