// Save files written the slow way, straight from the record layout, without the game's writer.
#pragma once

#include <cstdint>
#include <string>

namespace korvane {

constexpr int kTestRecordLength = 128;

inline void PutLe16(std::string& image, size_t at, int value) {
  image[at] = static_cast<char>(value & 0xFF);
  image[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// Appends one 128-byte record holding a text; the rest is left as a careless writer would.
inline void AppendTextRecord(std::string& image, const std::string& cp932) {
  std::string record(kTestRecordLength, '\xAA');
  PutLe16(record, 0, static_cast<int>(cp932.size()));
  record.replace(2, cp932.size(), cp932);
  image += record;
}

inline void AppendIntRecord(std::string& image, int value) {
  std::string record(kTestRecordLength, '\x55');
  PutLe16(record, 0, value);
  image += record;
}

// "太郎君", female, person p owns (7p + k) mod 13 of card k, counters 11 22 33 44 112 7 -1 300,
// flags -1 0 1 0 -1.
inline std::string HandWrittenSave() {
  std::string image;
  AppendTextRecord(image, "\x91\xbe\x98\x59\x8c\x4e");
  AppendIntRecord(image, 1);
  for (int p = 0; p < 7; ++p) {
    for (int k = 0; k < 40; ++k) AppendIntRecord(image, (p * 7 + k) % 13);
  }
  for (int step : {11, 22, 33, 44, 112, 7, -1, 300}) AppendIntRecord(image, step);
  for (int flag : {-1, 0, 1, 0, -1}) AppendIntRecord(image, flag);
  return image;
}

}  // namespace korvane
