// korvane-tool: the card file, replays of positions, self-play, the solver, reviews of recorded
// duels and (when built) the save file.
#include <unistd.h>

#include <QJsonDocument>
#include <filesystem>
#include <iostream>

#include "engine/types.h"
#include "tools/tool_common.h"
#ifdef KORVANE_HAVE_SAVE_CMD
#include "tools/save_cmd.h"
#endif

namespace korvane::tool {

std::string CardDataPath(const std::string& explicitPath) {
  if (!explicitPath.empty()) return explicitPath;
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    // Beside the executable in the build tree, or in the share folder of an installation.
    for (const auto& candidate : {exe.parent_path() / "data" / "carddata",
                                  exe.parent_path() / "../share/korvane/data/carddata"}) {
      if (std::filesystem::exists(candidate, ec)) return candidate.lexically_normal().string();
    }
  }
  return "carddata";
}

CardTable LoadCardTable(const std::string& explicitPath) {
  std::string error;
  auto table = CardTable::Open(CardDataPath(explicitPath), &error);
  if (!table) throw ToolError(error);  // exits with kCardFileExitStatus
  return std::move(*table);
}

void PrintJson(const QJsonObject& object) {
  std::cout << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() << "\n"
            << std::flush;
}

}  // namespace korvane::tool

int main(int argc, char** argv) {
  using namespace korvane::tool;
  CLI::App app{
      "korvane-tool: card file, replays, self-play, solver, reviews and save files of KORVANE",
      "korvane-tool"};
  app.require_subcommand(1);
  AddCardDataCommands(app);
  AddReplayCommand(app);
  AddReviewCommand(app);
  AddSelfPlayCommand(app);
  AddSolveCommand(app);
  AddPuzzlesCommand(app);
#ifdef KORVANE_HAVE_SAVE_CMD
  AddSaveCommands(app);
#endif
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);  // help asked for: printed, status 0
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    // CLI11 has its own status numbers; every usage error of this tool is status 2.
    std::cerr << "korvane-tool: " << e.what() << "\n";
    std::cerr << "Run with --help for usage.\n";
    return 2;
  } catch (const UsageError& e) {
    std::cerr << "korvane-tool: " << e.what() << "\n";
    return 2;
  } catch (const ToolError& e) {
    static_assert(korvane::kCardFileExitStatus == 1, "the game and the tool end alike");
    std::cerr << "korvane-tool: " << e.what() << "\n";
    return 1;
  } catch (const korvane::CounterOverflow& e) {
    std::cerr << "korvane-tool: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    // Nothing may end the tool by terminate: whatever else fails is reported like a bad file.
    std::cerr << "korvane-tool: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
