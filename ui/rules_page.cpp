#include "ui/rules_page.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "engine/card_table.h"
#include "engine/types.h"
#include "ui/card_pictures.h"
#include "ui/fonts.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

constexpr int kCell = 17;      // a square of the small boards
constexpr int kCardSize = 62;  // the example card, large enough to read its codes
const QColor kBlue(70, 110, 255);
const QColor kRed(235, 60, 60);
const QColor kStone(150, 150, 150);

// A small board of 3 columns and 4 rows; the card stands in the middle of the bottom row and
// faces up. `marks` lists squares (column 0..2, row 0..3) and how they are marked.
enum class Mark { Field, Flip };
struct MarkedSquare {
  int column;
  int row;
  Mark mark;
};

void PaintSmallBoard(QPainter& p, QPoint at, const QImage& card,
                     std::initializer_list<MarkedSquare> marks) {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 3; ++c) {
      const QRect sq(at.x() + c * kCell, at.y() + r * kCell, kCell - 1, kCell - 1);
      p.fillRect(sq, kStone);
    }
  }
  for (const MarkedSquare& m : marks) {
    const QRect sq(at.x() + m.column * kCell, at.y() + m.row * kCell, kCell - 1, kCell - 1);
    if (m.mark == Mark::Field) {
      p.fillRect(sq, kBlue);
    } else {
      p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(sq.topLeft() + QPoint(3, 3), sq.bottomRight() - QPoint(3, 3));
      p.drawLine(sq.topRight() + QPoint(-3, 3), sq.bottomLeft() + QPoint(3, -3));
    }
  }
  p.drawImage(QRect(at.x() + kCell, at.y() + 3 * kCell, kCell - 1, kCell - 1), card);
  // "Ahead" for the card's owner: up the small board.
  p.setPen(QPen(Qt::black, 1));
}

}  // namespace

QImage CutOutCard(const QImage& picture, const QImage& mask) {
  QImage card = picture.convertToFormat(QImage::Format_ARGB32);
  // The mask is black inside the card's outline: inverted, it is the card's opacity.
  QImage alpha = mask.scaled(card.size()).convertToFormat(QImage::Format_Grayscale8);
  alpha.invertPixels();
  card.setAlphaChannel(alpha);
  return card;
}

RulesPage::RulesPage(QWidget* parent, const CardPictures& pictures, const CardTable* cards,
                     double zoom)
    : QWidget(parent, Qt::Dialog),
      pictures_(pictures),
      cards_(cards),
      zoom_(ZoomToFit(zoom, kSize, AvailableRoom(parent))) {
  setObjectName(QStringLiteral("RulesPage"));
  setWindowTitle(QCoreApplication::translate("Rules", "ルールの早見"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(int(std::lround(kSize.width() * zoom_)), int(std::lround(kSize.height() * zoom_)));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(246, 244, 236));
  setPalette(pal);
}

int RulesPage::ExampleCard(char code) const {
  if (!cards_) return kCardBack;
  for (int id = 0; id < kCardKinds; ++id) {
    if (cards_->Side(id, 1) == code) return id;
  }
  return kCardBack;
}

void RulesPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(zoom_, zoom_);
  p.setPen(Qt::black);
  p.setFont(GothicFont(20, true));
  p.drawText(QRect(16, 8, 588, 28), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("Rules", "ルールの早見"));
  p.setFont(GothicFont(12));
  p.drawText(QRect(200, 8, 404, 28), Qt::AlignRight | Qt::AlignVCenter,
             QCoreApplication::translate("Rules", "Esc・F3・クリックで閉じる"));
  p.setFont(GothicFont(14, true));
  p.drawText(
      QRect(16, 40, 588, 20), Qt::AlignLeft | Qt::AlignVCenter,
      QCoreApplication::translate("Rules", "カードの辺の記号（上の辺の例。青は陣地になるマス）"));
  int top = 64;
  for (char code : {'2', 's', 'a', 'b', '0'}) {
    PaintCode(p, top, code);
    top += 70;
  }
  PaintFlipping(p, top + 4);
}

