// The card table source (assets/cards.tsv) and the card file made from it.
#include <sstream>

#include "engine/card_table.h"
#include "engine/cp932.h"

namespace korvane {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

bool ParseId(const std::string& field, int* id) {
  if (field.empty() || field.size() > 2) return false;
  int value = 0;
  for (char ch : field) {
    if (ch < '0' || ch > '9') return false;
    value = value * 10 + (ch - '0');
  }
  *id = value;
  return IsValidCardId(value);
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

}  // namespace

std::string CardText(const std::array<char, 4>& sides, const std::string& name) {
  std::string text;
  for (char code : sides) {
    text += code;
    text += ' ';
  }
  return text + "-" + name;
}

std::optional<std::vector<CardRecord>> ParseCardSource(const std::string& text,
                                                       const std::string& fileName,
                                                       std::string* error) {
  std::vector<CardRecord> records(kCardKinds);
  std::vector<bool> seen(kCardKinds, false);
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& why) {
    if (error) *error = fileName + ":" + std::to_string(lineNo) + ": " + why;
    return std::nullopt;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    // Six fields: id, four side codes, name; a seventh holds the English name.
    const std::vector<std::string> f = SplitTabs(line);
    if (f.size() != 6 && f.size() != 7)
      return fail("expected 6 or 7 tab-separated fields, found " + std::to_string(f.size()));
    int id = -1;
    if (!ParseId(f[0], &id)) return fail("card identifier \"" + f[0] + "\" is not 0..39");
    if (seen[id]) return fail("card " + std::to_string(id) + " is defined twice");
    seen[id] = true;
    CardRecord& card = records[id];
    for (int side = 0; side < 4; ++side) {
      if (f[side + 1].size() != 1 || !IsValidSideCode(f[side + 1][0])) {
        return fail("side " + std::to_string(side + 1) + " code \"" + f[side + 1] +
                    "\" is not one of 0-9, s, a, b");
      }
      card.sides[side] = f[side + 1][0];
    }
    // The name follows the last "-" of the record, so it cannot hold one itself.
    if (f[5].empty()) return fail("card " + std::to_string(id) + " has no name");
    if (f[5].find('-') != std::string::npos) return fail("a card name may not contain \"-\"");
    card.name = f[5];
    if (f.size() == 7) {
      if (f[6].empty()) return fail("card " + std::to_string(id) + " has an empty English name");
      card.englishName = f[6];
    }
    card.text = CardText(card.sides, card.name);
    std::string why;
    if (!MakeCardRecord(card.text, &why)) return fail(why);
  }
  for (int id = 0; id < kCardKinds; ++id) {
    if (!seen[id]) {
      if (error) *error = fileName + ": card " + std::to_string(id) + " is missing";
      return std::nullopt;
    }
  }
  return records;
}

std::string CardNamesTranslation(const std::vector<CardRecord>& records) {
  std::string ts =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
      "<TS version=\"2.1\" language=\"en\" sourcelanguage=\"ja\">\n<context>\n"
      "    <name>Cards</name>\n";
  for (const CardRecord& card : records) {
    if (card.englishName.empty()) continue;
    ts += "    <message>\n        <source>" + XmlEscaped(card.name) +
          "</source>\n        <translation>" + XmlEscaped(card.englishName) +
          "</translation>\n    </message>\n";
  }
  return ts + "</context>\n</TS>\n";
}

std::optional<std::string> BuildCardFile(const std::vector<CardRecord>& records,
                                         std::string* error) {
  if (records.size() != static_cast<size_t>(kCardKinds)) {
    if (error) *error = "the card file needs exactly 40 cards";
    return std::nullopt;
  }
  std::string bytes;
  for (const CardRecord& card : records) {
    std::string why;
    auto record = MakeCardRecord(card.text, &why);
    if (!record) {
      if (error) *error = why;
      return std::nullopt;
    }
    bytes += *record;
  }
  return bytes;
}

}  // namespace korvane
