// The duel window's view extras on the real widgets: the score, the result line and the preview
// over the board, the face of an enemy card placed face down at once, the deck selection's
// instruction line and preview mark, the result line's click, and the smaller mends of the view
// (the record label clear of the tutorial's button, the player's hand column inside the window,
// no tooltip left over the board).
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include "duel/korvane_extras.h"
#include "duel/korvane_window.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "state/language.h"
#include "ui/fonts.h"
#include "ui/picture_view.h"
#include "ui/rules_page.h"
#include "ui/view_zoom.h"

namespace korvane {

void KorvaneWindow::BuildExtras(QWidget* stage) {
  (void)stage;
  // The instruction sits in the list's free strip under the second row of captions.
  deckLine_ = new QLabel(picture1_);
  deckLine_->setObjectName(QStringLiteral("DeckInstruction"));
  deckLine_->setText(DeckInstruction());
  deckLine_->setAlignment(Qt::AlignCenter);
  deckLine_->setStyleSheet(QStringLiteral("color: rgb(255,255,160); background: transparent;"));
  deckLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
  zoom_->SetFont(deckLine_, GothicFont(EnglishEdition() ? 10 : 11));
  zoom_->Place(deckLine_, QRect(0, 298, 568, 15));
  deckLine_->hide();
  field_->TrackPointer();
  field_->OnMove = [this] {
    const QPoint at = field_->mapFromGlobal(QCursor::pos());
    const double z = zoom_->Zoom();
    const BoardSquare s =
        SquareAtPixel(at.x() / z - field_->Border(), at.y() / z - field_->Border(), kBoardPixels);
    SetHoverSquare(IsOnBoard(s.column, s.row) ? std::optional(s) : std::nullopt);
  };
  field_->installEventFilter(this);
}

void KorvaneWindow::SetHoverSquare(std::optional<BoardSquare> square) {
  if (square == hover_) return;
  hover_ = square;
  field_->update();
}

bool KorvaneWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::Leave) SetHoverSquare(std::nullopt);
  return QWidget::eventFilter(watched, event);
}

void KorvaneWindow::mousePressEvent(QMouseEvent* event) {
  // A click anywhere ends the result line; the result's messages follow at once.
  if (logic_.ResultLine) Forward([&] { logic_.DismissResult(); });
  QWidget::mousePressEvent(event);
}

void KorvaneWindow::OpenRules() {
  if (rules_) {
    rules_->raise();
    return;
  }
  rules_ = ShowRulesPage(this, logic_.Pictures(), &logic_.Cards(), Zoom());
}

void KorvaneWindow::PaintBoardExtras(QPainter& p) {
  const int64_t now = logic_.Clock();
  if (logic_.EnemyAtOnce && logic_.EnemyMark && now - logic_.EnemyAtOnceSince < kAtOnceFaceMs) {
    const CardPictures& art = logic_.Pictures();
    PaintAtOnceFace(p, *logic_.EnemyMark,
                    CutOutCard(art.EnemyCard(*logic_.EnemyAtOnce), art.Mask()));
    // One repaint when the face has been shown long enough, then the back shows.
    if (!atOnceRepaint_) {
      atOnceRepaint_ = true;
      QTimer::singleShot(int(kAtOnceFaceMs - (now - logic_.EnemyAtOnceSince)) + 10, field_, [this] {
        atOnceRepaint_ = false;
        field_->update();
      });
    }
  }
  // The pointer's square first; without the pointer on the board, the key cursor's.
  const std::optional<BoardSquare> target = hover_ ? hover_ : keys_.BoardCursor();
  if (const auto preview = PreviewOf(logic_, target)) {
    PaintPlacementPreview(p, *preview,
                          logic_.Pictures().Card(logic_.Duel.PlayerHand[logic_.Duel.SelectedSlot]));
  }
  if (!logic_.ScoreShown || logic_.Game().TutorialMode != 0) return;
  QString atOnceName;
  if (logic_.EnemyAtOnce) {
    atOnceName =
        CardNameInEdition(QString::fromStdString(logic_.Cards().Name(*logic_.EnemyAtOnce)));
  }
  PaintScore(p, CountFaceUp(logic_.Duel), logic_.Duel.Turn, atOnceName);
  if (logic_.ResultLine) PaintResultLine(p, *logic_.ResultLine);
}

void KorvaneWindow::MirrorExtras() {
  const DuelControls& c = logic_.Ctl;
  deckLine_->setVisible(c.Picture1.Visible && !c.Field.Visible && logic_.Game().TutorialMode == 0);
  // A tooltip from the deck selection (the pace, the album's button) does not stay over the
  // board once the duel starts.
  if (c.Field.Visible && !fieldWasShown_) QToolTip::hideText();
  fieldWasShown_ = c.Field.Visible;
  // The player's hand column of the duel starts 3 pixels down at an 81-pixel pitch, which would
  // put the fifth card's lower edge below the window: the column moves up just enough.
  int overrun = 0;
  for (const DuelControl& hand : c.PHand) {
    if (hand.Visible)
      overrun = std::max(overrun, hand.Pos.y() + hand.Size.height() - kClientHeight);
  }
  if (c.Field.Visible && overrun > 0) {
    for (int i = 0; i < kHandSize; ++i) {
      pHand_[i]->setGeometry(
          zoom_->Rect(QRect(c.PHand[i].Pos - QPoint(0, overrun), c.PHand[i].Size)));
    }
  }
  // The record label lies partly under the tutorial's button and text: while they are shown, its
  // text sits just above them, on a ground of its own.
  if (c.Label1.Visible && (c.LButton.Visible || c.LText.Visible)) {
    const int top = std::min(c.LButton.Pos.y(), c.LText.Pos.y());
    const int width = QFontMetrics(GothicFont(19, true)).horizontalAdvance(c.Label1.Caption) + 12;
    label1_->setGeometry(zoom_->Rect(QRect(c.Label1.Pos.x(), top - 24, width, 24)));
    label1_->setAlignment(Qt::AlignCenter);
    const QString ground = QStringLiteral("background: rgb(192,192,192);");
    if (label1_->styleSheet() != ground) label1_->setStyleSheet(ground);
  } else {
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (!label1_->styleSheet().isEmpty()) label1_->setStyleSheet(QString());
  }
  field_->update();
}

}  // namespace korvane
