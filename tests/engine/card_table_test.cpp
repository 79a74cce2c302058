// The card file: the forty cards as drawn, record layout, names, and every fault it can have.
#include "engine/card_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/cp932.h"
#include "tests/engine/engine_test_support.h"

namespace korvane {
namespace {

using test::SourceRecords;

std::string SourceFile() {
  std::string error;
  auto bytes = BuildCardFile(SourceRecords(), &error);
  EXPECT_TRUE(bytes.has_value()) << error;
  return bytes.value_or("");
}

// Side codes of the forty cards as the card pictures draw them, sides 1 to 4.
constexpr const char* kDrawn[kCardKinds] = {
    "0000", "0100", "1000", "0101", "1100", "0011", "1011", "1111", "0002", "2001",
    "2102", "1212", "1020", "0211", "00ss", "s101", "ssss", "s21s", "s222", "2s1s",
    "20s0", "0003", "3020", "s30s", "2301", "3003", "31s1", "0a00", "0a12", "a1a1",
    "2a20", "asa1", "a0a3", "3004", "0404", "4000", "b000", "02b2", "ba0a", "1b0b"};

TEST(CardFile, BuiltFromTheSourceCarriesTheCardsAsDrawn) {
  const std::string bytes = SourceFile();
  ASSERT_EQ(bytes.size(), 40u * 128u);
  std::string error;
  auto table = CardTable::FromBytes(bytes, "carddata", &error);
  ASSERT_TRUE(table.has_value()) << error;
  for (int id = 0; id < kCardKinds; ++id) {
    for (int side = 1; side <= 4; ++side) {
      EXPECT_EQ(table->Side(id, side), kDrawn[id][side - 1]) << "card " << id << " side " << side;
    }
    EXPECT_FALSE(table->Name(id).empty());
    EXPECT_EQ(table->Name(id).find('-'), std::string::npos);
  }
  const std::pair<int, const char*> story[] = {{0, "妖精"},
                                               {2, "ゴブリン"},
                                               {3, "マンイーター"},
                                               {5, "盗賊"},
                                               {7, "僧侶"},
                                               {10, "ナイト"},
                                               {11, "ゴーレム"},
                                               {15, "ワーキャット"},
                                               {24, "ジェネラル"},
                                               {30, "死神"},
                                               {31, "フェアリー"},
                                               {32, "勇者"},
                                               {37, "ウィル・オ・ウィスプ"},
                                               {39, "魔王"}};
  for (const auto& [id, name] : story) EXPECT_EQ(table->Name(id), name) << "card " << id;
  EXPECT_EQ(table->Record(0).text, "0 0 0 0 -妖精");
  // Record layout: tag 8, length, Shift-JIS text, zero padding.
  EXPECT_EQ(bytes[0], 8);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 13);  // "0 0 0 0 -" and two double-byte chars
  EXPECT_EQ(bytes.substr(4, 9), "0 0 0 0 -");
  EXPECT_EQ(bytes.substr(13, 4), "\x97\x64\x90\xB8");
  EXPECT_EQ(bytes[17], 0);
}

// An image of the file with record `index` (0-based) replaced.
std::string WithRecord(std::string bytes, int index, const std::string& record) {
  bytes.replace(static_cast<size_t>(index) * 128, 128, record);
  return bytes;
}

std::string RawRecord(uint16_t tag, uint16_t length, const std::string& text) {
  std::string r;
  r += static_cast<char>(tag & 0xFF);
  r += static_cast<char>(tag >> 8);
  r += static_cast<char>(length & 0xFF);
  r += static_cast<char>(length >> 8);
  r += text;
  r.resize(128, '\0');
  return r;
}

TEST(CardFile, SideCodesAreReadAtOddPositionsAndTheNameAfterTheLastDash) {
  const std::string base = SourceFile();
  auto record = MakeCardRecord("1Xa?s!0 some-thing-名前", nullptr);
  ASSERT_TRUE(record.has_value());
  auto table = CardTable::FromBytes(WithRecord(base, 4, *record), "carddata", nullptr);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->Side(4, 1), '1');
  EXPECT_EQ(table->Side(4, 2), 'a');
  EXPECT_EQ(table->Side(4, 3), 's');
  EXPECT_EQ(table->Side(4, 4), '0');
  EXPECT_EQ(table->Name(4), "名前");

  // Positions count characters, not bytes: double-byte separators change nothing.
  table = CardTable::FromBytes(WithRecord(base, 6, *MakeCardRecord("9・b・a・s-竜", nullptr)),
                               "carddata", nullptr);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->Side(6, 1), '9');
  EXPECT_EQ(table->Side(6, 4), 's');
  EXPECT_EQ(table->Name(6), "竜");

  // Without a "-" there is no name.
  table = CardTable::FromBytes(WithRecord(base, 8, *MakeCardRecord("0 0 0 0 nameless", nullptr)),
                               "carddata", nullptr);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->Name(8), "");
}

