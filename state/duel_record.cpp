#include "state/duel_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>

#include "state/save_files.h"

namespace korvane {
namespace {

// A thousand duels take about 350 KB; anything far beyond that is no record of ours.
constexpr qint64 kLongestFile = 8 * 1024 * 1024;
constexpr int kPlacements = 2 * kHandSize;

std::optional<int> IntIn(const QJsonValue& v, int lo, int hi) {
  if (!v.isDouble()) return std::nullopt;
  const double d = v.toDouble();
  if (d != std::floor(d) || d < lo || d > hi) return std::nullopt;
  return static_cast<int>(d);
}

std::optional<std::array<int, kHandSize>> HandIn(const QJsonValue& v) {
  const QJsonArray a = v.toArray();
  if (!v.isArray() || a.size() != kHandSize) return std::nullopt;
  std::array<int, kHandSize> hand{};
  for (int k = 0; k < kHandSize; ++k) {
    const std::optional<int> id = IntIn(a[k], 0, kCardKinds - 1);
    if (!id) return std::nullopt;
    hand[k] = *id;
  }
  return hand;
}

QJsonArray HandOut(const std::array<int, kHandSize>& hand) {
  QJsonArray a;
  for (int id : hand) a.append(id);
  return a;
}

const char* ResultName(DuelResult r) {
  return r == DuelResult::PlayerWon ? "win" : r == DuelResult::EnemyWon ? "loss" : "draw";
}

DuelResult ResultOf(int player, int enemy) {
  return player > enemy   ? DuelResult::PlayerWon
         : player < enemy ? DuelResult::EnemyWon
                          : DuelResult::Draw;
}

QDateTime WholeSecondsUtc(const QDateTime& t) {
  const QDateTime utc = t.toUTC();
  return QDateTime::fromSecsSinceEpoch(utc.toSecsSinceEpoch(), Qt::UTC);
}

bool Fail(std::string* why, const char* what) {
  if (why) *why = what;
  return false;
}

// The fields of `o` into `r`; false with *why at the first that is missing or out of range.
bool ReadFields(const QJsonObject& o, DuelRecord& r, std::string* why) {
  if (IntIn(o.value(QLatin1String("v")), 0, 1 << 30) != kDuelRecordVersion)
    return Fail(why, "not a version 1 record");
  const QDateTime when =
      QDateTime::fromString(o.value(QLatin1String("when")).toString(), Qt::ISODate);
  if (!when.isValid()) return Fail(why, "\"when\" is not an ISO 8601 date and time");
  r.When = WholeSecondsUtc(when);
  const std::optional<int> opponent = IntIn(o.value(QLatin1String("opponent")), 1, 6);
  if (!opponent) return Fail(why, "\"opponent\" is not a person 1..6");
  r.Opponent = *opponent;
  for (auto [key, flag] : {std::pair{"master", &r.Master}, std::pair{"practice", &r.Practice},
                           std::pair{"forfeit", &r.Forfeit}}) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isBool()) return Fail(why, "a flag (master, practice, forfeit) is not true or false");
    *flag = v.toBool();
  }
  const auto player = HandIn(o.value(QLatin1String("player")));
  const auto enemy = HandIn(o.value(QLatin1String("enemy")));
  if (!player || !enemy) return Fail(why, "a hand is not five card ids 0..39");
  r.PlayerHand = *player;
  r.EnemyHand = *enemy;
  const QString first = o.value(QLatin1String("first")).toString();
  if (first != QLatin1String("player") && first != QLatin1String("enemy"))
    return Fail(why, "\"first\" is not \"player\" or \"enemy\"");
  r.PlayerFirst = first == QLatin1String("player");
  const QJsonValue moves = o.value(QLatin1String("moves"));
  if (!moves.isArray() || moves.toArray().size() > kPlacements)
    return Fail(why, "\"moves\" is not a list of at most ten placements");
  for (const QJsonValue& m : moves.toArray()) {
    const std::optional<Placement> p = ParsePlacement(m.toString().toStdString());
    if (!m.isString() || !p) return Fail(why, "a move is not written p<slot>@<column>,<row>");
    r.Moves.push_back(*p);
  }
  const QJsonObject count = o.value(QLatin1String("count")).toObject();
  const std::optional<int> up = IntIn(count.value(QLatin1String("player")), 0, kHandSize);
  const std::optional<int> down = IntIn(count.value(QLatin1String("enemy")), 0, kHandSize);
  if (!up || !down) return Fail(why, "\"count\" is not two face-up counts 0..5");
  r.PlayerScore = *up;
  r.EnemyScore = *down;
  const QString result = o.value(QLatin1String("result")).toString();
  const DuelResult expected = r.Forfeit ? DuelResult::EnemyWon : ResultOf(*up, *down);
  if (result != QLatin1String(ResultName(expected)))
    return Fail(why, "\"result\" does not follow from the counts (a forfeit is a loss)");
  r.Result = expected;
  if (!r.Forfeit && r.Moves.size() != kPlacements)
    return Fail(why, "a settled duel does not have ten placements");
  return true;
}