void RulesPage::PaintCode(QPainter& p, int top, char code) {
  const QImage card = CutOutCard(pictures_.Card(ExampleCard(code)), pictures_.Mask());
  p.drawImage(QRect(16, top, kCardSize, kCardSize), card);
  const QPoint board(90, top - 2);
  QString name, text;
  switch (code) {
    case 's':
      PaintSmallBoard(p, board, card, {{1, 1, Mark::Field}});
      name = QCoreApplication::translate("Rules", "S（スプリット）");
      text = QCoreApplication::translate("Rules",
                                         "2つ前のマスだけを陣地にする。すぐ前のマスは飛び越す。");
      break;
    case 'a':
      PaintSmallBoard(p, board, card,
                      {{0, 2, Mark::Field}, {1, 2, Mark::Field}, {2, 2, Mark::Field}});
      name = QCoreApplication::translate("Rules", "A（アーク）");
      text =
          QCoreApplication::translate("Rules", "すぐ前と、その左右のななめ前の3マスを陣地にする。");
      break;
    case 'b':
      PaintSmallBoard(p, board, card,
                      {{1, 0, Mark::Flip},
                       {0, 1, Mark::Flip},
                       {1, 1, Mark::Flip},
                       {2, 1, Mark::Flip},
                       {1, 2, Mark::Flip}});
      name = QCoreApplication::translate("Rules", "B（ボム）");
      text = QCoreApplication::translate(
          "Rules",
          "陣地は作らない。置いたとき、2つ前を中心にした十字の5マスのカードを、"
          "自分のものも相手のものも裏返す（すぐ裏返った時は爆発しない）。");
      break;
    case '0':
      PaintSmallBoard(p, board, card, {});
      name = QCoreApplication::translate("Rules", "×（なし）");
      text = QCoreApplication::translate(
          "Rules", "何も起こらない。×の多い側が先に置く（同じならあなたが先）。");
      break;
    default:
      PaintSmallBoard(p, board, card, {{1, 2, Mark::Field}, {1, 1, Mark::Field}});
      name = QCoreApplication::translate("Rules", "数字 1～9");
      text = QCoreApplication::translate(
          "Rules",
          "まっすぐ前へ、その数のマスまで陣地にする（例は 2）。盤の端か、最初に"
          "カードのあるマスで止まる。");
      break;
  }
  p.setPen(Qt::black);
  p.setFont(GothicFont(14, true));
  p.drawText(QRect(150, top, 454, 20), Qt::AlignLeft | Qt::AlignVCenter, name);
  p.setFont(GothicFont(13));
  p.drawText(QRect(150, top + 20, 454, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void RulesPage::PaintFlipping(QPainter& p, int top) {
  p.setPen(Qt::black);
  p.setFont(GothicFont(14, true));
  p.drawText(QRect(16, top, 588, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("Rules", "裏返り"));
  // A card in the opposing (red) field turns face down.
  const int y = top + 26;
  const QImage face = CutOutCard(pictures_.Card(ExampleCard('1')), pictures_.Mask());
  p.fillRect(QRect(16, y, 50, 50), kRed);
  p.drawImage(QRect(20, y + 4, 42, 42), face);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(72, y + 25, 94, y + 25);
  p.drawLine(88, y + 19, 94, y + 25);
  p.drawLine(88, y + 31, 94, y + 25);
  p.fillRect(QRect(100, y, 50, 50), kRed);
  p.drawImage(QRect(104, y + 4, 42, 42), CutOutCard(pictures_.Card(kCardBack), pictures_.Mask()));
  p.setFont(GothicFont(13));
  p.drawText(QRect(164, y - 4, 440, 66), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
             QCoreApplication::translate(
                 "Rules",
                 "相手の陣地（赤）にあるカードは裏返って力を失う。相手の陣地に置いたカードは"
                 "すぐ裏返る。10枚置き終えたとき表のカードが多い方が勝ち、負けた側の裏返った"
                 "カードは勝った側のものになる。"));
}

void RulesPage::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape || key == Qt::Key_F3 || key == Qt::Key_Return || key == Qt::Key_Enter ||
      key == Qt::Key_Space) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void RulesPage::mousePressEvent(QMouseEvent*) { close(); }

QWidget* ShowRulesPage(QWidget* parent, const CardPictures& pictures, const CardTable* cards,
                       double zoom) {
  auto* page = new RulesPage(parent, pictures, cards, zoom);
  page->show();
  page->raise();
  page->activateWindow();
  return page;
}

}  // namespace korvane
