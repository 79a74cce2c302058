// The board and the hands, the player's click, the flip animation, the enemy's turn and the
// result of a duel.
#include <QCoreApplication>
#include <cmath>

#include "duel/korvane.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "solver/analyst.h"
#include "state/game_state.h"
#include "state/language.h"
#include "state/statistics.h"
#include "ui/sprite.h"

namespace korvane {
namespace {

// Sets a flag for the length of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }

 private:
  bool& flag_;
};

bool HoldsCode(const DuelState& s, int code) {
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (s.BoardCard[c][r] == code) return true;
    }
  }
  return false;
}

}  // namespace

void Korvane::DrawBoard() {
  StartFlips(Model.Recompute());
  PaintBoard();
}

void Korvane::PaintBoard() {
  ResetCanvas();
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      const int v = Duel.BoardCard[c][r];
      const int x = 80 * (c - 1), y = 80 * (r - 1);
      if (FlipTime[c][r] != 0) continue;  // the flip animation paints this square
      if (v == kBlockedSquare) continue;
      if (v == kFlippedPlayerCard) {
        PaintSprite(Canvas, x, y, 80, 80, pictures_.Card(kCardBack));
      } else if (v == kFlippedEnemyCard) {
        PaintSprite(Canvas, x, y, 80, 80, pictures_.EnemyCard(kCardBack));
      } else if (v == kEmptySquare) {
        // Blue OR red makes purple where both fields meet.
        if (Duel.PlayerFieldMap[c][r] > 0) {
          CombineArt(Canvas, pictures_.MyField(), x, y, 80, 80, RasterOp::Or);
        }
        if (Duel.EnemyFieldMap[c][r] > 0) {
          CombineArt(Canvas, pictures_.EnemyField(), x, y, 80, 80, RasterOp::Or);
        }
      } else if (v >= 1 && v <= kHandSize) {
        PaintSprite(Canvas, x, y, 80, 80, pictures_.Card(Duel.PlayerHand[v - 1]));
      } else if (v <= -1 && v >= -kHandSize) {
        PaintSprite(Canvas, x, y, 80, 80, pictures_.EnemyCard(Duel.EnemyHand[-v - 1]));
      }
    }
  }
  SyncPlayedHands();
}

void Korvane::SyncPlayedHands() {
  // A placed card's hand picture is hidden; that is the record of what is left to play.
  for (int i = 0; i < kHandSize; ++i) {
    if (Duel.PlayerPlayed[i]) Ctl.PHand[i].Visible = false;
    if (Duel.EnemyPlayed[i]) Ctl.EHand[i].Visible = false;
  }
}

void Korvane::PaintPlayerHands(int framedSlot) {
  for (int i = 0; i < kHandSize; ++i) {
    ClearHandPicture(PHandPic[i]);
    if (IsValidCardId(Duel.PlayerHand[i])) {
      PaintSprite(PHandPic[i], 0, 0, 80, 80, pictures_.Card(Duel.PlayerHand[i]));
    }
  }
  if (!IsValidSlot(framedSlot)) return;
  // White brackets by OR, then yellow by AND: the four corners turn yellow.
  const QImage& mask = pictures_.CornerMask();
  const QImage& frame = pictures_.CornerFrame();
  CombineArt(PHandPic[framedSlot], mask, 0, 0, mask.width(), mask.height(), RasterOp::Or);
  CombineArt(PHandPic[framedSlot], frame, 0, 0, frame.width(), frame.height(), RasterOp::And);
}

void Korvane::PHand_Click(int index) {
  // The forfeit question and the result's messages hold the duel: nothing is chosen meanwhile.
  if (!open_ || asking_ || settling_ || Duel.Turn != TurnState::Player || TutorialLocksInput()) {
    return;
  }
  // A placed card's picture is hidden and cannot be chosen again.
  if (!IsValidSlot(index) || !Ctl.PHand[index].Visible || Duel.PlayerPlayed[index]) return;
  PaintPlayerHands(index);
  Duel.SelectedSlot = static_cast<int16_t>(index);
}

