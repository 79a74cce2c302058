// The byte images of the two files: the save "KVData.kvd" (295 records) and the settings
// "Condition.kvd" (2 records). Records are 128 bytes, numbered from 1; each holds one value at its
// start: an integer as 2 bytes little-endian two's complement, or a text as a 2-byte little-endian
// byte count followed by that many bytes of code page 932. The rest of a record is zero padding.
//
// This layer never touches the disk: the save store, korvane-tool and the fuzzers all go through
// it. Reading never trusts the bytes: a damaged image is reported with its reason and nothing of
// it is taken over.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_state.h"
#include "state/sound_switches.h"

namespace korvane {

constexpr int kRecordLength = 128;
constexpr int kMaxRecordText = kRecordLength - 2;  // bytes of text a string record can hold
constexpr int kSaveRecordCount = 295;
constexpr int kSettingsRecordCount = 2;

// Record numbers of the save.
constexpr int kNameRecord = 1;
constexpr int kSexRecord = 2;
constexpr int CollectionRecord(int person, int card) { return 3 + kCardKinds * person + card; }
constexpr int kFirstStepRecord = 283;  // TakaharaStep .. SquareStep in place order 0-5, 7, 8
constexpr int kOldHouseStepRecord = 288;
constexpr int kFirstFlagRecord = 290;  // flag i (1..5) lives in record 290 + i
static_assert(CollectionRecord(kPersons - 1, kCardKinds - 1) == 282);
static_assert(kFirstFlagRecord + 5 == kSaveRecordCount);

// The places whose counters are saved, in record order 283..290.
constexpr int kSavedPlaces[8] = {0, 1, 2, 3, 4, 5, 7, 8};

// Lenient access to one record of an image: a record (or the part of it) beyond the end of the
// image reads as 0 / "". Texts are the raw code page 932 bytes, cut to what the image holds.
int16_t ReadRecordInt(std::string_view image, int record);
std::string ReadRecordBytes(std::string_view image, int record);
// The value bytes of a record as stored (the 2 integer bytes, or length prefix plus text); empty
// when the record lies beyond the end. Used to compare two images record by record.
std::string RecordValueBytes(std::string_view image, int record, bool isText);
bool IsTextRecord(int saveRecord);  // true for record 1 only

// Writes a value at the start of a record, growing the image with zero bytes as needed.
void WriteRecordInt(std::string& image, int record, int16_t value);
// Fails (false) when the text is longer than kMaxRecordText bytes.
bool WriteRecordBytes(std::string& image, int record, std::string_view cp932);

enum class SaveStatus { NoSave, Saved, Damaged };

// Checks a whole save image and, when it holds a game, fills *out (if given).
//   NoSave:  empty image, or record 1 holds an empty name;
//   Saved:   every record 1..295 present and sound;
//   Damaged: anything else; *reason says what, and *out is left exactly as it was.
SaveStatus DecodeSaveImage(std::string_view image, GameState* out, QString* reason);

// The full 295-record image of a game, zero padded. The old-house variant stores 0 as
// OldHouseStep. Fails with a reason for a state that could not be read back as it was written:
// a name that code page 932 cannot hold or that is too long, a sex other than 0/1, a negative
// count.
std::optional<std::string> EncodeSaveImage(const GameState& g, bool oldHouseVariant,
                                           QString* error);

// Settings: a record that is empty, damaged or not one of the two captions of its switch leaves
// that switch as it is.
void DecodeSettingsImage(std::string_view image, SoundSwitches& switches);
std::string EncodeSettingsImage(const SoundSwitches& switches);

// The form a text takes once it has been through code page 932 (U+301C becomes U+FF5E and the
// like). The profile uses it so that the name in memory is the name that will be read back.
QString NormalizeSavedText(const QString& text);

// Whether a player name, as it will be stored (with its honorific and, for a master, the leading
// "※"), can be written to the save: empty when it can, otherwise the message to show.
QString CheckPlayerName(const QString& fullName);

}  // namespace korvane