QByteArray Encode(const std::vector<DuelRecord>& duels) {
  QByteArray text;
  for (const DuelRecord& r : duels) {
    text += QJsonDocument(ToJson(r)).toJson(QJsonDocument::Compact);
    text += '\n';
  }
  return text;
}

std::string Bytes(const QByteArray& a) { return std::string(a.constData(), a.size()); }

// The first "<path>.damaged-<n>" that is free.
QString FreeDamagedPath(const QString& path) {
  for (int n = 1; n < 10000; ++n) {
    const QString candidate = path + QStringLiteral(".damaged-%1").arg(n);
    if (!QFileInfo::exists(candidate)) return candidate;
  }
  return path + QStringLiteral(".damaged-10000");
}

void KeepNewest(std::vector<DuelRecord>& duels) {
  if (duels.size() > static_cast<size_t>(kDuelRecordLimit))
    duels.erase(duels.begin(), duels.end() - kDuelRecordLimit);
}

}  // namespace

QJsonObject ToJson(const DuelRecord& r) {
  QJsonArray moves;
  for (const Placement& m : r.Moves) moves.append(QString::fromStdString(PlacementText(m)));
  return QJsonObject{
      {QStringLiteral("v"), kDuelRecordVersion},
      {QStringLiteral("when"), WholeSecondsUtc(r.When).toString(Qt::ISODate)},
      {QStringLiteral("opponent"), r.Opponent},
      {QStringLiteral("master"), r.Master},
      {QStringLiteral("practice"), r.Practice},
      {QStringLiteral("forfeit"), r.Forfeit},
      {QStringLiteral("player"), HandOut(r.PlayerHand)},
      {QStringLiteral("enemy"), HandOut(r.EnemyHand)},
      {QStringLiteral("first"), r.PlayerFirst ? QStringLiteral("player") : QStringLiteral("enemy")},
      {QStringLiteral("moves"), moves},
      {QStringLiteral("result"), QLatin1String(ResultName(r.Result))},
      {QStringLiteral("count"), QJsonObject{{QStringLiteral("player"), r.PlayerScore},
                                            {QStringLiteral("enemy"), r.EnemyScore}}},
  };
}

std::optional<DuelRecord> FromJson(const QJsonObject& o, std::string* why) {
  DuelRecord r;
  if (!ReadFields(o, r, why)) return std::nullopt;
  return r;
}

RecordReplay ReplayRecord(const DuelRecord& r, const CardTable& cards) {
  RecordReplay out;
  DuelState s;
  for (int k = 0; k < kHandSize; ++k) {
    s.PlayerHand[k] = static_cast<int16_t>(r.PlayerHand[k]);
    s.EnemyHand[k] = static_cast<int16_t>(r.EnemyHand[k]);
  }
  ResetBoard(s);
  LoadHandSides(s, cards);
  ComputeFields(s);
  DecideFirstTurn(s);
  if ((s.Turn == TurnState::Player) != r.PlayerFirst) {
    out.problem = std::string("the hands give the first placement to the ") +
                  (s.Turn == TurnState::Player ? "player" : "enemy");
    return out;
  }
  for (size_t i = 0; i < r.Moves.size(); ++i) {
    const Placement& m = r.Moves[i];
    if (!IsLegalPlacement(s, m)) {
      out.problem =
          "placement " + std::to_string(i + 1) + " (" + PlacementText(m) + ") cannot be made there";
      out.count = CountFaceUp(s);
      return out;
    }
    // As the duel window makes it: the placement, then the redraw with its fields and flips.
    PlayPlacement(s, m);
  }
  out.legal = true;
  out.count = CountFaceUp(s);
  const std::optional<DuelOutcome> end = EndTest(s);
  const bool outcomeFits =
      r.Forfeit ? r.Result == DuelResult::EnemyWon : end.has_value() && end->result == r.Result;
  out.countsMatch =
      outcomeFits && out.count.player == r.PlayerScore && out.count.enemy == r.EnemyScore;
  if (!out.countsMatch) {
    out.problem = "the placements end " + std::to_string(out.count.player) + " to " +
                  std::to_string(out.count.enemy) + ", the record says " +
                  std::to_string(r.PlayerScore) + " to " + std::to_string(r.EnemyScore) + " (" +
                  ResultName(r.Result) + ")";
  }
  return out;
}

