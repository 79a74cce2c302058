// A recorded duel looked at again, without widgets: every position from the deal to the last
// placement, the review of every placement once it has been worked out (exact values and labels,
// solver/review.h), the marks the board shows for the position in view, and "ここからやり直す":
// playing on from any position against the same opponent's evaluation. Nothing here touches the
// game's collections, counters, statistics or record: the session works on copies.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "ai/ai.h"
#include "engine/duel_model.h"
#include "engine/random.h"
#include "solver/review.h"
#include "state/duel_record.h"

namespace korvane {

class CardTable;

// The label's words in the edition's language: 最善 / 唯一 / 緩手 / 悪手 / 大悪手.
QString LabelText(MoveLabel label);
// The colour the chart's dot and the board's frame take for a label.
QColor LabelColour(MoveLabel label);

class ReviewSession {
 public:
  ReviewSession(DuelRecord record, const CardTable& cards);
  const CardTable& Cards() const { return cards_; }

  const DuelRecord& Record() const { return record_; }
  PlayedDuel Played() const;
  int Moves() const { return static_cast<int>(positions_.size()) - 1; }

  // The position in view: 0 the deal, k the position after the first k placements.
  int Step() const { return step_; }
  void GoTo(int step);
  const DuelState& Position() const;

  // The review, once it has been worked out (off the window's thread).
  void SetReview(DuelReview review);
  const std::optional<DuelReview>& Review() const { return review_; }
  // The exact value (the player's final margin with perfect play) at every step: the deal's,
  // then after each placement. Empty until reviewed.
  std::vector<int> Values() const;
  // The placement that led to the position in view (none at the deal).
  const ReviewedMove* MoveInView() const;

  // What the board marks at the position in view: the placement made there, framed in its
  // label's colour, and for one that did not keep the value, the square of the move that would
  // have (with the card's slot when it is another card on the same square).
  struct BoardMark {
    int column = 0, row = 0;
    QColor colour;
    QString tag;
  };
  std::vector<BoardMark> Marks() const;
  // One line on the placement in view: who placed what where, its label, the best alternative.
  QString MoveLine(int step) const;
  // The whole duel: outcome, counts and the player's accuracy.
  QString Summary() const;

  // --- "ここからやり直す": play on from the position in view ---
  bool Retrying() const { return retry_.has_value(); }
  void RetryFromHere();
  void StopRetrying() { retry_.reset(); }
  // The player's placement during a retry; the opponent then answers as it did in the duel
  // (its own evaluation) until it is the player's turn again or the duel is over. False when the
  // placement is refused.
  bool RetryPlace(int slot, int column, int row);
  const DuelState& RetryPosition() const { return retry_->State; }
  // The outcome once all ten cards are down.
  std::optional<DuelOutcome> RetryOutcome() const { return retryOutcome_; }

 private:
  void EnemyAnswers();

  DuelRecord record_;
  const CardTable& cards_;
  std::vector<DuelState> positions_;  // 0..Moves()
  int step_ = 0;
  std::optional<DuelReview> review_;
  std::optional<DuelModel> retry_;
  std::optional<DuelOutcome> retryOutcome_;
  AiWeights weights_;
  SeededRandom rng_{20261209};
};

}  // namespace korvane