// Each damaged file gives an error that names the file and the record.
TEST(CardFile, FaultsAreReportedWithFileAndRecord) {
  const std::string base = SourceFile();
  struct Case {
    std::string bytes, mustMention;
  };
  const Case cases[] = {
      {base.substr(0, 39 * 128 + 2), "レコード 40"},                          // short
      {"", "レコード 1"},                                                     // empty
      {WithRecord(base, 4, RawRecord(3, 9, "0 0 0 0 -")), "レコード 5"},      // wrong tag
      {WithRecord(base, 9, RawRecord(8, 125, "0 0 0 0 -x")), "レコード 10"},  // over 124
      {WithRecord(base, 11, RawRecord(8, 5, "1 a s")), "レコード 12"},        // under 7 chars
      {WithRecord(base, 13, RawRecord(8, 9, "1 x 0 0 -")), "レコード 14"},    // bad side code
      {WithRecord(base, 15, RawRecord(8, 9, "1 0 0 A -")), "レコード 16"},    // upper case
      {WithRecord(base, 17, RawRecord(8, 9, "\x81\x40 0 0 0-")),
       "レコード 18"},                                                           // double-byte code
      {WithRecord(base, 19, RawRecord(8, 10, "0 0 0 0 -\x81")), "レコード 20"},  // cut Shift-JIS
      {base.substr(0, 39 * 128 + 4 + 5), "レコード 40"},                         // text cut off
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(CardTable::FromBytes(c.bytes, "/data/carddata", &error).has_value())
        << c.mustMention;
    EXPECT_NE(error.find("/data/carddata"), std::string::npos) << error;
    EXPECT_NE(error.find(c.mustMention), std::string::npos) << error;
  }
  // A file with more than forty records is read; the rest is never looked at.
  EXPECT_TRUE(CardTable::FromBytes(base + std::string(300, 'x'), "carddata", nullptr));
}

// Damaged bytes anywhere give either a table or a message, never a crash.
TEST(CardFile, RandomDamageIsAlwaysReportedOrRead) {
  const std::string base = SourceFile();
  uint32_t x = 12345;
  auto next = [&x] { return x = x * 1664525u + 1013904223u; };
  int rejected = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes = base;
    const int hits = 1 + next() % 8;
    for (int i = 0; i < hits; ++i) bytes[next() % bytes.size()] = static_cast<char>(next() >> 24);
    if (next() % 4 == 0) bytes.resize(next() % bytes.size());
    std::string error;
    auto table = CardTable::FromBytes(bytes, "carddata", &error);
    if (!table) {
      ++rejected;
      EXPECT_EQ(error.rfind("「carddata」のレコード ", 0), 0u) << error;
    } else {
      for (int id = 0; id < kCardKinds; ++id) {
        for (int side = 1; side <= 4; ++side) EXPECT_TRUE(IsValidSideCode(table->Side(id, side)));
      }
    }
  }
  EXPECT_GT(rejected, 500);
}

TEST(CardFile, OpenReadsTheWholeFileOnceAndNamesAMissingOne) {
  const std::string dir = testing::TempDir() + "carddata_open_test_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir + "/folder/carddata");
  ::mkfifo((dir + "/pipe").c_str(), 0600);
  std::ofstream(dir + "/short", std::ios::binary) << SourceFile().substr(0, 128 * 7);
  // Whatever is wrong, the message starts alike, names the path and says what it is; nothing
  // throws and nothing waits.
  const std::pair<std::string, std::string> unreadable[] = {
      {"/nonexistent/dir/carddata", "見つかりません"},
      {dir + "/folder/carddata", "フォルダです"},
      {dir + "/pipe", "普通のファイルではありません"},
      {dir + "/short", "レコード 8"},
  };
  for (const auto& [path, why] : unreadable) {
    std::string error;
    EXPECT_FALSE(CardTable::Open(path, &error).has_value()) << path;
    EXPECT_EQ(error.rfind(kCardFileUnreadable, 0), 0u) << error;
    EXPECT_NE(error.find("「" + path + "」"), std::string::npos) << error;
    EXPECT_NE(error.find(why), std::string::npos) << error;
  }

  const std::string path = dir + "/carddata";
  std::ofstream(path, std::ios::binary) << SourceFile();
  std::string error;
  auto table = CardTable::Open(path, &error);
  std::filesystem::remove_all(dir);  // gone: nothing is read from it any more
  ASSERT_TRUE(table.has_value()) << error;
  EXPECT_EQ(table->Side(39, 2), 'b');
  EXPECT_EQ(table->Name(39), "魔王");
}

