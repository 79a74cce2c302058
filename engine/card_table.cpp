#include "engine/card_table.h"

#include "engine/cp932.h"
#include "engine/file_bytes.h"

namespace korvane {
namespace {

constexpr size_t kRecordSize = 128;
constexpr uint16_t kTextTag = 8;
constexpr size_t kMaxTextBytes = kRecordSize - 4;

uint16_t ReadLe16(const std::string& bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                               (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

void WriteLe16(std::string& out, uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

// Splits UTF-8 text into its characters (each one a short string).
std::vector<std::string> Characters(const std::string& utf8) {
  std::vector<std::string> chars;
  size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    size_t len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
    if (i + len > utf8.size()) len = utf8.size() - i;
    chars.push_back(utf8.substr(i, len));
    i += len;
  }
  return chars;
}

bool Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

// Checks and decodes record `index` (0-based) of the file image into *card.
bool ParseRecord(const std::string& bytes, const std::string& fileName, int index, CardRecord* card,
                 std::string* error) {
  // The record must be there: its header and the text it announces.
  const std::string where = "「" + fileName + "」のレコード " + std::to_string(index + 1) +
                            "（カード " + std::to_string(index) + "）：";
  const size_t start = static_cast<size_t>(index) * kRecordSize;
  if (bytes.size() < start + 4) {
    return Fail(error, where + "このレコードの前でファイルが終わっています（" +
                           std::to_string(bytes.size()) +
                           " バイト。128 バイトのレコードが 40 個必要です）。");
  }
  const uint16_t tag = ReadLe16(bytes, start);
  const uint16_t length = ReadLe16(bytes, start + 2);
  if (tag != kTextTag) {
    return Fail(error, where + "型タグが " + std::to_string(tag) + " です（テキストなら 8）。");
  }
  if (length > kMaxTextBytes) {
    return Fail(error, where + "テキストの長さ " + std::to_string(length) +
                           " バイトが、レコードに入る 124 バイトを超えています。");
  }
  if (bytes.size() < start + 4 + length) {
    return Fail(error, where + "カードのテキストの途中でファイルが終わっています。");
  }
  // Decode the text and check the side codes at positions 1, 3, 5 and 7.
  auto text = DecodeCp932(bytes.substr(start + 4, length));
  if (!text) return Fail(error, where + "カードのテキストが Shift-JIS（CP932）として読めません。");
  const std::vector<std::string> chars = Characters(*text);
  if (chars.size() < 7) {
    return Fail(error, where + "カードのテキスト「" + *text + "」が 7 文字より短いです。");
  }
  for (int side = 1; side <= 4; ++side) {
    const std::string& code = chars[2 * side - 2];
    if (code.size() != 1 || !IsValidSideCode(code[0])) {
      return Fail(error, where + "辺 " + std::to_string(side) + " のコード「" + code +
                             "」が 0～9, s, a, b のどれでもありません。");
    }
    card->sides[side - 1] = code[0];
  }
  // The name is what follows the last "-"; a text without one has no name.
  card->text = *text;
  const size_t dash = text->rfind('-');
  card->name = dash == std::string::npos ? std::string() : text->substr(dash + 1);
  return true;
}

}  // namespace

bool IsValidSideCode(char code) {
  return (code >= '0' && code <= '9') || code == 's' || code == 'a' || code == 'b';
}

std::optional<CardTable> CardTable::Open(const std::string& path, std::string* error) {
  // Forty records are all that is read; a larger file is never looked at past them.
  std::string why;
  std::optional<CardTable> table;
  if (const std::optional<std::string> bytes =
          ReadFileBytes(path, &why, static_cast<size_t>(kCardKinds) * kRecordSize)) {
    table = FromBytes(*bytes, path, &why);
  }
  if (!table && error) *error = kCardFileUnreadable + why;
  return table;
}

std::optional<CardTable> CardTable::FromBytes(const std::string& bytes, const std::string& fileName,
                                              std::string* error) {
  CardTable table;
  for (int i = 0; i < kCardKinds; ++i) {
    if (!ParseRecord(bytes, fileName, i, &table.cards_[i], error)) return std::nullopt;
  }
  return table;
}

CardTable CardTable::FromRecords(std::vector<CardRecord> records) {
  CardTable table;
  for (size_t i = 0; i < records.size() && i < table.cards_.size(); ++i) {
    table.cards_[i] = std::move(records[i]);
  }
  return table;
}

std::optional<std::string> MakeCardRecord(const std::string& utf8Text, std::string* error) {
  auto encoded = EncodeCp932(NormalizeForCp932(utf8Text));
  if (!encoded) {
    if (error) *error = "テキスト「" + utf8Text + "」に Shift-JIS で表せない文字があります。";
    return std::nullopt;
  }
  if (encoded->size() > kMaxTextBytes) {
    if (error) {
      *error = "テキスト「" + utf8Text + "」は " + std::to_string(encoded->size()) +
               " バイトで、レコードに入る 124 バイトを超えています。";
    }
    return std::nullopt;
  }
  std::string record;
  record.reserve(kRecordSize);
  WriteLe16(record, kTextTag);
  WriteLe16(record, static_cast<uint16_t>(encoded->size()));
  record += *encoded;
  record.resize(kRecordSize, '\0');
  return record;
}

}  // namespace korvane
