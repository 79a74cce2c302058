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

}  // namespace

bool MakeContactSheet(const QString& dataDir, const QString& outPath, QString* error) {
  // Step 1. Collect the pictures in a fixed order.
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
  for (int i = 0; i <= 40; ++i)
    load(cards, QString("cards/CardPic%1.png").arg(i, 2, 10, QChar('0')), 2);
  for (int i = 0; i <= 40; ++i)
    load(cards, QString("cards/ECardPic%1.png").arg(i, 2, 10, QChar('0')), 2);
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
  if (!missing.isEmpty()) {
    *error = "missing pictures: " + missing.join(", ");
    return false;
  }
  // Step 2. Lay out: cards on a grid of 11 columns, the rest in rows below.
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
  // Step 3. Paint.
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(64, 64, 72));
  QPainter p(&sheet);
  p.setFont(GothicFont(12));
  auto paint = [&](const Item& it, QPoint pos) {
    const QSize s = it.image.size() * it.scale;
    p.drawImage(QRect(pos, s), it.image);
    p.setPen(Qt::white);
    p.drawText(QRect(pos.x(), pos.y() + s.height(), std::max(s.width(), 160), labelH),
               Qt::AlignLeft | Qt::AlignVCenter, it.label);
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
