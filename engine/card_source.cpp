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
    if (f.size() != 6 && f.size() != 7) {
      return fail("タブ区切りの欄が 6 つか 7 つ必要ですが、" + std::to_string(f.size()) +
                  " つです。");
    }
    int id = -1;
    if (!ParseId(f[0], &id)) return fail("カード番号「" + f[0] + "」が 0～39 ではありません。");
    if (seen[id]) return fail("カード " + std::to_string(id) + " が二度定義されています。");
    seen[id] = true;
    CardRecord& card = records[id];
    for (int side = 0; side < 4; ++side) {
      if (f[side + 1].size() != 1 || !IsValidSideCode(f[side + 1][0])) {
        return fail("辺 " + std::to_string(side + 1) + " のコード「" + f[side + 1] +
                    "」が 0～9, s, a, b のどれでもありません。");
      }
      card.sides[side] = f[side + 1][0];
    }
    // The name follows the last "-" of the record, so it cannot hold one itself.
    if (f[5].empty()) return fail("カード " + std::to_string(id) + " に名前がありません。");
    if (f[5].find('-') != std::string::npos) return fail("カードの名前に「-」は使えません。");
    card.name = f[5];
    if (f.size() == 7) {
      if (f[6].empty()) return fail("カード " + std::to_string(id) + " の英語名が空です。");
      card.englishName = f[6];
    }
    card.text = CardText(card.sides, card.name);
    std::string why;
    if (!MakeCardRecord(card.text, &why)) return fail(why);
  }
  for (int id = 0; id < kCardKinds; ++id) {
    if (!seen[id]) {
      if (error) *error = fileName + ": カード " + std::to_string(id) + " がありません。";
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
    if (error) *error = "カードデータにはちょうど 40 枚のカードが必要です。";
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
