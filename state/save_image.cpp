#include "state/save_image.h"

#include <QCoreApplication>
#include <algorithm>

#include "engine/cp932.h"

namespace korvane {

namespace {

size_t RecordOffset(int record) { return static_cast<size_t>(record - 1) * kRecordLength; }

uint16_t ReadLe16(std::string_view image, size_t at) {
  const auto lo = static_cast<unsigned char>(image[at]);
  const auto hi = static_cast<unsigned char>(image[at + 1]);
  return static_cast<uint16_t>(lo | (hi << 8));
}

void EnsureRecord(std::string& image, int record) {
  const size_t end = RecordOffset(record) + kRecordLength;
  if (image.size() < end) image.resize(end, '\0');
}

void WriteLe16(std::string& image, size_t at, uint16_t value) {
  image[at] = static_cast<char>(value & 0xFF);
  image[at + 1] = static_cast<char>(value >> 8);
}

QString Record(int record) { return QCoreApplication::translate("Files", "記録 %1").arg(record); }

// The text of record n, checked: present in full, at most 126 bytes, valid code page 932.
std::optional<QString> ReadCheckedText(std::string_view image, int record, QString* reason) {
  const size_t at = RecordOffset(record);
  if (image.size() < at + 2) {
    *reason = Record(record) + QCoreApplication::translate(
                                   "Files", " がありません（ファイルが途中で切れています）。");
    return std::nullopt;
  }
  const uint16_t length = ReadLe16(image, at);
  if (length > kMaxRecordText) {
    *reason = Record(record) +
              QCoreApplication::translate("Files", " の文字列の長さが %1 バイトです（最大 %2）。")
                  .arg(length)
                  .arg(kMaxRecordText);
    return std::nullopt;
  }
  if (image.size() < at + 2 + length) {
    *reason =
        Record(record) + QCoreApplication::translate("Files", " の文字列が途中で切れています。");
    return std::nullopt;
  }
  const std::string bytes(image.substr(at + 2, length));
  const std::optional<std::string> utf8 = DecodeCp932(bytes);
  if (!utf8) {
    *reason = Record(record) +
              QCoreApplication::translate("Files", " の文字列がシフトJISとして読めません。");
    return std::nullopt;
  }
  return QString::fromStdString(*utf8);
}

std::optional<int16_t> ReadCheckedInt(std::string_view image, int record, QString* reason) {
  const size_t at = RecordOffset(record);
  if (image.size() < at + 2) {
    *reason = Record(record) + QCoreApplication::translate(
                                   "Files", " がありません（ファイルが途中で切れています）。");
    return std::nullopt;
  }
  return static_cast<int16_t>(ReadLe16(image, at));
}

}  // namespace

int16_t ReadRecordInt(std::string_view image, int record) {
  if (record < 1) return 0;
  const size_t at = RecordOffset(record);
  if (image.size() >= at + 2) return static_cast<int16_t>(ReadLe16(image, at));
  if (image.size() == at + 1) return static_cast<int16_t>(static_cast<unsigned char>(image[at]));
  return 0;
}

std::string ReadRecordBytes(std::string_view image, int record) {
  if (record < 1) return {};
  const size_t at = RecordOffset(record);
  if (image.size() < at + 2) return {};
  const size_t length = std::min<size_t>(ReadLe16(image, at), kMaxRecordText);
  return std::string(image.substr(at + 2, std::min(length, image.size() - at - 2)));
}

std::string RecordValueBytes(std::string_view image, int record, bool isText) {
  if (record < 1) return {};
  const size_t at = RecordOffset(record);
  if (image.size() <= at) return {};
  size_t length = 2;
  if (isText && image.size() >= at + 2) length += ReadLe16(image, at);
  return std::string(image.substr(at, std::min(length, image.size() - at)));
}

bool IsTextRecord(int saveRecord) { return saveRecord == kNameRecord; }

void WriteRecordInt(std::string& image, int record, int16_t value) {
  EnsureRecord(image, record);
  WriteLe16(image, RecordOffset(record), static_cast<uint16_t>(value));
}

bool WriteRecordBytes(std::string& image, int record, std::string_view cp932) {
  if (cp932.size() > static_cast<size_t>(kMaxRecordText)) return false;
  EnsureRecord(image, record);
  const size_t at = RecordOffset(record);
  WriteLe16(image, at, static_cast<uint16_t>(cp932.size()));
  std::copy(cp932.begin(), cp932.end(), image.begin() + static_cast<std::ptrdiff_t>(at + 2));
  return true;
}

SaveStatus DecodeSaveImage(std::string_view image, GameState* out, QString* reason) {
  QString why;
  auto damaged = [&](const QString& text) {
    if (reason) *reason = text;
    return SaveStatus::Damaged;
  };
  // Nothing at all, or an empty name, is no save.
  if (image.empty()) return SaveStatus::NoSave;
  if (image.size() < 2)
    return damaged(QCoreApplication::translate("Files", "ファイルが短すぎます（%1 バイト）。")
                       .arg(image.size()));
  if (ReadLe16(image, 0) == 0) return SaveStatus::NoSave;

  // Read everything into a scratch state; the caller's state is only replaced at the end.
  GameState g = out ? *out : GameState{};
  const std::optional<QString> name = ReadCheckedText(image, kNameRecord, &why);
  if (!name) return damaged(why);
  g.PlayerName = *name;
  const std::optional<int16_t> sex = ReadCheckedInt(image, kSexRecord, &why);
  if (!sex) return damaged(why);
  if (*sex != 0 && *sex != 1) {
    return damaged(
        Record(kSexRecord) +
        QCoreApplication::translate("Files", " の性別が %1 です（0 か 1 のはず）。").arg(*sex));
  }
  g.PlayerSex = *sex;

  // The seven collections; a count is never negative.
  for (int p = 0; p < kPersons; ++p) {
    for (int k = 0; k < kCardKinds; ++k) {
      const int record = CollectionRecord(p, k);
      const std::optional<int16_t> count = ReadCheckedInt(image, record, &why);
      if (!count) return damaged(why);
      if (*count < 0) {
        return damaged(
            Record(record) +
            QCoreApplication::translate("Files", " のカードの枚数が %1 です。").arg(*count));
      }
      g.Collections[p][k] = *count;
    }
  }

  // The eight step counters and the five flags.
  for (int i = 0; i < 8; ++i) {
    const std::optional<int16_t> step = ReadCheckedInt(image, kFirstStepRecord + i, &why);
    if (!step) return damaged(why);
    *g.StepCounter(kSavedPlaces[i]) = *step;
  }
  for (int i = 1; i <= 5; ++i) {
    const std::optional<int16_t> flag = ReadCheckedInt(image, kFirstFlagRecord + i, &why);
    if (!flag) return damaged(why);
    g.PlaceUnlocked[i] = *flag;
  }
  if (out) *out = g;
  return SaveStatus::Saved;
}

std::optional<std::string> EncodeSaveImage(const GameState& g, bool oldHouseVariant,
                                           QString* error) {
  auto fail = [&](const QString& text) -> std::optional<std::string> {
    if (error) *error = text;
    return std::nullopt;
  };
  const QString nameProblem = CheckPlayerName(g.PlayerName);
  if (!nameProblem.isEmpty()) return fail(nameProblem);
  if (g.PlayerSex != 0 && g.PlayerSex != 1) {
    return fail(
        QCoreApplication::translate("Files", "性別の値 %1 はセーブできません。").arg(g.PlayerSex));
  }

  std::string image;
  image.reserve(static_cast<size_t>(kSaveRecordCount) * kRecordLength);
  const std::string name =
      *EncodeCp932(NormalizeForCp932(g.PlayerName.toStdString()));  // checked above
  WriteRecordBytes(image, kNameRecord, name);
  WriteRecordInt(image, kSexRecord, g.PlayerSex);
  for (int p = 0; p < kPersons; ++p) {
    for (int k = 0; k < kCardKinds; ++k) {
      const int16_t count = g.Collections[p][k];
      if (count < 0) {
        return fail(QCoreApplication::translate(
                        "Files", "%1 のカード %2 の枚数が %3 です。セーブできません。")
                        .arg(p == 0 ? g.PlayerName : PersonName(p))
                        .arg(k)
                        .arg(count));
      }
      WriteRecordInt(image, CollectionRecord(p, k), count);
    }
  }
  for (int i = 0; i < 8; ++i) {
    const int place = kSavedPlaces[i];
    int16_t value = *g.StepCounter(place);
    if (oldHouseVariant && place == 5) value = 0;
    WriteRecordInt(image, kFirstStepRecord + i, value);
  }
  for (int i = 1; i <= 5; ++i) WriteRecordInt(image, kFirstFlagRecord + i, g.PlaceUnlocked[i]);
  return image;
}

void DecodeSettingsImage(std::string_view image, SoundSwitches& switches) {
  const SoundSwitches builtIn;
  const QString captions[2][2] = {
      {builtIn.MusicCaption, QStringLiteral("音楽：ＯＦＦ")},
      {builtIn.EffectCaption, QStringLiteral("効果音：ＯＦＦ")},
  };
  QString* targets[2] = {&switches.MusicCaption, &switches.EffectCaption};
  for (int i = 0; i < kSettingsRecordCount; ++i) {
    QString ignored;
    const std::optional<QString> caption = ReadCheckedText(image, i + 1, &ignored);
    if (!caption || caption->isEmpty()) continue;
    if (*caption == captions[i][0] || *caption == captions[i][1]) *targets[i] = *caption;
  }
}

std::string EncodeSettingsImage(const SoundSwitches& switches) {
  std::string image;
  const QString captions[2] = {switches.MusicCaption, switches.EffectCaption};
  for (int i = 0; i < kSettingsRecordCount; ++i) {
    // A caption is one of the two texts of its button; anything unwritable is stored empty,
    // which reads back as the built-in caption.
    std::optional<std::string> bytes = EncodeCp932(captions[i].toStdString());
    if (!bytes || !WriteRecordBytes(image, i + 1, *bytes)) WriteRecordBytes(image, i + 1, "");
  }
  return image;
}

QString NormalizeSavedText(const QString& text) {
  return QString::fromStdString(NormalizeForCp932(text.toStdString()));
}

QString CheckPlayerName(const QString& fullName) {
  // Every character takes at least one byte: a text this long cannot fit, whatever it holds.
  if (fullName.size() > kMaxRecordText) {
    return QCoreApplication::translate(
               "Files", "名前が長すぎます（%1 文字）。セーブに入る名前は %2 バイトまでです。")
        .arg(fullName.size())
        .arg(kMaxRecordText);
  }
  const std::string normalized = NormalizeForCp932(fullName.toStdString());
  // Every character must survive code page 932; name the first one that does not.
  if (!IsCp932RoundTrip(normalized)) {
    const QString text = QString::fromStdString(normalized);
    for (int i = 0; i < text.size();) {
      const int width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      const QString ch = text.mid(i, width);
      if (!IsCp932RoundTrip(ch.toStdString())) {
        return QCoreApplication::translate("Files", "「%1」は名前に使えない文字です。").arg(ch);
      }
      i += width;
    }
    return QCoreApplication::translate("Files", "名前に使えない文字が含まれています。");
  }
  // The whole name, honorific and master mark included, must fit one record.
  const size_t bytes = EncodeCp932(normalized)->size();
  if (bytes > static_cast<size_t>(kMaxRecordText)) {
    return QCoreApplication::translate(
               "Files", "名前が長すぎます（%1 バイト）。セーブに入る名前は %2 バイトまでです。")
        .arg(bytes)
        .arg(kMaxRecordText);
  }
  return QString();
}

}  // namespace korvane
