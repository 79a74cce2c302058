// The two faces of the game, each named here and nowhere else: a gothic face (IPAPGothic) stands
// in for "ＭＳ Ｐゴシック" on every button, label and box, and a handwriting face (Klee One) for
// "へた字", the face of the adventure's messages and choices.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

namespace korvane {

QString GothicFamily();
QString HandwritingFamily();

// The gothic face at a pixel size, or at a point size.
QFont GothicFont(int pixels, bool bold = false);
QFont GothicPoints(double points, bool bold = false);

// The messages' face and size on the adventure's picture, and the choice buttons' size.
constexpr double kMessagePointSize = 14.25;
constexpr double kChoicePointSize = 15.75;
QFont PictureTextFont();

// Text output on the adventure's picture: (x, y) is the top left of the text's em box, in the
// messages' face. The logic and the views both write with this.
void DrawPictureText(QPainter& p, int x, int y, const QString& text, const QColor& colour);

}  // namespace korvane
