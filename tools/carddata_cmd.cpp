// `carddata build SRC OUT`, `carddata ts SRC OUT` and `carddata dump [PATH]`.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "engine/file_bytes.h"
#include "tools/tool_common.h"

namespace korvane::tool {
namespace {

std::string ReadWhole(const std::string& path) {
  std::string error;
  std::optional<std::string> bytes = ReadFileBytes(path, &error);
  if (!bytes) throw ToolError(error);
  return std::move(*bytes);
}

// Written beside the target and renamed over it, so a failed build never leaves half a file.
void WriteWhole(const std::string& path, const std::string& bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    throw ToolError("「" + path + "」に書き込めませんでした（同じ名前のフォルダがあります）。");
  }
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      throw ToolError("「" + path + "」に書き込めませんでした。");
    }
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    throw ToolError("「" + path + "」に書き込めませんでした（置き換えられません）。");
  }
}

void Build(const std::string& src, const std::string& out) {
  std::string error;
  auto records = ParseCardSource(ReadWhole(src), src, &error);
  if (!records) throw ToolError(error);
  auto bytes = BuildCardFile(*records, &error);
  if (!bytes) throw ToolError(src + ": " + error);
  WriteWhole(out, *bytes);
}

// The English card names for lrelease; the card file itself stays Japanese.
void Translation(const std::string& src, const std::string& out) {
  std::string error;
  auto records = ParseCardSource(ReadWhole(src), src, &error);
  if (!records) throw ToolError(error);
  WriteWhole(out, CardNamesTranslation(*records));
}

void Dump(const std::string& path) {
  const CardTable table = LoadCardTable(path);
  for (int id = 0; id < kCardKinds; ++id) {
    std::cout << id;
    for (int side = 1; side <= 4; ++side) std::cout << ' ' << table.Side(id, side);
    std::cout << ' ' << table.Name(id) << '\n';
  }
}

}  // namespace

void AddCardDataCommands(CLI::App& app) {
  CLI::App* carddata = app.add_subcommand("carddata", "Build or list the card file");
  carddata->require_subcommand(1);

  auto src = std::make_shared<std::string>();
  auto out = std::make_shared<std::string>();
  CLI::App* build =
      carddata->add_subcommand("build", "Make the card file from the card table source");
  build->add_option("SRC", *src, "card table source (assets/cards.tsv)")->required();
  build->add_option("OUT", *out, "card file to write")->required();
  build->callback([src, out] { Build(*src, *out); });

  CLI::App* ts = carddata->add_subcommand(
      "ts", "Write the English card names as a translation source (context \"Cards\")");
  ts->add_option("SRC", *src, "card table source (assets/cards.tsv)")->required();
  ts->add_option("OUT", *out, "translation source to write")->required();
  ts->callback([src, out] { Translation(*src, *out); });

  auto path = std::make_shared<std::string>();
  CLI::App* dump = carddata->add_subcommand("dump", "List id, four side codes and name per card");
  dump->add_option("PATH", *path, "card file (default: the game's data directory)");
  dump->callback([path] { Dump(*path); });
}

}  // namespace korvane::tool
