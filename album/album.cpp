#include "album/album.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "cast/cast.h"
#include "engine/card_table.h"
#include "state/language.h"

namespace korvane {
namespace {

bool Raises(int person, bool forMaster, int card) {
  const std::span<const StockRaise> raises = MinimumStockRaises(person, forMaster);
  return std::any_of(raises.begin(), raises.end(),
                     [card](const StockRaise& r) { return r.card == card && r.count > 0; });
}

// The mark between the items of a list.
QString Separator() {
  //: Between the items of a short list (sides, holders).
  return QCoreApplication::translate("Album", "・");
}

}  // namespace

QString Surname(int person) {
  return PersonNameInEdition(PersonName(person)).section(QLatin1Char(' '), 0, 0);
}

Album::Album(const GameState& game, const CardTable& cards, const Statistics* statistics)
    : game_(game), cards_(cards), statistics_(statistics) {}

bool Album::Master() const { return IsMasterName(game_.PlayerName); }

AlbumCard Album::Card(int id) const {
  AlbumCard c;
  if (!IsValidCardId(id)) return c;
  c.Id = id;
  c.Name = CardNameInEdition(QString::fromStdString(cards_.Name(id)));
  for (int side = 1; side <= 4; ++side) c.Sides[side - 1] = cards_.Side(id, side);
  c.Owned = game_.Collections[0][id];
  bool winnable = false;  // some character the player can win it from holds or brings it
  for (int p = 1; p < kPersons; ++p) {
    const int copies = game_.Collections[p][id];
    if (c.Owned <= 0 && copies > 0) c.Holders.push_back({p, copies});
    // 速水 結's duels move no card either way: her copies cannot be won.
    if (p != kHayami && (copies > 0 || Raises(p, false, id))) winnable = true;
    if (Raises(p, true, id)) c.MasterSources.push_back(p);
  }
  c.MasterOnly = !c.MasterSources.empty() && !winnable;
  c.EndingCounts = EndingCountsCard(id, Master());
  return c;
}

std::vector<AlbumCard> Album::Cards() const {
  std::vector<AlbumCard> all;
  all.reserve(kCardKinds);
  for (int k = 0; k < kCardKinds; ++k) all.push_back(Card(k));
  return all;
}

int Album::KindsOwned() const {
  const auto& mine = game_.Collections[0];
  return static_cast<int>(std::count_if(mine.begin(), mine.end(), [](int16_t n) { return n > 0; }));
}

int Album::CopiesOwned() const {
  int sum = 0;
  for (int16_t n : game_.Collections[0]) sum += std::max<int>(n, 0);
  return sum;
}

int Album::EndingCounted() const {
  int n = 0;
  for (int k = 0; k < kCardKinds; ++k) n += EndingCountsCard(k, Master());
  return n;
}

int Album::EndingMissing() const {
  int n = 0;
  for (int k = 0; k < kCardKinds; ++k) {
    n += EndingCountsCard(k, Master()) && game_.Collections[0][k] <= 0;
  }
  return n;
}

std::vector<AlbumRecordRow> Album::RecordRows() const {
  std::vector<AlbumRecordRow> rows;
  for (int p = 1; p < kPersons; ++p) {
    rows.push_back({PersonNameInEdition(PersonName(p)),
                    statistics_ ? statistics_->Against(p) : OpponentRecord{}});
  }
  rows.push_back({QCoreApplication::translate("Album", "合計"),
                  statistics_ ? statistics_->Total() : OpponentRecord{}});
  return rows;
}

QString Album::SidesText(const AlbumCard& card) {
  QStringList sides;
  for (char code : card.Sides) {
    // Drawn as the card faces draw them: capitals for the letters.
    sides << (code == '0' ? QStringLiteral("×") : QString(QLatin1Char(code)).toUpper());
  }
  return sides.join(Separator());
}

QString Album::HoldersText(const AlbumCard& card) {
  if (card.Owned > 0) return {};
  QStringList parts;
  for (const AlbumHolding& h : card.Holders) {
    parts << QCoreApplication::translate("Album", "%1×%2").arg(Surname(h.Person)).arg(h.Copies);
  }
  if (card.MasterOnly) {
    QStringList sources;
    for (int p : card.MasterSources) sources << Surname(p);
    parts << QCoreApplication::translate("Album", "マスターなら%1").arg(sources.join(Separator()));
  }
  if (parts.isEmpty()) return QCoreApplication::translate("Album", "誰も持っていない");
  return parts.join(Separator());
}

QString Album::TotalsText() const {
  return QCoreApplication::translate("Album", "持っているカード %1種類／%2種類　合計 %3枚")
      .arg(KindsOwned())
      .arg(kCardKinds)
      .arg(CopiesOwned());
}

}  // namespace korvane
