// What the duel window's view adds over the window's own controls, without moving any of them:
// the live score in the board's top-left brick corner, the result line across the board when a
// duel ends, the preview of a placement under the pointer or the key cursor, the face of an enemy
// card that went down face down at once, the instruction line of the deck selection and the mark
// of its one-press preview. Each is painted in the board's or the hand picture's 1x pixels.
#pragma once

#include <QString>
#include <optional>

#include "duel/korvane.h"
#include "ui/placement_preview.h"

class QPainter;

namespace korvane {

// How long the face of an enemy card placed face down at once stays shown over its back.
constexpr int kAtOnceFaceMs = 900;

// "勝ち 4 対 2" / "負け" / "引き分け" (the English edition: "Won 4 to 2", "Lost", "Draw").
QString ResultText(const DuelOutcome& out);
// The score's lines: the face-up counts, whose turn it is, and the enemy's card that went down
// face down at once (empty when none).
QString ScoreCountText(FaceUpCount count);
QString TurnText(TurnState turn);
QString AtOnceText(const QString& cardName);
// The deck selection's one line of instruction.
QString DeckInstruction();
// The mark's tag on a hand slot that shows only a preview.
QString DeckPreviewTag();

// The score over the board's brick corner (1,1)-(2,1).
void PaintScore(QPainter& p, FaceUpCount count, TurnState turn, const QString& atOnceName);
// The result line across the middle of the board.
void PaintResultLine(QPainter& p, const DuelOutcome& out);
// What placing would do: the card's fields, the cards that would turn (the player's own marked
// as a warning) and the placed card itself when it would go down face down.
void PaintPlacementPreview(QPainter& p, const PlacementPreview& preview, const QImage& card);
// The face of the enemy's card over its back on (c, r).
void PaintAtOnceFace(QPainter& p, BoardSquare square, const QImage& face);
// The mark over a hand slot (81 x 81) that shows a preview, not a taken card.
void PaintDeckPreviewMark(QPainter& p);

// The preview of putting the player's selected card on `square`, when the duel allows one there.
std::optional<PlacementPreview> PreviewOf(const Korvane& k, std::optional<BoardSquare> square);

}  // namespace korvane
