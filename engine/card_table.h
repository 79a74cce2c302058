// The card file "carddata": 128-byte records, record id + 1 defines card id. The whole file is
// read once when it is opened; the duel never touches the disk afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/types.h"

namespace korvane {

struct CardRecord {
  std::array<char, 4> sides{'0', '0', '0', '0'};  // sides 1..4 at text positions 1, 3, 5, 7
  std::string text;                               // decoded card text (UTF-8)
  std::string name;                               // the text after the last "-" (UTF-8)
  std::string englishName;  // the English edition's name (card table only, never in the file)
};

// The first sentence of every message about a card file that cannot be used; the game and every
// korvane-tool command show the same message and end with kCardFileExitStatus.
inline constexpr const char* kCardFileUnreadable = "カードデータを読み込めませんでした。";
inline constexpr int kCardFileExitStatus = 1;

class CardTable {
 public:
  // Reads and checks all forty records. On any fault (missing, a folder, unreadable, damaged)
  // returns nullopt and puts a message for the player into *error: kCardFileUnreadable followed
  // by what is wrong, naming the file and, for damage, the record.
  static std::optional<CardTable> Open(const std::string& path, std::string* error);
  // Parses an in-memory image of the file (used by Open, the tools and the fuzzers).
  static std::optional<CardTable> FromBytes(const std::string& bytes, const std::string& fileName,
                                            std::string* error);
  // A table built directly from records (tests and tools).
  static CardTable FromRecords(std::vector<CardRecord> records);

  // Side code of a card kind, side 1..4: '0'..'9', 's', 'a' or 'b'.
  char Side(int cardId, int side) const { return cards_[cardId].sides[side - 1]; }
  // ReadCardName: the text after the last "-".
  const std::string& Name(int cardId) const { return cards_[cardId].name; }
  const CardRecord& Record(int cardId) const { return cards_[cardId]; }

 private:
  std::array<CardRecord, kCardKinds> cards_;
};

// Side codes the file may carry.
bool IsValidSideCode(char code);

// Builds one 128-byte record (tag 8, 16-bit length, CP932 text). Fails on text that does not
// encode or is longer than 124 bytes.
std::optional<std::string> MakeCardRecord(const std::string& utf8Text, std::string* error);

// The text a record carries for a card: "<s1> <s2> <s3> <s4> -<name>", e.g. "0 0 0 0 -妖精".
std::string CardText(const std::array<char, 4>& sides, const std::string& name);

// Reads the card table source (UTF-8; lines "id<TAB>s1<TAB>s2<TAB>s3<TAB>s4<TAB>name", optionally
// followed by "<TAB>English name"; lines starting with "#" and empty lines ignored). Every
// identifier 0..39 exactly once, valid side codes, a name without "-". On a fault returns nullopt
// with a message naming the file and line.
std::optional<std::vector<CardRecord>> ParseCardSource(const std::string& text,
                                                       const std::string& fileName,
                                                       std::string* error);

// The English names as a Qt translation source (TS XML, context "Cards"): each Japanese name with
// its English one. Cards without an English name are left out.
std::string CardNamesTranslation(const std::vector<CardRecord>& records);

// The whole card file: forty 128-byte records in identifier order.
std::optional<std::string> BuildCardFile(const std::vector<CardRecord>& records,
                                         std::string* error);

}  // namespace korvane
