// Deck selection: the paged list of the player's cards, preview and take, choose again, start;
// and the album, which opens over the selection.
#include <QCoreApplication>
#include <cmath>
#include <cstdint>

#include "duel/korvane.h"
#include "engine/card_table.h"
#include "state/game_state.h"
#include "state/language.h"
#include "ui/sprite.h"

namespace korvane {

void Korvane::ShowCollection() {
  for (DuelControl& label : Ctl.cardlabel) label.Visible = false;
  const int v = Ctl.VScrollValue;
  const auto& mine = game_.Collections[0];
  for (int k = 0; k < kCardKinds; ++k) {
    if (mine[k] <= 0) {
      Ctl.CardPic[k].Visible = false;
    } else if (k >= v && k < v + 14) {
      Ctl.CardPic[k].Visible = true;
      DuelControl& label = Ctl.cardlabel[k - v];
      label.Caption = CardNameInEdition(QString::fromStdString(cards_.Name(k))) + QChar(13) +
                      QStringLiteral("×") + QString::number(mine[k]);
      label.Visible = true;
    } else {
      Ctl.CardPic[k].Visible = false;
    }
  }
  Ctl.Picture1.Visible = true;
  Ctl.VScroll1.Visible = true;
  if (game_.TotalCards(0) < kHandSize && Duel.PlayerHand[0] == -1 && game_.TutorialMode == 0) {
    Ctl.Label1.Visible = true;
    Ctl.Command4.Visible = true;
    Ctl.Field.Visible = false;
    Ctl.Picture1.Visible = false;
    Ctl.VScroll1.Visible = false;
  }
  ShowWayOutIfShort();
}

int Korvane::ChosenCount() const {
  int chosen = 0;
  for (int16_t id : Duel.PlayerHand) chosen += IsValidCardId(id) ? 1 : 0;
  return chosen;
}

// With fewer than five cards in all, chosen ones included, "勝負！" can never appear. Once the
// player has begun choosing anyway (the list stays after a lost duel), "終わり" is kept in reach
// and the label says why no duel can start; leaving gives the chosen cards back.
void Korvane::ShowWayOutIfShort() {
  if (game_.TutorialMode != 0 || Duel.EnemyHand[0] != -1) return;
  if (game_.TotalCards(0) + ChosenCount() >= kHandSize) return;
  if (Duel.PlayerHand[0] == -1 && !Ctl.Picture1.Visible) return;  // the plain "not enough" state
  Ctl.Label1.Caption = QCoreApplication::translate("Duel", "カードが足りません。");
  Ctl.Label1.Visible = true;
  Ctl.Command4.Visible = true;
}

int Korvane::NextFreeSlot() const {
  for (int i = 0; i < kHandSize; ++i) {
    if (Duel.PlayerHand[i] == -1) return i;
  }
  return -1;
}

void Korvane::CardPic_MouseDown(int index, int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
  if (!open_ || !Ctl.Picture1.Visible || index < 0 || index >= kCardKinds ||
      !Ctl.CardPic[index].Visible || TutorialLocksInput()) {
    return;
  }
  // The first press after a settled duel starts the next selection.
  if (Ctl.Command4.Visible) {
    Ctl.Label1.Visible = false;
    Ctl.Command4.Visible = false;
    ApplyMinimumStock();
    ShowWayOutIfShort();
  }
  // A preview in the next free slot; nothing is taken yet.
  const int n = NextFreeSlot();
  if (n < 0) return;
  PlayEffect("mmyw.wav");
  Ctl.PHand[n].Visible = true;
  if (!LetEventsRun()) return;
  if (Duel.PlayerHand[n] != -1) return;  // taken meanwhile: the slot shows its own card
  ClearHandPicture(PHandPic[n]);
  PaintSprite(PHandPic[n], 0, 0, 80, 80, pictures_.Card(index));
}

void Korvane::CardPic_DblClick(int index) {
  if (!open_ || !Ctl.Picture1.Visible || index < 0 || index >= kCardKinds ||
      !Ctl.CardPic[index].Visible || TutorialLocksInput()) {
    return;
  }
  // Five cards chosen, or nothing to take (a picture shown only as an example).
  const int n = NextFreeSlot();
  if (n < 0 || game_.Collections[0][index] <= 0) return;
  PlayEffect("mmyw2.wav");
  Duel.PlayerHand[n] = static_cast<int16_t>(index);
  AddTo(game_.Collections[0][index], -1);
  // The press before a double-click has painted the card already; paint it anyway.
  Ctl.PHand[n].Visible = true;
  ClearHandPicture(PHandPic[n]);
  PaintSprite(PHandPic[n], 0, 0, 80, 80, pictures_.Card(index));
  ShowCollection();
  if (n == kHandSize - 1) {
    Ctl.Command1.Visible = true;
    Ctl.Command2.Visible = true;
  }
}

void Korvane::VScroll1_Change(int value) {
  if (!open_ || !Ctl.VScroll1.Visible || TutorialLocksInput()) return;
  // Snap to the first card of a page: 0 to 6 give 0, 7 to 20 give 14, 21 to 28 give 28.
  const long nearest = std::lround(value + 6.9);
  int v = static_cast<int>(nearest / 14) * 14;
  if (v < 0) v = 0;
  if (v > 28) v = 28;
  Ctl.VScrollValue = v;
  ShowCollection();
}

void Korvane::Command2_Click() {
  if (!open_ || !Ctl.Command2.Visible) return;
  GiveBackChosen();
}

bool Korvane::CanGiveBackChosen() const {
  if (!open_ || !Ctl.Picture1.Visible || Ctl.Field.Visible || TutorialLocksInput()) return false;
  if (game_.TutorialMode != 0 || Duel.EnemyHand[0] != -1) return false;
  // Cards taken, or a preview showing in the first free slot.
  for (const DuelControl& hand : Ctl.PHand) {
    if (hand.Visible) return true;
  }
  return false;
}

void Korvane::ChooseAgain() {
  if (CanGiveBackChosen()) GiveBackChosen();
}

void Korvane::GiveBackChosen() {
  for (int i = 0; i < kHandSize; ++i) {
    if (IsValidCardId(Duel.PlayerHand[i])) AddTo(game_.Collections[0][Duel.PlayerHand[i]], 1);
    Duel.PlayerHand[i] = -1;
    Ctl.PHand[i].Visible = false;
  }
  Ctl.Command1.Visible = false;
  Ctl.Command2.Visible = false;
  ShowCollection();
}

void Korvane::Command1_Click() {
  if (!open_ || !Ctl.Command1.Visible || NextFreeSlot() != -1) return;
  // The list and the buttons go first, so that nothing of the selection can be clicked while
  // the duel is being set up.
  Ctl.Command1.Visible = false;
  Ctl.Command2.Visible = false;
  Ctl.VScroll1.Visible = false;
  Ctl.Picture1.Visible = false;
  ChooseEnemyHand(Duel.EnemyHand, OpponentStock, game_.OpponentName.toStdString(), rng_);
  SetUpDuel();
}

// --- The album over the deck selection ---

bool Korvane::AlbumAllowed() const {
  return open_ && Ctl.Picture1.Visible && !Ctl.Field.Visible && game_.TutorialMode == 0 &&
         !settling_ && !asking_ && !enemyMoving_ && Duel.Turn == TurnState::Nobody;
}

GameState Korvane::AlbumState() const {
  GameState shown = game_;
  for (int16_t id : Duel.PlayerHand) {
    // Shown only: a count at its limit stays there rather than stopping the game.
    if (IsValidCardId(id) && shown.Collections[0][id] < INT16_MAX) ++shown.Collections[0][id];
  }
  const int person = OpponentIndex();
  if (person > 0) shown.Collections[person] = OpponentStock;
  return shown;
}

}  // namespace korvane
