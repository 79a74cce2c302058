#include "state/statistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace korvane {
namespace {

// The first line names the format and its version; the last line says the file is whole.
// Version 2 adds the reviews' four columns; a version 1 file is read with them at zero.
constexpr const char* kHeader = "KORVANE statistics 2";
constexpr const char* kHeaderOne = "KORVANE statistics 1";
constexpr const char* kColumns =
    "# person\tduels\twins\tlosses\tdraws\tperfect wins\tperfect losses\tcards won\tcards "
    "lost\thints\treviewed\taccuracy sum (1/1000)\tmistakes\tblunders";
constexpr const char* kEnd = "end";
constexpr qint64 kLongestFile = 64 * 1024;
constexpr int kLargestCount = 1000000000;
constexpr int kFieldsOne = 9;
constexpr int kFields = 13;

std::array<int*, kFields> Fields(OpponentRecord& r) {
  return {&r.Duels,         &r.Wins,     &r.Losses,    &r.Draws, &r.PerfectWins,
          &r.PerfectLosses, &r.CardsWon, &r.CardsLost, &r.Hints, &r.Reviewed,
          &r.AccuracySum,   &r.Mistakes, &r.Blunders};
}

void Bump(int& count, int by = 1) {
  // Saturates: a record never wraps round to a negative figure.
  count = by > kLargestCount - count ? kLargestCount : count + by;
}

}  // namespace

bool DuelReport::PerfectWin() const {
  return !Forfeit && Result == DuelResult::PlayerWon && PlayerScore == kHandSize && EnemyScore == 0;
}

bool DuelReport::PerfectLoss() const {
  return Forfeit || (Result == DuelResult::EnemyWon && EnemyScore == kHandSize && PlayerScore == 0);
}

Statistics::Statistics(const QString& directory) : directory_(directory) {}

QString Statistics::Path() const {
  return QDir(directory_).filePath(QString::fromLatin1(kFileName));
}

std::string Statistics::Encode(const std::array<OpponentRecord, kPersons>& records) {
  std::string out = std::string(kHeader) + "\n" + kColumns + "\n";
  for (int p = 1; p < kPersons; ++p) {
    OpponentRecord r = records[p];
    out += PersonName(p).toStdString();
    for (int* field : Fields(r)) out += "\t" + std::to_string(*field);
    out += "\n";
  }
  return out + kEnd + "\n";
}

bool Statistics::Decode(const std::string& text, std::array<OpponentRecord, kPersons>* records,
                        QString* why) {
  auto fail = [why](const QString& reason) {
    if (why) *why = reason;
    return false;
  };
  QStringList lines =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  lines.removeIf([](const QString& line) { return line.startsWith(QLatin1Char('#')); });
  const bool versionOne = !lines.isEmpty() && lines.first() == QLatin1String(kHeaderOne);
  const int fieldCount = versionOne ? kFieldsOne : kFields;
  if (lines.isEmpty() || (lines.first() != QLatin1String(kHeader) && !versionOne)) {
    return fail(QCoreApplication::translate("Files", "先頭の行が統計ファイルのものではありません"));
  }
  if (lines.size() != kPersons + 1 || lines.last() != QLatin1String(kEnd)) {
    return fail(
        QCoreApplication::translate("Files", "行の数が合いません（途中で切れているようです）"));
  }
  std::array<OpponentRecord, kPersons> read{};
  for (int p = 1; p < kPersons; ++p) {
    const QStringList cells = lines[p].split(QLatin1Char('\t'));
    if (cells.size() != fieldCount + 1 || cells[0] != PersonName(p)) {
      return fail(QCoreApplication::translate("Files", "%1 行目が読めません").arg(p + 2));
    }
    std::array<int*, kFields> fields = Fields(read[p]);
    for (int i = 0; i < fieldCount; ++i) {
      const std::string cell = cells[i + 1].toStdString();
      int value = -1;
      const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
      if (error != std::errc() || end != cell.data() + cell.size() || cell.empty() || value < 0 ||
          value > kLargestCount) {
        return fail(
            QCoreApplication::translate("Files", "%1 行目に数でない値があります").arg(p + 2));
      }
      *fields[i] = value;
    }
    const OpponentRecord& r = read[p];
    if (r.Wins + r.Losses + r.Draws != r.Duels || r.PerfectWins > r.Wins ||
        r.PerfectLosses > r.Losses || r.AccuracySum > 1000LL * r.Reviewed) {
      return fail(QCoreApplication::translate("Files", "%1 行目の数が食い違っています").arg(p + 2));
    }
  }
  if (records) *records = read;
  return true;
}