TEST(CardSource, FaultsNameTheFileAndLine) {
  std::string all;
  for (int id = 0; id < kCardKinds; ++id)
    all += std::to_string(id) + "\t0\t0\t0\t0\tN" + std::to_string(id) + "\n";
  ASSERT_TRUE(ParseCardSource("# comment\n\n" + all, "cards.tsv", nullptr).has_value());

  const std::pair<std::string, std::string> bad[] = {
      {all + "5\t0\t0\t0\t0\tagain\n", "cards.tsv:41: カード 5 が二度定義されています。"},
      {all.substr(all.find('\n') + 1), "cards.tsv: カード 0 がありません。"},
      {"0\t0\t0\t0\tx\tname\n" + all, "cards.tsv:1: 辺 4"},
      {"0\t0\t0\t0\t0\tname-x\n", "cards.tsv:1: カードの名前に「-」は使えません"},
      {"0\t0\t0\t0\tname\n", "cards.tsv:1: タブ区切りの欄が 6 つか 7 つ必要"},
      {"40\t0\t0\t0\t0\tname\n", "cards.tsv:1: カード番号"},
      {"0\t0\t0\t0\t0\t" + std::string(120, 'x') + "\n", "cards.tsv:1: テキスト"},
      {"0\t0\t0\t0\t0\t😀\n", "Shift-JIS"},
  };
  for (const auto& [text, message] : bad) {
    std::string error;
    EXPECT_FALSE(ParseCardSource(text, "cards.tsv", &error).has_value()) << message;
    EXPECT_NE(error.find(message), std::string::npos) << error;
  }
}

// The English column feeds the translation only: the card file is the same with or without it,
// and the translation source stays well-formed whatever the names hold.
TEST(CardSource, EnglishNamesGoToTheTranslationNotTheFile) {
  std::string japanese, english;
  for (int id = 0; id < kCardKinds; ++id) {
    const std::string line = std::to_string(id) + "\t0\t1\t0\t0\t札" + std::to_string(id);
    japanese += line + "\n";
    english += line + (id == 5 ? "\tTom & \"Jerry's\" <pal>\n" : "\tCard\n");
  }
  auto plain = ParseCardSource(japanese, "cards.tsv", nullptr);
  auto both = ParseCardSource(english, "cards.tsv", nullptr);
  ASSERT_TRUE(plain && both);
  EXPECT_EQ(BuildCardFile(*plain, nullptr), BuildCardFile(*both, nullptr));
  EXPECT_EQ((*both)[5].englishName, "Tom & \"Jerry's\" <pal>");

  const std::string ts = CardNamesTranslation(*both);
  EXPECT_NE(ts.find("<source>札5</source>\n        <translation>Tom &amp; &quot;Jerry&apos;s&quot; "
                    "&lt;pal&gt;</translation>"),
            std::string::npos)
      << ts;
  EXPECT_EQ(CardNamesTranslation(*plain).find("<message>"), std::string::npos);  // none to give
  std::string error;
  EXPECT_FALSE(ParseCardSource("0\t0\t0\t0\t0\tname\t\n", "cards.tsv", &error));
  EXPECT_NE(error.find("cards.tsv:1: カード 0 の英語名が空です。"), std::string::npos);
}

TEST(Cp932, EncodesJapaneseAndFoldsWhatItCannotKeep) {
  EXPECT_EQ(EncodeCp932("妖精"), std::optional<std::string>("\x97\x64\x90\xB8"));
  EXPECT_EQ(DecodeCp932("\x97\x64\x90\xB8"), std::optional<std::string>("妖精"));
  EXPECT_FALSE(EncodeCp932("😀").has_value());
  EXPECT_FALSE(DecodeCp932("\x81").has_value());  // a lead byte without its partner
  EXPECT_TRUE(IsCp932RoundTrip("高原 良絵さん①"));
  EXPECT_FALSE(IsCp932RoundTrip("😀"));

  const std::pair<const char*, const char*> folds[] = {
      {"〜", "～"}, {"‖", "∥"}, {"−", "－"}, {"¢", "￠"}, {"£", "￡"}, {"¬", "￢"}, {"—", "―"}};
  for (const auto& [from, to] : folds) {
    EXPECT_FALSE(IsCp932RoundTrip(from)) << from;
    EXPECT_EQ(NormalizeForCp932(std::string("a") + from + "b"), std::string("a") + to + "b");
    EXPECT_TRUE(IsCp932RoundTrip(NormalizeForCp932(from))) << from;
  }
  EXPECT_EQ(NormalizeForCp932("普通の名前"), "普通の名前");
}

}  // namespace
}  // namespace korvane
