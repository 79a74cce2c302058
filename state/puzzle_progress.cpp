#include "state/puzzle_progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace korvane {
namespace {

constexpr int kVersion = 1;
constexpr double kScale = 173.7178;  // Glicko-2's unit in rating points
constexpr double kTau = 0.5;
constexpr double kPi = 3.14159265358979323846;
constexpr qint64 kLongestFile = 1 << 20;

double G(double phi) { return 1 / std::sqrt(1 + 3 * phi * phi / (kPi * kPi)); }

// The new volatility: the root of Glickman's f by the Illinois method.
double NewVolatility(double sigma, double phi, double v, double delta) {
  const double a = std::log(sigma * sigma);
  const auto f = [&](double x) {
    const double ex = std::exp(x);
    const double d = phi * phi + v + ex;
    return ex * (delta * delta - phi * phi - v - ex) / (2 * d * d) - (x - a) / (kTau * kTau);
  };
  double A = a, B = 0;
  if (delta * delta > phi * phi + v) {
    B = std::log(delta * delta - phi * phi - v);
  } else {
    int k = 1;
    while (f(a - k * kTau) < 0 && k < 1000) ++k;
    B = a - k * kTau;
  }
  double fA = f(A), fB = f(B);
  for (int i = 0; i < 100 && std::abs(B - A) > 1e-6; ++i) {
    const double C = A + (A - B) * fA / (fB - fA);
    const double fC = f(C);
    if (fC * fB <= 0) {
      A = B;
      fA = fB;
    } else {
      fA /= 2;
    }
    B = C;
    fB = fC;
  }
  return std::exp(A / 2);
}

}  // namespace

GlickoRating GlickoUpdate(const GlickoRating& player, const std::vector<GlickoGame>& games) {
  const double mu = (player.rating - 1500) / kScale;
  const double phi = player.deviation / kScale;
  if (games.empty()) {
    // A period without games only widens the deviation.
    const double wider = std::sqrt(phi * phi + player.volatility * player.volatility);
    return {player.rating, std::min(350.0, wider * kScale), player.volatility};
  }
  double vInverse = 0, sum = 0;
  for (const GlickoGame& game : games) {
    const double g = G(game.deviation / kScale);
    const double e = 1 / (1 + std::exp(-g * (mu - (game.rating - 1500) / kScale)));
    vInverse += g * g * e * (1 - e);
    sum += g * (game.score - e);
  }
  const double v = 1 / vInverse;
  const double sigma = NewVolatility(player.volatility, phi, v, v * sum);
  const double phiStar = std::sqrt(phi * phi + sigma * sigma);
  const double phiNew = 1 / std::sqrt(1 / (phiStar * phiStar) + 1 / v);
  const double muNew = mu + phiNew * phiNew * sum;
  return {kScale * muNew + 1500, kScale * phiNew, sigma};
}

double PuzzleRating(int level) { return 900 + 200 * std::clamp(level, 1, 5); }

PuzzleProgress::PuzzleProgress(const QString& directory) : directory_(directory) {}

QString PuzzleProgress::Path() const {
  return QDir(directory_).filePath(QString::fromLatin1(kFileName));
}

QString PuzzleProgress::Load() {
  solved_.clear();
  ownSolved_.clear();
  rating_ = {};
  attempts_ = 0;
  QString why;
  const std::optional<std::string> image = ReadFileImage(Path(), kLongestFile + 1, &why);
  if (image && image->empty()) return {};
  if (image) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(*image), &error);
    const QJsonObject o = doc.object();
    const QJsonArray solved = o.value("solved").toArray();
    const double rating = o.value("rating").toDouble(-1);
    const double deviation = o.value("deviation").toDouble(-1);
    const double volatility = o.value("volatility").toDouble(-1);
    const int attempts = o.value("attempts").toInt(-1);
    bool good = error.error == QJsonParseError::NoError && doc.isObject() &&
                o.value("v").toInt() == kVersion && o.value("solved").isArray() && rating > 0 &&
                rating < 5000 && deviation > 0 && deviation <= 350 && volatility > 0 &&
                volatility < 1 && attempts >= 0;
    const auto read = [&good](const QJsonArray& ids, std::set<std::string>& into) {
      for (const QJsonValue& id : ids) {
        good = good && id.isString() && !id.toString().isEmpty();
        if (good) into.insert(id.toString().toStdString());
      }
    };
    read(solved, solved_);
    const QJsonValue own = o.value("own_solved");
    good = good && (own.isUndefined() || own.isArray());
    read(own.toArray(), ownSolved_);
    if (good) {
      rating_ = {rating, deviation, volatility};
      attempts_ = attempts;
      return {};
    }
    why = QCoreApplication::translate("Files", "内容が読めません");
  }
  solved_.clear();
  ownSolved_.clear();
  QString keptAt;
  const FileResult kept = MoveFileAside(Path(), QStringLiteral("damaged"), &keptAt);
  QString message =
      QCoreApplication::translate(
          "Files", "詰めKORVANE の記録のファイルが壊れていたため、新しく記録を始めます。\n（%1）")
          .arg(why);
  if (kept) {
    message += QCoreApplication::translate("Files", "\n壊れたファイルは %1 に残してあります。")
                   .arg(keptAt);
  } else {
    message += QStringLiteral("\n") + kept.error;
  }
  return message;
}

void PuzzleProgress::Record(const std::string& id, int level, bool firstTry, PuzzleSet set) {
  // A puzzle solved before is known: solving it again says nothing of the player's strength.
  if (Solved(id, set)) return;
  rating_ = GlickoUpdate(rating_, {{PuzzleRating(level), kPuzzleDeviation, firstTry ? 1.0 : 0.0}});
  (set == PuzzleSet::Own ? ownSolved_ : solved_).insert(id);
  ++attempts_;
  Write();
}

void PuzzleProgress::Write() {
  const auto list = [](const std::set<std::string>& ids) {
    QJsonArray array;
    for (const std::string& id : ids) array.append(QString::fromStdString(id));
    return array;
  };
  const QJsonObject o{{"v", kVersion},
                      {"solved", list(solved_)},
                      {"own_solved", list(ownSolved_)},
                      {"rating", rating_.rating},
                      {"deviation", rating_.deviation},
                      {"volatility", rating_.volatility},
                      {"attempts", attempts_}};
  const FileResult written =
      WriteFileAtomically(Path(), QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString());
  writeError_ = written ? QString() : written.error;
}

}  // namespace korvane