void Korvane::Field_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
  if (!open_ || !Ctl.Field.Visible) return;
  // Five equal columns and rows over the board picture's outer size.
  const BoardSquare column = SquareAtPixel(x, 0, Ctl.Field.Size.width());
  const BoardSquare row = SquareAtPixel(0, y, Ctl.Field.Size.height());
  PlaceOnSquare(column.column, row.row);
}

void Korvane::PlaceOnSquare(int c, int r) {
  if (!open_ || asking_ || settling_ || !Ctl.Field.Visible || Duel.Turn != TurnState::Player) {
    return;
  }
  if (TutorialLocksInput()) return;
  if (!IsValidSlot(Duel.SelectedSlot) || Duel.PlayerPlayed[Duel.SelectedSlot]) return;
  if (!IsOnBoard(c, r)) return;
  if (Duel.BoardCard[c][r] != kEmptySquare) {
    PlayEffect("bboo.wav");
    return;
  }
  StartFlips(Model.Place(false, c, r).flips);
  PositionChanged();  // the hint's mark goes with the move
  EnemyMark.reset();  // the enemy's last card is marked until the player places again
  EnemyAtOnce.reset();
  SyncPlayedHands();
  DrawBoard();
  // The analyst works the new position out while the enemy thinks.
  if (analyst_) analyst_->Follow(Duel);
  PlayEffect("idid.wav");
  if (!LetEventsRun()) return;
  if (Duel.Turn == TurnState::Player && IsValidSlot(Duel.SelectedSlot)) {
    PaintPlayerHands(Duel.SelectedSlot);
  }
}

void Korvane::EnemyPlaces(int slot, int c, int r) {
  Duel.SelectedSlot = static_cast<int16_t>(slot);
  const MoveReport report = Model.Place(true, c, r);
  StartFlips(report.flips);
  PositionChanged();
  EnemyAtOnce.reset();
  if (report.flippedAtOnce && IsValidSlot(slot)) {
    EnemyAtOnce = Duel.EnemyHand[slot];
    EnemyAtOnceSince = Clock();
  }
  if (IsPlayable(c, r)) EnemyMark = BoardSquare{c, r};
  SyncPlayedHands();
  DrawBoard();
  if (analyst_) analyst_->Follow(Duel);  // and the player's turn while the player thinks
}

void Korvane::FlipAnime_Timer() {
  if (!open_ || asking_) return;
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      double t = FlipTime[c][r];
      const int x0 = 80 * (c - 1), y0 = 80 * (r - 1);
      const int code = Duel.BoardCard[c][r];
      if (t > 1.57) {
        // The face narrows; past the edge it shows mirrored.
        if (t > 3.0) PlayEffect("tooon.wav");
        t -= 0.5;
        FlipTime[c][r] = t;
        RestoreBoard(x0, y0, 80, 80);
        const double w = -80 * std::cos(t);
        const double x = x0 + 40 + 40 * std::cos(t);
        const int f = FlippedCard[c][r];
        const QImage& face = f >= 1 && f <= kHandSize ? pictures_.Card(Duel.PlayerHand[f - 1])
                             : f <= -1 && f >= -kHandSize
                                 ? pictures_.EnemyCard(Duel.EnemyHand[-f - 1])
                                 : pictures_.Card(kCardBack);
        PaintSprite(Canvas, static_cast<int>(std::lround(x)), y0, static_cast<int>(std::lround(w)),
                    80, face);
      } else if (t > 0 && (code == kFlippedPlayerCard || code == kFlippedEnemyCard)) {
        // The back widens, painted over the earlier frames.
        t -= 0.5;
        FlipTime[c][r] = t;
        const double w = 80 * std::cos(t);
        const double x = x0 + 40 - 40 * std::cos(t);
        const QImage& back =
            code == kFlippedPlayerCard ? pictures_.Card(kCardBack) : pictures_.EnemyCard(kCardBack);
        PaintSprite(Canvas, static_cast<int>(std::lround(x)), y0, static_cast<int>(std::lround(w)),
                    80, back);
      } else if (t < 0) {
        FlipTime[c][r] = 0;
        DrawBoard();
      }
    }
  }
}

