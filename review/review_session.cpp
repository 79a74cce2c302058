#include "review/review_session.h"

#include <QCoreApplication>
#include <algorithm>

#include "cast/cast.h"
#include "engine/card_table.h"
#include "state/game_state.h"
#include "state/language.h"

namespace korvane {
namespace {

const char* const kLabels[] = {
    QT_TRANSLATE_NOOP("Review", "最善"), QT_TRANSLATE_NOOP("Review", "唯一"),
    QT_TRANSLATE_NOOP("Review", "緩手"), QT_TRANSLATE_NOOP("Review", "悪手"),
    QT_TRANSLATE_NOOP("Review", "大悪手")};

QString Tr(const char* text) { return QCoreApplication::translate("Review", text); }

// The square and card of a placement as the player reads them.
QString Where(const Placement& m) { return QStringLiteral("(%1,%2)").arg(m.column).arg(m.row); }

}  // namespace

QString LabelText(MoveLabel label) { return Tr(kLabels[static_cast<int>(label)]); }

QColor LabelColour(MoveLabel label) {
  switch (label) {
    case MoveLabel::Best:
      return QColor(0, 170, 80);
    case MoveLabel::Only:
      return QColor(0, 120, 220);
    case MoveLabel::Inaccuracy:
      return QColor(230, 170, 0);
    case MoveLabel::Mistake:
      return QColor(240, 110, 0);
    case MoveLabel::Blunder:
      return QColor(210, 20, 20);
  }
  return Qt::gray;
}

ReviewSession::ReviewSession(DuelRecord record, const CardTable& cards)
    : record_(std::move(record)), cards_(cards) {
  DuelState s = DealOf(Played(), cards_);
  positions_.push_back(s);
  for (const Placement& m : record_.Moves) {
    // A record that cannot be played on stops where it stops (the file is read, not trusted).
    if (!IsLegalPlacement(s, m)) break;
    PlayPlacement(s, m);
    positions_.push_back(s);
  }
  SetWeightsFor(Cast(record_.Opponent).name, &weights_);
}

PlayedDuel ReviewSession::Played() const {
  PlayedDuel d;
  d.player = record_.PlayerHand;
  d.enemy = record_.EnemyHand;
  d.playerFirst = record_.PlayerFirst;
  // The placements that could be played through (all of them in a sound record).
  const size_t legal = positions_.empty() ? record_.Moves.size() : positions_.size() - 1;
  d.moves.assign(record_.Moves.begin(), record_.Moves.begin() + legal);
  return d;
}

void ReviewSession::GoTo(int step) {
  step_ = std::clamp(step, 0, Moves());
  retry_.reset();
  retryOutcome_.reset();
}

const DuelState& ReviewSession::Position() const { return positions_[step_]; }

void ReviewSession::SetReview(DuelReview review) {
  if (static_cast<int>(review.moves.size()) == Moves()) review_ = std::move(review);
}

std::vector<int> ReviewSession::Values() const {
  std::vector<int> values;
  if (!review_) return values;
  values.push_back(review_->moves.empty() ? 0 : review_->moves.front().bestValue);
  for (const ReviewedMove& m : review_->moves) values.push_back(m.value);
  return values;
}

const ReviewedMove* ReviewSession::MoveInView() const {
  if (!review_ || step_ == 0) return nullptr;
  return &review_->moves[step_ - 1];
}

std::vector<ReviewSession::BoardMark> ReviewSession::Marks() const {
  std::vector<BoardMark> marks;
  const ReviewedMove* m = MoveInView();
  if (!m) return marks;
  marks.push_back({m->move.column, m->move.row, LabelColour(m->label), LabelText(m->label)});
  if (m->alternative) {
    const Placement& a = *m->alternative;
    QString tag = LabelText(MoveLabel::Best);
    // The same square with another card: the card is named by its place in the hand.
    if (a.column == m->move.column && a.row == m->move.row) {
      tag += QCoreApplication::translate("Review", "：%1枚目").arg(a.slot + 1);
      marks.back().tag = LabelText(m->label);
    }
    marks.push_back({a.column, a.row, LabelColour(MoveLabel::Best), tag});
  }
  return marks;
}

QString ReviewSession::MoveLine(int step) const {
  if (step <= 0 || step > Moves()) return {};
  const Placement& m = record_.Moves[step - 1];
  const auto& hand = m.enemy ? record_.EnemyHand : record_.PlayerHand;
  const QString card = CardNameInEdition(QString::fromStdString(cards_.Name(hand[m.slot])));
  QString line = (m.enemy ? QCoreApplication::translate("Review", "%1. 相手：「%2」を%3")
                          : QCoreApplication::translate("Review", "%1. あなた：「%2」を%3"))
                     .arg(step)
                     .arg(card, Where(m));
  if (!review_) return line;
  const ReviewedMove& r = review_->moves[step - 1];
  line += QStringLiteral("　") + LabelText(r.label);
  if (r.alternative) {
    const QString best =
        CardNameInEdition(QString::fromStdString(cards_.Name(hand[r.alternative->slot])));
    line += QCoreApplication::translate("Review", "（最善は「%1」を%2）")
                .arg(best, Where(*r.alternative));
  }
  return line;
}

QString ReviewSession::Summary() const {
  const QString outcome =
      record_.Forfeit                           ? QCoreApplication::translate("Review", "不戦敗")
      : record_.Result == DuelResult::PlayerWon ? QCoreApplication::translate("Review", "勝ち")
      : record_.Result == DuelResult::EnemyWon  ? QCoreApplication::translate("Review", "負け")
                                               : QCoreApplication::translate("Review", "引き分け");
  QString text = QCoreApplication::translate("Review", "%1戦　%2 %3 対 %4")
                     .arg(PersonNameInEdition(PersonName(record_.Opponent)), outcome)
                     .arg(record_.PlayerScore)
                     .arg(record_.EnemyScore);
  if (review_) {
    if (const std::optional<double> a = review_->Accuracy()) {
      text += QCoreApplication::translate("Review", "\n正確さ %1%（悪手 %2、大悪手 %3）")
                  .arg(qRound(*a * 100))
                  .arg(review_->mistakes)
                  .arg(review_->blunders);
    }
  }
  return text;
}

void ReviewSession::RetryFromHere() {
  retry_.emplace();
  retry_->State = Position();
  retryOutcome_.reset();
  EnemyAnswers();
}

bool ReviewSession::RetryPlace(int slot, int column, int row) {
  if (!retry_ || retryOutcome_ || retry_->State.Turn != TurnState::Player) return false;
  if (!retry_->PlaceOn(slot, column, row).Placed()) return false;
  EnemyAnswers();
  return true;
}

void ReviewSession::EnemyAnswers() {
  DuelModel& duel = *retry_;
  while (duel.State.Turn == TurnState::Enemy) {
    // A duel whose ten cards are all down ends here, whoever the turn names.
    if (std::optional<DuelOutcome> end = duel.EndTest()) {
      retryOutcome_ = end;
      return;
    }
    const EnemyMove m = ChooseEnemyMove(duel.State, weights_, rng_);
    if (!duel.PlaceOn(m.slot, m.column, m.row).Placed()) break;
  }
  if (std::optional<DuelOutcome> end = duel.EndTest()) retryOutcome_ = end;
}

}  // namespace korvane
