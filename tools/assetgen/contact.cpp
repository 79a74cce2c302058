// The contact sheet: every generated picture on one PNG, each with its file name, so the whole
// set can be reviewed at a glance. Cards are shown twice as large.
#include <QDir>
#include <QFileInfo>

#include "tools/assetgen/assetgen.h"

namespace assetgen {
namespace {

struct Item {
  QString label;
  QImage image;
  int scale;
};

// The duel board as the game paints it: cards with the mask ANDed and the face ORed, field
// tiles ORed onto empty squares, and a hand card with the yellow corner frame (bracket mask
// ORed, bracket frame ANDed).
QImage DuelPreview(const QString& dir) {
  QImage board(dir + "/duel/Board.png");
  board = board.convertToFormat(QImage::Format_RGB32);
  const QImage mask = QImage(dir + "/cards/CardMask.png").convertToFormat(QImage::Format_RGB32);
  const QImage blue = QImage(dir + "/duel/MyField.png").convertToFormat(QImage::Format_RGB32);
  const QImage red = QImage(dir + "/duel/EnemyField.png").convertToFormat(QImage::Format_RGB32);
  QPainter p(&board);
  auto sprite = [&](const QString& face, QPoint at) {
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, mask);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, QImage(dir + "/cards/" + face).convertToFormat(QImage::Format_RGB32));
  };
  auto square = [](int c, int r) { return QPoint((c - 1) * 80, (r - 1) * 80); };
  sprite("CardPic35.png", square(3, 4));
  sprite("ECardPic39.png", square(3, 2));
  sprite("CardPic40.png", square(2, 3));
  sprite("ECardPic40.png", square(4, 3));
  p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
  p.drawImage(square(3, 5), blue);
  p.drawImage(square(3, 3), blue);
  p.drawImage(square(3, 3), red);
  p.drawImage(square(3, 1), red);
  p.drawImage(square(2, 4), blue);
  p.end();
  // A hand card with the selection frame.
  QImage hand(81, 81, QImage::Format_RGB32);
  hand.fill(QColor(192, 192, 192));
  QPainter h(&hand);
  h.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  h.drawImage(0, 0, mask);
  h.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
  h.drawImage(0, 0, QImage(dir + "/cards/CardPic00.png").convertToFormat(QImage::Format_RGB32));
  h.drawImage(0, 0, QImage(dir + "/duel/CornerMask.png").convertToFormat(QImage::Format_RGB32));
  h.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  h.drawImage(0, 0, QImage(dir + "/duel/CornerFrame.png").convertToFormat(QImage::Format_RGB32));
  h.end();
  QImage out(board.width() + 90, board.height(), QImage::Format_RGB32);
  out.fill(QColor(192, 192, 192));
  QPainter o(&out);
  o.drawImage(0, 0, board);
  o.drawImage(board.width() + 6, 3, hand);
  return out;
}

}  // namespace

bool MakeContactSheet(const QString& dataDir, const QString& outPath, const QString& cardTable,
                      QString* error) {
  // Collect the pictures in a fixed order; card faces are labelled with their names
  // when the card table is given.
  std::vector<CardDef> defs;
  if (!cardTable.isEmpty()) {
    defs = ReadCardTable(cardTable, error);
    if (defs.empty()) return false;
  }
  std::vector<Item> cards, others;
  QStringList missing;
  auto load = [&](std::vector<Item>& into, const QString& rel, int scale) {
    QImage img(dataDir + "/" + rel);
    if (img.isNull()) {
      missing << rel;
      return;
    }
    into.push_back({QFileInfo(rel).completeBaseName(), img, scale});
  };
  for (const char* set : {"CardPic", "ECardPic"})
    for (int i = 0; i <= 40; ++i) {
      load(cards, QString("cards/%1%2.png").arg(set).arg(i, 2, 10, QChar('0')), 2);
      if (size_t(i) < defs.size() && !cards.empty()) cards.back().label += " " + defs[i].name;
    }
  load(cards, "cards/CardMask.png", 2);
  for (const char* n :
       {"duel/MyField.png", "duel/EnemyField.png", "duel/CornerMask.png", "duel/CornerFrame.png"})
    load(cards, n, 2);
  for (int i = 0; i < 6; ++i) load(others, QString("adventure/OppPic%1.png").arg(i), 2);
  load(others, "adventure/PlayerPic0.png", 2);
  load(others, "adventure/PlayerPic1.png", 2);
  load(others, "adventure/Logo.png", 1);
  load(others, "adventure/LightTile.png", 4);
  load(others, "icon.png", 2);
  load(others, "duel/Board.png", 1);
  load(others, "adventure/Town.png", 1);
  if (missing.isEmpty())
    others.push_back({"duel preview (AND/OR painting)", DuelPreview(dataDir), 1});
  if (!missing.isEmpty()) {
    *error = "missing pictures: " + missing.join(", ");
    return false;
  }
  // Lay out: cards on a grid of 11 columns, the rest in rows below.
  const int cell = 176, labelH = 16, margin = 8, width = 11 * cell + 2 * margin;
  int y = margin;
  std::vector<QPoint> at;
  for (size_t k = 0; k < cards.size(); ++k) {
    at.push_back(QPoint(margin + int(k % 11) * cell, y + int(k / 11) * (cell + labelH)));
  }
  y += int((cards.size() + 10) / 11) * (cell + labelH) + margin;
  int x = margin, rowH = 0;
  std::vector<QPoint> at2;
  for (const Item& it : others) {
    const QSize s = it.image.size() * it.scale;
    if (x + s.width() > width - margin) {
      x = margin;
      y += rowH + labelH + margin;
      rowH = 0;
    }
    at2.push_back(QPoint(x, y));
    x += s.width() + margin;
    rowH = std::max(rowH, s.height());
  }
  const int height = y + rowH + labelH + margin;
  // Paint.
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(64, 64, 72));
  QPainter p(&sheet);
  p.setFont(GothicFont(12));
  auto paint = [&](const Item& it, QPoint pos) {
    const QSize s = it.image.size() * it.scale;
    p.drawImage(QRect(pos, s), it.image);
    p.setPen(Qt::white);
    const int w = std::max(s.width(), 170);
    p.drawText(QRect(pos.x(), pos.y() + s.height(), w, labelH), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(it.label, Qt::ElideRight, w));
  };
  for (size_t k = 0; k < cards.size(); ++k) paint(cards[k], at[k]);
  for (size_t k = 0; k < others.size(); ++k) paint(others[k], at2[k]);
  p.end();
  if (!sheet.save(outPath, "PNG")) {
    *error = "cannot write " + outPath;
    return false;
  }
  return true;
}

}  // namespace assetgen