void Korvane::Timer1_Timer() {
  if (!open_ || asking_ || enemyMoving_ || settling_) return;
  if (game_.TutorialMode != 0) return;
  if (IsFlipRunning()) return;
  SettleDuel();
  if (!open_) return;
  if (Duel.Turn != TurnState::Enemy) {
    if (thinkingSince_) Ctl.Thinking.Visible = false;
    thinkingSince_.reset();
    return;
  }
  FlagScope moving(enemyMoving_);
  if (!thinkingSince_) {
    // The label is painted before the enemy thinks.
    Ctl.Thinking.Visible = true;
    thinkingSince_ = Clock();
    if (!LetEventsRun()) return;
    if (Duel.Turn != TurnState::Enemy) {
      Ctl.Thinking.Visible = false;
      thinkingSince_.reset();
      return;
    }
  }
  // At the normal pace the label stays up for a while; the following ticks look again, and
  // the window goes on handling events meanwhile.
  if (DuelPace == Pace::Normal && Clock() - *thinkingSince_ < kThinkMs) return;
  std::optional<EnemyMove> move = ChooseMove();
  if (!move) return;  // 達人 waits for its analyst a little longer
  thinkingSince_.reset();
  EnemyPlaces(move->slot, move->column, move->row);
  Ctl.Thinking.Visible = false;
  PlayEffect("Youdid.wav");
}

// The opponent's move: the described one, or at a practice duel's strength.
std::optional<EnemyMove> Korvane::ChooseMove() {
  if (!Practice || PracticeStrength == Strength::Full) return ChooseEnemyMove(Duel, Weights, rng_);
  if (PracticeStrength == Strength::Gentle) {
    return ChooseGentleMove(Duel, Weights, rng_, mistakes_);
  }
  // 達人: perfect play from the analyst's table; while it is still solving the deal the
  // opponent thinks on, until the budget runs out and 本気's move is played instead (told once).
  if (analyst_ && analyst_->Ready()) {
    SolveLimits limits;
    limits.allBest = false;
    limits.principalLine = false;
    limits.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    const SolveResult r = analyst_->Query(Duel, limits);
    if (r.finished && !r.best.empty()) {
      return EnemyMove{r.best.front().slot, r.best.front().column, r.best.front().row};
    }
  } else if (analyst_ && Clock() - *thinkingSince_ < MasterBudgetMs) {
    return std::nullopt;
  }
  if (!MasterFellBack) {
    MasterFellBack = true;
    platform_.ShowOk(QCoreApplication::translate("Practice", "練習試合"),
                     QCoreApplication::translate(
                         "Practice", "達人の読みが間に合わないため、この手は本気の手です。"));
  }
  return ChooseEnemyMove(Duel, Weights, rng_);
}

void Korvane::TogglePace() {
  DuelPace = DuelPace == Pace::Fast ? Pace::Normal : Pace::Fast;
  if (OnPaceChosen) OnPaceChosen(DuelPace);
}

bool Korvane::PreviewAllowed() const {
  return PreviewShown && open_ && Ctl.Field.Visible && game_.TutorialMode == 0 && !asking_ &&
         !settling_ && !enemyMoving_ && Duel.Turn == TurnState::Player &&
         IsValidSlot(Duel.SelectedSlot) && !Duel.PlayerPlayed[Duel.SelectedSlot];
}

void Korvane::DismissResult() {
  if (!ResultLine) return;
  resultDismissed_ = true;
  // The line has been read: the messages follow now, not at the next tick.
  if (!enemyMoving_ && !asking_) SettleDuel();
}

