// The duel window's lifecycle: opening, the opponent's stock, the set-up of a duel, the reset
// after it, leaving with "終わり" and closing (with the forfeit).
#include "duel/korvane.h"

#include <QCoreApplication>
#include <chrono>

#include "cast/cast.h"
#include "duel/hint_worker.h"
#include "duel/tutorial.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "solver/analyst.h"
#include "sound/sound.h"
#include "state/duel_record.h"
#include "state/game_state.h"
#include "state/statistics.h"
#include "ui/sprite.h"

namespace korvane {
namespace {

const QRgb kPictureBack = qRgb(192, 192, 192);  // what a cleared hand picture shows

}  // namespace

DuelControls DesignLayout() {
  DuelControls c;
  auto place = [](DuelControl& ctl, int x, int y, int w, int h, const QString& caption = {}) {
    ctl = DuelControl{false, caption, QPoint(x, y), QSize(w, h)};
  };
  place(c.Picture1, 0, 0, 569, 313);
  for (int k = 0; k <= kCardBack; ++k) {
    const int p = k % 14;
    place(c.CardPic[k], 80 * (p % 7), p < 7 ? 8 : 152, 80, 80);
  }
  for (int j = 0; j < 14; ++j) place(c.cardlabel[j], 80 * (j % 7), j < 7 ? 88 : 232, 81, 65);
  place(c.VScroll1, 568, 0, 25, 313);
  place(c.Field, 88, 0, kFieldOuter, kFieldOuter);
  place(c.Thinking, 8, 24, 145, 25, QCoreApplication::translate("Duel", "考え中・・・・・・。"));
  for (int i = 0; i < kHandSize; ++i) {
    place(c.EHand[i], 0, 80 * i, kHandPixels, kHandPixels);
    place(c.PHand[i], 144 + 88 * i, 320, kHandPixels, kHandPixels);
  }
  // Captions in the edition's language: the window is laid out afresh at every opening, and the
  // logic never compares them.
  place(c.Command1, 0, 328, 81, 33, QCoreApplication::translate("Duel", "勝負！"));
  place(c.Command2, 48, 368, 81, 33, QCoreApplication::translate("Duel", "選び直す"));
  place(c.Command4, 464, 344, 81, 33, QCoreApplication::translate("Duel", "終わり"));
  place(c.Label1, 48, 352, 409, 25, QCoreApplication::translate("Duel", "カードが足りません。"));
  place(c.LText, 96, 368, 425, 33, TutorialOpeningText());
  place(c.LButton, 8, 368, 81, 33, QCoreApplication::translate("Duel", "ふむふむ"));
  c.VScrollValue = 0;
  return c;
}

Korvane::Korvane(GameState& game, SoundSystem& sound, const CardTable& cards, Platform& platform,
                 RandomSource& rng, CardPictures& pictures)
    : game_(game),
      sound_(sound),
      cards_(cards),
      platform_(platform),
      rng_(rng),
      pictures_(pictures),
      music_(sound.CreateMusicDevice()),
      hintWorker_(std::make_unique<HintWorker>()) {
  music_->SetFileName(QStringLiteral("takahara.mid"));
  music_->OnDone = [this] { OnMusicDone(); };
  Clock = [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
  ResetCanvas();
  for (int i = 0; i < kHandSize; ++i) {
    PHandPic[i] = BlankImage(kHandPixels, kHandPixels, kPictureBack);
    EHandPic[i] = BlankImage(kHandPixels, kHandPixels, kPictureBack);
  }
}

Korvane::~Korvane() {
  hintWorker_.reset();
  RetireAnalyst();
  for (std::future<void>& f : retiring_) f.wait();
  if (music_) music_->OnDone = nullptr;
}

void Korvane::Form_Load() {
  // The controls are made afresh, all hidden; the variables keep what they held.
  Ctl = DesignLayout();
  ResetCanvas();
  for (int i = 0; i < kHandSize; ++i) {
    ClearHandPicture(PHandPic[i]);
    ClearHandPicture(EHandPic[i]);
  }
  open_ = true;
  settling_ = asking_ = enemyMoving_ = false;
  thinkingSince_.reset();
  EnemyMark.reset();
  EnemyAtOnce.reset();
  ResultLine.reset();
  PositionChanged();

  // A fresh random sequence for this opening, from the clock; the selection is cleared.
  rng_.SeedFromClock();
  Duel.SelectedSlot = -1;
  // A flip still running when the window last closed would hold the next duel back for ever.
  ClearFlipClocks();

  // The opponent's stock, music, weights and minimum stock; any other name (the
  // tutorial) keeps the stock and weights the last series left, while the music device, made
  // afresh with the window, plays its own "takahara.mid".
  const int person = OpponentIndex();
  if (person > 0) {
    OpponentStock = game_.Collections[person];
    // Each opponent's music is named after her or him: "takahara.mid".
    const std::string_view romanised = Cast(person).romanised;
    music_->SetFileName(QString::fromLatin1(romanised.data(), qsizetype(romanised.size())) +
                        QStringLiteral(".mid"));
    SetWeightsFor(game_.OpponentName.toStdString(), &Weights);
    ApplyMinimumStock();
  } else if (music_->FileName() != QStringLiteral("takahara.mid")) {
    music_->SetFileName(QStringLiteral("takahara.mid"));
  }

  Duel.PlayerHand.fill(-1);
  Duel.EnemyHand.fill(-1);
  ShowCollection();
  Duel.Turn = TurnState::Nobody;

  music_->Close();
  music_->Open();
  if (MusicOn()) music_->Play();
}

void Korvane::ApplyMinimumStock() {
  const int person = OpponentIndex();
  if (person <= 0) return;
  const bool master = game_.PlayerName.startsWith(QStringLiteral("※"));
  auto raise = [this](const StockRaise& x) {
    int16_t& count = OpponentStock[x.card];
    const bool raised = count <= x.count;
    if (raised) count = x.count;
    return raised;
  };
  for (const StockRaise& x : MinimumStockRaises(person, false)) {
    const bool raised = raise(x);
    // Card 37 comes with card 18 only while nobody's shared collection holds one. Those
    // collections lag behind her working stock during a series (she may have won 37s since),
    // so the rule only ever raises her stock to 1: it never takes a card away.
    if (person == kYokota && x.card == 18 && raised) {
      int held = 0;
      for (int p = 0; p < kPersons; ++p) held += game_.Collections[p][37];
      if (held == 0 && OpponentStock[37] < 1) OpponentStock[37] = 1;
    }
  }
  if (master) {
    for (const StockRaise& x : MinimumStockRaises(person, true)) raise(x);
  }
}

bool Korvane::Form_Unload() {
  if (!open_) return true;
  // The result is being shown, or the question is already up: that is finished first.
  if (settling_ || asking_) return false;
  // The duel has been decided and its line is up: the messages come first, at once.
  if (ResultLine) {
    resultDismissed_ = true;
    return false;
  }

  // Closing a running duel is a perfect loss.
  auto duelInProgress = [this] {
    for (int16_t id : Duel.PlayerHand) {
      if (id == -1) return false;
    }
    return Duel.EnemyHand[0] != -1;
  };
  if (duelInProgress()) {
    if (game_.TutorialMode == 0) {
      // The duel waits behind the question.
      asking_ = true;
      if (Changed) Changed();
      const bool yes =
          platform_.AskYesNo(QCoreApplication::translate("Duel", "バトル中断"),
                             QCoreApplication::translate(
                                 "Duel", "不戦敗はパーフェクト負け扱いです。よろしいですか？"));
      asking_ = false;
      if (!yes) return false;
      if (!open_) return true;
    }
    AddTo(game_.SeriesLosses, 1);
    DuelReport forfeit{OpponentIndex(), DuelResult::EnemyWon, 0, 0, true, 0, 0};
    for (int16_t id : Duel.PlayerHand) {
      if (!IsValidCardId(id)) continue;
      AddTo(OpponentStock[id], 1);
      ++forfeit.CardsLost;
    }
    for (int16_t id : Duel.EnemyHand) {
      if (IsValidCardId(id)) AddTo(OpponentStock[id], 1);
    }
    forfeit.PlayerScore = Model.Count().player;  // the record keeps the board as it stood
    forfeit.EnemyScore = Model.Count().enemy;
    Report(forfeit);
    Duel.EnemyHand.fill(-1);
  } else {
    // Chosen cards of a duel that never started go back to the player.
    for (int16_t id : Duel.PlayerHand) {
      if (IsValidCardId(id)) AddTo(game_.Collections[0][id], 1);
    }
  }
  Duel.PlayerHand.fill(-1);
  Duel.Turn = TurnState::Nobody;
  open_ = false;
  PositionChanged();
  RetireAnalyst();

  music_->Close();
  if (MusicOn() && OpponentIndex() != kHayami && adventureMusic_) {
    adventureMusic_->Open();
    adventureMusic_->Play();
  }
  // The tutorial leaves the shared collections alone.
  if (game_.TutorialMode != 0) {
    game_.TutorialMode = 0;
  } else {
    WriteBackStock();
  }
  if (OnClosed) OnClosed();
  return true;
}

bool Korvane::Unload() {
  if (!Form_Unload()) return false;
  if (RequestClose) RequestClose();
  return true;
}

void Korvane::SetUpDuel() {
  if (!open_) return;
  ClearFlipClocks();
  thinkingSince_.reset();
  EnemyMark.reset();
  EnemyAtOnce.reset();
  ResultLine.reset();
  PositionChanged();
  ResetCanvas();
  Ctl.Field.Visible = true;
  for (int i = 0; i < kHandSize; ++i) {
    Ctl.PHand[i].Pos =
        QPoint(Ctl.Field.Pos.x() + Ctl.Field.Size.width() + 8, i * Ctl.PHand[i].Size.height() + 3);
    Ctl.PHand[i].Visible = true;
    Ctl.EHand[i].Visible = true;
  }
  if (!LetEventsRun()) return;
  // Both hands face up.
  for (int i = 0; i < kHandSize; ++i) {
    ClearHandPicture(PHandPic[i]);
    ClearHandPicture(EHandPic[i]);
    if (IsValidCardId(Duel.PlayerHand[i])) {
      PaintSprite(PHandPic[i], 0, 0, 80, 80, pictures_.Card(Duel.PlayerHand[i]));
    }
    if (IsValidCardId(Duel.EnemyHand[i])) {
      PaintSprite(EHandPic[i], 0, 0, 80, 80, pictures_.EnemyCard(Duel.EnemyHand[i]));
    }
  }
  // The board of a new duel and its first turn; the painted board shows the two home squares.
  Model.Deal(Duel.PlayerHand, Duel.EnemyHand, cards_);
  DrawBoard();
  StartAnalyst();
}

void Korvane::ResetAfterDuel(bool returnHandCards) {
  if (!open_) return;
  RetireAnalyst();
  Ctl.Label1.Caption = QCoreApplication::translate("Duel", "現在%1勝%2敗")
                           .arg(game_.SeriesWins)
                           .arg(game_.SeriesLosses);
  Ctl.Label1.Visible = true;
  Ctl.Command4.Visible = true;
  // Every hand card goes home; the transfers have already been counted.
  if (returnHandCards) {
    for (int i = 0; i < kHandSize; ++i) {
      if (IsValidCardId(Duel.PlayerHand[i])) AddTo(game_.Collections[0][Duel.PlayerHand[i]], 1);
      if (IsValidCardId(Duel.EnemyHand[i])) AddTo(OpponentStock[Duel.EnemyHand[i]], 1);
    }
  }
  Ctl.Field.Visible = false;
  Ctl.Thinking.Visible = false;
  thinkingSince_.reset();
  EnemyMark.reset();
  EnemyAtOnce.reset();
  PositionChanged();
  Duel.SelectedSlot = -1;
  const DuelControls design = DesignLayout();
  for (int i = 0; i < kHandSize; ++i) {
    Ctl.PHand[i].Pos = design.PHand[i].Pos;
    Ctl.PHand[i].Visible = false;
    Ctl.EHand[i].Visible = false;
    Duel.PlayerHand[i] = -1;
    Duel.EnemyHand[i] = -1;
  }
  ShowCollection();
  Ctl.Picture1.Visible = true;
  Ctl.VScroll1.Visible = true;
  Duel.Turn = TurnState::Nobody;
  // 速水 結 and the special result end the series at once. The tutorial never leaves
  // here, whoever the last opponent was.
  if (game_.TutorialMode == 0 && (OpponentIndex() == kHayami || game_.SeriesWins == -1)) {
    Command4_Click();
  }
}

void Korvane::Command4_Click() {
  if (!open_ || !Ctl.Command4.Visible) return;
  WriteBackStock();
  Ctl.Label1.Visible = false;
  Ctl.Command4.Visible = false;
  music_->Close();
  // Form_Unload shows the adventure through OnClosed.
  Unload();
}

int Korvane::OpponentIndex() const { return PersonIndex(game_.OpponentName); }

void Korvane::Report(const DuelReport& report) {
  if (game_.TutorialMode != 0 || report.Opponent <= 0) return;
  if (OnDuelSettled) OnDuelSettled(report);
  DuelRecord r;
  for (int i = 0; i < kHandSize; ++i) {
    r.PlayerHand[i] = Duel.PlayerHand[i];
    r.EnemyHand[i] = Duel.EnemyHand[i];
  }
  r.PlayerFirst = Model.FirstTurn() != TurnState::Enemy;
  r.Moves = Model.Moves();
  r.Opponent = report.Opponent;
  r.Master = IsMasterName(game_.PlayerName);
  r.Practice = Practice;
  r.Forfeit = report.Forfeit;
  r.Result = report.Result;
  r.PlayerScore = report.PlayerScore;
  r.EnemyScore = report.EnemyScore;
  r.When = QDateTime::currentDateTimeUtc();
  LastRecord = r;
  if (OnDuelRecorded) OnDuelRecorded(r);
}

void Korvane::WriteBackStock() {
  const int person = OpponentIndex();
  if (person > 0) game_.Collections[person] = OpponentStock;
}

void Korvane::PlayEffect(const char* fileName) {
  if (sound_.Switches().EffectsOn()) sound_.PlayEffect(QString::fromLatin1(fileName));
}

bool Korvane::MusicOn() const { return sound_.Switches().MusicOn(); }

bool Korvane::LetEventsRun() {
  if (Changed) Changed();
  platform_.ProcessEvents();
  return open_;
}

void Korvane::ClearFlipClocks() {
  for (auto& column : FlipTime) column.fill(0);
}

void Korvane::StartFlips(const Flips& flips) {
  for (const Flip& f : flips) {
    FlippedCard[f.column][f.row] = f.before;
    FlipTime[f.column][f.row] = f.clock;
  }
}

bool Korvane::IsFlipRunning() const {
  for (int c = 1; c <= kBoardSize; ++c) {
    for (int r = 1; r <= kBoardSize; ++r) {
      if (FlipTime[c][r] != 0) return true;
    }
  }
  return false;
}

void Korvane::ClearHandPicture(QImage& pic) {
  if (pic.size() != QSize(kHandPixels, kHandPixels)) {
    pic = BlankImage(kHandPixels, kHandPixels, kPictureBack);
  }
  pic.fill(kPictureBack);
  if (PaintLog* log = LogOf(pic)) log->ClearTo(kPictureBack);
}

void Korvane::PaintSprite(QImage& target, int x, int y, int w, int h, const QImage& picture) {
  korvane::PaintSprite(target, pictures_.Mask(), picture, x, y, w, h);
  if (PaintLog* log = LogOf(target)) {
    log->Add({PaintOp::Kind::Sprite, pictures_.Identify(picture), RasterOp::Or, QRect(x, y, w, h)});
  }
}

void Korvane::ResetCanvas() {
  Canvas = pictures_.Board().copy();
  CanvasLog.ClearToBoard();
}

void Korvane::CombineArt(QImage& target, const QImage& picture, int x, int y, int w, int h,
                         RasterOp op) {
  Combine(target, picture, x, y, w, h, op);
  if (PaintLog* log = LogOf(target)) {
    log->Add({PaintOp::Kind::Combine, pictures_.Identify(picture), op, QRect(x, y, w, h)});
  }
}

void Korvane::RestoreBoard(int x, int y, int w, int h) {
  Combine(Canvas, pictures_.Board().copy(x, y, w, h), x, y, RasterOp::Copy);
  CanvasLog.Add({PaintOp::Kind::Restore, {ArtKind::Board, 0}, RasterOp::Copy, QRect(x, y, w, h)});
}

PaintLog* Korvane::LogOf(const QImage& target) {
  if (&target == &Canvas) return &CanvasLog;
  for (int i = 0; i < kHandSize; ++i) {
    if (&target == &PHandPic[i]) return &PHandLog[i];
    if (&target == &EHandPic[i]) return &EHandLog[i];
  }
  return nullptr;
}

void Korvane::OnMusicDone() {
  // The duel music loops while the window is open.
  if (!open_) return;
  music_->Close();
  music_->Open();
  if (MusicOn()) music_->Play();
}

}  // namespace korvane