DuelRecordFile::DuelRecordFile(QString directory, QString fileName)
    : directory_(std::move(directory)), fileName_(std::move(fileName)) {}

QString DuelRecordFile::Path() const { return QDir(directory_).filePath(fileName_); }

QString DuelRecordFile::Load(Damage damage) {
  duels_.clear();
  loaded_ = true;
  blocked_ = false;
  QString why;
  std::optional<std::string> image = ReadFileImage(Path(), kLongestFile + 1, &why);
  if (image && static_cast<qint64>(image->size()) > kLongestFile) {
    why = QCoreApplication::translate("Files", "ファイルが大きすぎます");
    image.reset();
  }
  std::vector<QByteArray> badLines;
  if (image) {
    const QList<QByteArray> lines = QByteArray::fromStdString(*image).split('\n');
    for (const QByteArray& line : lines) {
      if (line.trimmed().isEmpty()) continue;
      // A line cut off while it was written does not parse; a whole record that only lacks
      // its "\n" (a file edited by hand) is still a record.
      QJsonParseError error;
      const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
      std::optional<DuelRecord> r;
      if (error.error == QJsonParseError::NoError && doc.isObject()) r = FromJson(doc.object());
      if (r) {
        duels_.push_back(std::move(*r));
      } else {
        badLines.push_back(line);
      }
    }
    KeepNewest(duels_);
    if (badLines.empty()) return {};
  }
  blocked_ = true;
  const bool whole = !image || duels_.empty();
  QString message =
      whole ? QCoreApplication::translate(
                  "Messages", "対戦の記録のファイルが読めなかったため、新しく記録を始めます。")
            : QCoreApplication::translate(
                  "Messages", "対戦の記録のうち %1 件が読めませんでした。ほかの %2 件は残ります。")
                  .arg(badLines.size())
                  .arg(duels_.size());
  if (!why.isEmpty()) message += QCoreApplication::translate("Messages", "\n（%1）").arg(why);
  if (damage == Damage::LeaveAlone) return message;

  FileResult kept;
  QString keptAt;
  if (whole) {
    duels_.clear();
    kept = MoveFileAside(Path(), QStringLiteral("damaged"), &keptAt);
  } else {
    // The bad lines as they were, then the good ones alone in the file.
    QByteArray bad;
    for (const QByteArray& line : badLines) bad += line + '\n';
    keptAt = FreeDamagedPath(Path());
    kept = WriteFileAtomically(keptAt, Bytes(bad));
    if (kept) kept = WriteFileAtomically(Path(), Bytes(Encode(duels_)));
  }
  if (kept) {
    blocked_ = false;
    message += QCoreApplication::translate("Messages", "\n読めなかった分は「%1」に残してあります。")
                   .arg(keptAt);
  } else {
    message += QStringLiteral("\n") + kept.error;
  }
  return message;
}

bool DuelRecordFile::Append(const DuelRecord& r, QString* problem) {
  return AppendAll({r}, problem);
}

bool DuelRecordFile::AppendAll(const std::vector<DuelRecord>& records, QString* problem) {
  QString told = loaded_ ? QString() : Load();
  auto tell = [&](const QString& text) {
    if (!told.isEmpty() && !text.isEmpty()) told += QStringLiteral("\n");
    told += text;
    if (problem) *problem = told;
  };
  // Only what reads back whole goes into the file; a duel without a time gets the present.
  std::vector<DuelRecord> checked;
  for (DuelRecord r : records) {
    if (!r.When.isValid()) r.When = QDateTime::currentDateTimeUtc();
    std::optional<DuelRecord> read = FromJson(ToJson(r));
    if (!read) {
      tell(QCoreApplication::translate("Messages", "対戦の記録に書けない対戦がありました。"));
      return false;
    }
    checked.push_back(std::move(*read));
  }
  duels_.insert(duels_.end(), checked.begin(), checked.end());
  KeepNewest(duels_);
  if (blocked_) {
    tell(QCoreApplication::translate(
        "Messages", "壊れた記録をどけられなかったため、対戦の記録を書き足せません。"));
    return false;
  }
  const FileResult written = WriteFileAtomically(Path(), Bytes(Encode(duels_)));
  tell(written ? QString() : written.error);
  return written.ok;
}

}  // namespace korvane