void Korvane::SettleDuel() {
  if (!open_ || settling_) return;
  if (ResultLine) {
    // The duel has been decided already; its line stays up for a while.
    if (!resultDismissed_ && Clock() - resultSince_ < kResultLineMs) return;
    const DuelOutcome out = *ResultLine;
    ResultLine.reset();
    FinishDuel(out);
    return;
  }
  const std::optional<DuelOutcome> out = EndTest(Duel);
  if (!out) return;
  if (ScoreShown && game_.TutorialMode == 0) {
    ResultLine = *out;
    resultSince_ = Clock();
    resultDismissed_ = false;
    return;
  }
  FinishDuel(*out);
}

void Korvane::FinishDuel(const DuelOutcome& out) {
  DuelReport report{OpponentIndex(), out.result, out.PlayerScore, out.EnemyScore, false, 0, 0};
  {
    FlagScope settling(settling_);
    // No card changes hands against 速水 結, nor in a practice duel.
    const bool hayami = OpponentIndex() == kHayami || Practice;
    if (out.result == DuelResult::PlayerWon) {
      AddTo(game_.SeriesWins, 1);
      bool card15 = false;
      for (int16_t id : Duel.PlayerHand) card15 = card15 || id == 15;
      int held15 = 0;
      for (int p = 0; p < kPersons; ++p) held15 += game_.Collections[p][15];
      if (out.PlayerScore == 5 && out.EnemyScore == 0 && game_.TakaharaStep >= 30 && !card15 &&
          held15 == 0 && OpponentIndex() == kTakahara && !Practice) {
        game_.SeriesWins = -1;
      }
      for (int s = 0; s < kHandSize && !hayami; ++s) {
        if (!HoldsCode(Duel, -(s + 1))) report.CardsWon += TransferCard(true, s);
      }
    } else if (out.result == DuelResult::EnemyWon) {
      AddTo(game_.SeriesLosses, 1);
      for (int s = 0; s < kHandSize && !hayami; ++s) {
        if (!HoldsCode(Duel, s + 1)) report.CardsLost += TransferCard(false, s);
      }
    }
    if (Practice && out.result != DuelResult::Draw) {
      if (Changed) Changed();
      platform_.ShowOk(
          QCoreApplication::translate("Practice", "練習試合"),
          (out.result == DuelResult::PlayerWon
               ? QCoreApplication::translate("Practice", "勝ち %1 対 %2")
               : QCoreApplication::translate("Practice", "負け %1 対 %2"))
                  .arg(out.PlayerScore)
                  .arg(out.EnemyScore) +
              QCoreApplication::translate("Practice", "\n（練習試合なのでカードは移りません）"));
    }
    if (out.result == DuelResult::Draw) {
      AddTo(game_.SeriesDraws, 1);
      if (Changed) Changed();
      platform_.ShowOk(QStringLiteral("End of the Game"),
                       QCoreApplication::translate("Duel", "引き分け・・・。"));
    }
  }
  Report(report);
  ResetAfterDuel();
}

int Korvane::TransferCard(bool toPlayer, int slot) {
  const int id = toPlayer ? Duel.EnemyHand[slot] : Duel.PlayerHand[slot];
  if (!IsValidCardId(id)) return 0;
  // The card, large, over the winner's half of the board, and in the message.
  const int y = toPlayer ? 240 : 0;
  PaintSprite(Canvas, 120, y, 160, 160, toPlayer ? pictures_.Card(id) : pictures_.EnemyCard(id));
  const QString name = CardNameInEdition(QString::fromStdString(cards_.Name(id)));
  if (Changed) Changed();
  if (toPlayer) {
    platform_.ShowOk(QCoreApplication::translate("Duel", "カード入手"),
                     QCoreApplication::translate("Duel", "「%1」カードを手に入れた。").arg(name),
                     ShownCard{id, false});
    AddTo(OpponentStock[id], -1);
    AddTo(game_.Collections[0][id], 1);
  } else {
    platform_.ShowOk(QCoreApplication::translate("Duel", "カード譲渡"),
                     QCoreApplication::translate("Duel", "「%1」カードを失った。").arg(name),
                     ShownCard{id, true});
    AddTo(OpponentStock[id], 1);
    AddTo(game_.Collections[0][id], -1);
  }
  return 1;
}

}  // namespace korvane
