// Any bytes as a save, a settings file and a player name. The readers must never crash, leak or
// hang, and whatever they accept must survive being written and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "state/save_image.h"

namespace {

bool SameSavedState(const korvane::GameState& a, const korvane::GameState& b) {
  for (int place : korvane::kSavedPlaces) {
    if (*a.StepCounter(place) != *b.StepCounter(place)) return false;
  }
  return a.PlayerName == b.PlayerName && a.PlayerSex == b.PlayerSex &&
         a.Collections == b.Collections && a.PlaceUnlocked == b.PlaceUnlocked;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace korvane;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // The save: a loaded game can always be saved again, and reads back the same.
  GameState loaded;
  QString reason;
  const SaveStatus status = DecodeSaveImage(bytes, &loaded, &reason);
  if (status == SaveStatus::Damaged && reason.isEmpty()) __builtin_trap();
  if (status == SaveStatus::Saved) {
    QString error;
    const std::optional<std::string> image = EncodeSaveImage(loaded, false, &error);
    if (!image) __builtin_trap();
    GameState again;
    if (DecodeSaveImage(*image, &again, &reason) != SaveStatus::Saved) __builtin_trap();
    if (!SameSavedState(loaded, again)) __builtin_trap();
  }
  for (int record : {1, 2, 150, 295, 296}) {
    (void)ReadRecordInt(bytes, record);
    (void)ReadRecordBytes(bytes, record);
    (void)RecordValueBytes(bytes, record, record == 1);
  }

  // The settings: only the four captions ever get in.
  SoundSwitches switches;
  DecodeSettingsImage(bytes, switches);
  if (switches.MusicCaption != QStringLiteral("音楽：ＯＮ") &&
      switches.MusicCaption != QStringLiteral("音楽：ＯＦＦ")) {
    __builtin_trap();
  }

  // The bytes as a typed name: a name that passes the check is always writable.
  const QString name = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  if (CheckPlayerName(name).isEmpty()) {
    GameState g;
    g.PlayerName = name;
    const std::optional<std::string> image = EncodeSaveImage(g, true, nullptr);
    if (!image) __builtin_trap();
    GameState back;
    if (DecodeSaveImage(*image, &back, nullptr) == SaveStatus::Damaged) __builtin_trap();
    if (!name.isEmpty() && back.PlayerName != NormalizeSavedText(name)) __builtin_trap();
  }
  return 0;
}
