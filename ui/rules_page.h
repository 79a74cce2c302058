// The rules at a glance: what each side code does (a digit, S, A, B and ×) and how cards turn
// face down, each drawn as a small example with the game's own card art. Opened from the duel
// (F3) and from the album; Esc, F3, Enter or a click closes it.
#pragma once

#include <QImage>
#include <QWidget>

namespace korvane {

class CardPictures;
class CardTable;

class RulesPage : public QWidget {
 public:
  // `cards` picks real cards as examples (a card whose top side has the code); without it the
  // examples show the card back.
  RulesPage(QWidget* parent, const CardPictures& pictures, const CardTable* cards, double zoom);
  // The page's size at 1x.
  static constexpr QSize kSize{620, 512};

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  void PaintCode(QPainter& p, int top, char code);
  void PaintFlipping(QPainter& p, int top);
  // A card whose top side carries `code`, else the back.
  int ExampleCard(char code) const;

  const CardPictures& pictures_;
  const CardTable* cards_;
  double zoom_;
};

// A card picture with its outside transparent (the mask's white), for painting with QPainter
// over anything: the rules page's examples and the duel view's previews.
QImage CutOutCard(const QImage& picture, const QImage& mask);

// Opens the page over `parent` (a window of its own, deleted when closed).
QWidget* ShowRulesPage(QWidget* parent, const CardPictures& pictures, const CardTable* cards,
                       double zoom);

}  // namespace korvane