QString Statistics::Load() {
  records_ = {};
  writeError_.clear();
  QString why;
  const std::optional<std::string> image = ReadFileImage(Path(), kLongestFile + 1, &why);
  if (image && image->empty()) return {};  // no statistics yet
  if (image && static_cast<qint64>(image->size()) > kLongestFile) {
    why = QCoreApplication::translate("Files", "ファイルが大きすぎます");
  } else if (image && Decode(*image, &records_, &why)) {
    return {};
  }
  records_ = {};
  QString keptAt;
  const FileResult kept = MoveFileAside(Path(), QStringLiteral("damaged"), &keptAt);
  QString message =
      QCoreApplication::translate(
          "Files", "対戦成績のファイルが壊れていたため、新しく記録を始めます。\n（%1）")
          .arg(why);
  if (kept) {
    message += QCoreApplication::translate("Files", "\n壊れたファイルは %1 に残してあります。")
                   .arg(keptAt);
  } else {
    message += QStringLiteral("\n") + kept.error;
  }
  return message;
}

void Statistics::Record(const DuelReport& report) {
  if (report.Opponent < 1 || report.Opponent >= kPersons) return;
  OpponentRecord& r = records_[report.Opponent];
  Bump(r.Duels);
  if (report.Forfeit || report.Result == DuelResult::EnemyWon) {
    Bump(r.Losses);
  } else if (report.Result == DuelResult::PlayerWon) {
    Bump(r.Wins);
  } else {
    Bump(r.Draws);
  }
  if (report.PerfectWin()) Bump(r.PerfectWins);
  if (report.PerfectLoss()) Bump(r.PerfectLosses);
  Bump(r.CardsWon, std::max(report.CardsWon, 0));
  Bump(r.CardsLost, std::max(report.CardsLost, 0));
  Write();
}

void Statistics::CountHint(int opponent) {
  if (opponent < 1 || opponent >= kPersons) return;
  Bump(records_[opponent].Hints);
  Write();
}

void Statistics::RecordReview(int opponent, double accuracy, int mistakes, int blunders) {
  if (opponent < 1 || opponent >= kPersons) return;
  OpponentRecord& r = records_[opponent];
  Bump(r.Reviewed);
  Bump(r.AccuracySum, static_cast<int>(std::lround(std::clamp(accuracy, 0.0, 1.0) * 1000)));
  Bump(r.Mistakes, std::max(mistakes, 0));
  Bump(r.Blunders, std::max(blunders, 0));
  Write();
}

std::optional<double> OpponentRecord::AverageAccuracy() const {
  if (Reviewed <= 0) return std::nullopt;
  return AccuracySum / (1000.0 * Reviewed);
}

FileResult Statistics::StartNewGame() {
  // An empty record is not worth keeping: starting several new games in a row leaves one file.
  std::array<OpponentRecord, kPersons> onDisk{};
  const std::optional<std::string> image = ReadFileImage(Path(), kLongestFile + 1, nullptr);
  const bool emptyOnDisk =
      image &&
      (image->empty() || (Decode(*image, &onDisk, nullptr) && onDisk == decltype(onDisk){}));
  if (!emptyOnDisk) {
    FileResult moved = MoveFileAside(Path(), QStringLiteral("previous"));
    if (!moved) {
      writeError_ = moved.error;
      return moved;
    }
  }
  records_ = {};
  Write();
  return writeError_.isEmpty() ? FileResult{} : FileResult::Failed(writeError_);
}

const OpponentRecord& Statistics::Against(int opponent) const {
  static const OpponentRecord kNone;
  return opponent >= 1 && opponent < kPersons ? records_[opponent] : kNone;
}

OpponentRecord Statistics::Total() const {
  OpponentRecord sum;
  for (int p = 1; p < kPersons; ++p) {
    OpponentRecord r = records_[p];
    const std::array<int*, kFields> from = Fields(r);
    const std::array<int*, kFields> to = Fields(sum);
    for (int i = 0; i < kFields; ++i) Bump(*to[i], *from[i]);
  }
  return sum;
}

bool Statistics::IsEmpty() const { return Total() == OpponentRecord{}; }

QString Statistics::PreviousGamePath() const {
  QString found;
  for (int n = 1; n < 10000; ++n) {
    const QString candidate = Path() + QStringLiteral(".previous-%1").arg(n);
    if (!QFileInfo::exists(candidate)) break;
    found = candidate;
  }
  return found;
}

void Statistics::Write() {
  const FileResult written = WriteFileAtomically(Path(), Encode(records_));
  writeError_ = written ? QString() : written.error;
}

}  // namespace korvane
