#include "duel/tutorial.h"

#include <QCoreApplication>
#include <algorithm>

#include "duel/korvane.h"
#include "engine/rules.h"
#include "sound/sound.h"
#include "state/game_state.h"
#include "state/language.h"

namespace korvane {

namespace {

using K = TutorialStepKind;

constexpr TutorialStep Say(int16_t page, const char* text) {
  return {.page = page, .kind = K::Text, .text = text};
}
constexpr TutorialStep Do(int16_t page, K kind) { return {.page = page, .kind = kind}; }
// A player move: hand slot, click position in board pixels, and the square it lands on.
constexpr TutorialStep Player(int16_t page, int16_t slot, int16_t x, int16_t y, int16_t column,
                              int16_t row) {
  return {.page = page,
          .kind = K::PlayerMove,
          .slot = slot,
          .x = x,
          .y = y,
          .column = column,
          .row = row};
}
constexpr TutorialStep Enemy(int16_t page, int16_t slot, int16_t column, int16_t row) {
  return {.page = page, .kind = K::EnemyMove, .slot = slot, .column = column, .row = row};
}

// Page by page, each page's actions in the order they happen.
constexpr TutorialStep kScript[] = {
    Say(1,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "ＫＯＲＶＡＮＥはカードゲームの名前です。このゲームはこのカードゲームを中心に展開されて"
            "いきますので、ルールを説明しましょう。")),
    Say(2, QT_TRANSLATE_NOOP(
               "Tutorial", "他人と出会って、勝負をすることで合意すると、まずこの画面になります。")),
    Say(3, QT_TRANSLATE_NOOP(
               "Tutorial",
               "この画面では、持っているカードが表示され、勝負には５枚を選んで使います。")),
    Say(4, QT_TRANSLATE_NOOP("Tutorial", "例えば、これらのカードを持っていたとします")),
    Do(4, K::ExampleList),
    Say(5, QT_TRANSLATE_NOOP("Tutorial",
                             "ここで、×2というのは、同じカードを二枚持っていることを意味します。")),
    Say(6, QT_TRANSLATE_NOOP(
               "Tutorial",
               "ダブルクリックで使うカードを決定し、｢勝負！｣ボタンを押すとゲームが始まります。")),
    Say(7,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "決定し直したい場合は、５枚カードを選んだ後、「選び直す」ボタンを押すともう一度選び直せ"
            "ます。")),
    // The first example: the player holds more "×" sides and moves first.
    Say(8, QT_TRANSLATE_NOOP("Tutorial", "さて、ゲームを始めましょう。")),
    Do(8, K::FirstExample),
    Say(9, QT_TRANSLATE_NOOP("Tutorial",
                             "カードは、その四方に数字、文字、または記号を持っています。")),
    Say(10,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "このカードを使って､根本的には陣の取り合いをします。陣のことをフィールドといいます。")),
    Say(11,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "自分のフィールドは青く、敵のフィールドは赤く表示され、両方のフィールドが交錯したところ"
            "は混ざって紫になります。")),
    Say(12, QT_TRANSLATE_NOOP("Tutorial",
                              "また、自分に一番近いマスは最初から自分のフィールドになっています。有"
                              "効に使いましょう。")),
    Player(13, 0, 200, 150, 3, 2),
    Do(13, K::NobodysTurn),
    Say(13,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "まず、×というのは、全く能力を持たないことを意味します。また、先攻後攻を決める要素にも"
            "なり、×をより多く持つ方が先手をうちます。今回はプレイヤーが先手です。")),
    Say(14, QT_TRANSLATE_NOOP("Tutorial", "×をおいてもあまり良いことは起こりません。")),
    Say(15, QT_TRANSLATE_NOOP("Tutorial", "先手がカードを置いたら、次は後手の番です。")),
    Say(16,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "数字の場合は、カードを置いた場所から、数字のある向きに数字の分だけのフィールドを作る"
            "ことが出来ます。")),
    Enemy(16, 1, 2, 3),
    Say(17,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "そして、相手のカードがある場所に自分のフィールドを作ると、相手のカードを裏返すことが"
            "出来ます。")),
    Player(18, 2, 20, 200, 1, 3),  // its right side reaches (2, 3) and flips the enemy's card
    Say(19, QT_TRANSLATE_NOOP(
                "Tutorial",
                "ひっくり返ったカードは完全に能力を失い、作っていたフィールドが消えます。")),
    Say(20,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "このようにして、自分のカードが多くひっくり返されずに残っていた方が勝ちとなります。")),
    Say(21, QT_TRANSLATE_NOOP("Tutorial",
                              "勝った方は、ひっくり返した相手のカードを奪うことが出来ます。")),
    // The second example: split, arc and bomb.
    Say(22, QT_TRANSLATE_NOOP("Tutorial", "では、カードの特殊な能力の話をしましょう。")),
    Do(22, K::SecondExample),
    Enemy(23, 1, 3, 2),
    Say(23,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "ｓはスプリットと読み、これは目の前のひとマスを飛ばしてその後ろを攻撃する能力です。")),
    Player(24, 2, 200, 250, 3, 4),
    Say(25, QT_TRANSLATE_NOOP("Tutorial", "見てもわかるように、目の前は死角になっています。")),
    Enemy(25, 3, 3, 3),
    Say(26,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "Ａはアークと読み、斜めも合わせて３マスを攻撃することが出来ます。これが入ってくると、"
            "より深く考える必要性が出てきます。")),
    Player(27, 3, 150, 150, 2, 2),
    Say(28, QT_TRANSLATE_NOOP("Tutorial", "Ｂはボムと読みます。これが一番複雑です。")),
    Say(29, QT_TRANSLATE_NOOP(
                "Tutorial",
                "スプリットの攻撃範囲にその周辺のマス4マスを加えた5マスが攻撃範囲になります。")),
    Say(30, QT_TRANSLATE_NOOP("Tutorial", "ボムは他の文字と違う特徴をその他に２つ持っています。")),
    Say(31, QT_TRANSLATE_NOOP("Tutorial", "一つは、味方を巻き込んでしまうこと。")),
    Enemy(31, 4, 2, 3),
    Player(31, 0, 250, 200, 4, 3),
    Enemy(31, 2, 2, 4),
    Player(32, 4, 200, 350, 3, 5),  // the bomb from the player's home square
    Say(33,
        QT_TRANSLATE_NOOP(
            "Tutorial",
            "また、この構図ではわかりませんが、ボムは、敵をひっくり返すことが出来ても、フィールドを"
            "作ることが出来ません。そこにも注意が必要です。")),
    Say(34, QT_TRANSLATE_NOOP("Tutorial", "以上、簡単ながら説明を終わります。")),
    Do(35, K::Close),
};

// Every scripted click lands on the square its step names, as the board click divides the board.
constexpr bool ClicksLandOnTheirSquares() {
  for (const TutorialStep& step : kScript) {
    if (step.kind != K::PlayerMove) continue;
    const BoardSquare at = SquareAtPixel(step.x, step.y, kFieldOuter);
    if (at.column != step.column || at.row != step.row) return false;
  }
  return true;
}
static_assert(ClicksLandOnTheirSquares());

// The table must stay in page order for TutorialPageSteps.
constexpr bool InPageOrder() {
  for (size_t i = 1; i < std::size(kScript); ++i) {
    if (kScript[i].page < kScript[i - 1].page) return false;
  }
  return true;
}
static_assert(InPageOrder());

}  // namespace

QString TutorialOpeningText() {
  return QCoreApplication::translate(
      "Tutorial", "ＫＯＲＶＡＮＥの説明を始めます。ふむふむボタンを押してください。");
}

std::span<const TutorialStep> TutorialScript() { return kScript; }

std::span<const TutorialStep> TutorialPageSteps(int page) {
  auto first = std::find_if(std::begin(kScript), std::end(kScript),
                            [page](const TutorialStep& s) { return s.page == page; });
  auto last = std::find_if(first, std::end(kScript),
                           [page](const TutorialStep& s) { return s.page != page; });
  return {first, last};
}

QString ExampleCaption(const ExampleListCard& card) {
  return CardNameInEdition(QString::fromUtf8(card.name)) + QChar(13) + QStringLiteral("×2");
}

void TutorialStage::Perform(int page) {
  busy_ = true;
  for (const TutorialStep& step : TutorialPageSteps(page)) {
    if (!IsOpen()) break;
    switch (step.kind) {
      case K::Text:
        ShowText(QCoreApplication::translate("Tutorial", step.text));
        break;
      case K::ExampleList:
        ShowExampleList(kExampleList);
        break;
      case K::FirstExample:
        StartFirstExample(kFirstExampleHands);
        break;
      case K::SecondExample:
        StartSecondExample(kSecondExampleHands);
        break;
      case K::PlayerMove:
        PlayerMove(step.slot, step.x, step.y);
        break;
      case K::NobodysTurn:
        SetTurn(TurnState::Nobody);
        break;
      case K::EnemyMove:
        EnemyMove(step.slot, step.column, step.row);
        break;
      case K::Close:
        CloseWindow();
        break;
    }
  }
  busy_ = false;
}

void LButton_Click(GameState& game, TutorialStage& stage) {
  // A click still queued when the window has closed finds the tutorial over.
  if (game.TutorialMode == 0 || stage.Busy()) return;
  stage.Perform(game.TutorialPage);
  AddTo(game.TutorialPage, 1);
}

namespace {

// The script on the real window: every action is one of the window's ordinary operations.
class KorvaneStage : public TutorialStage {
 public:
  KorvaneStage(Korvane& window, SoundSystem& sound) : w_(window), sound_(sound) {}

  void ShowText(const QString& text) override { w_.Ctl.LText.Caption = text; }

  void ShowExampleList(std::span<const ExampleListCard> cards) override {
    // Each card at its own place of the first list page, its caption under it.
    for (const ExampleListCard& card : cards) {
      w_.Ctl.CardPic[card.card].Visible = true;
      DuelControl& label = w_.Ctl.cardlabel[card.card];
      label.Caption = ExampleCaption(card);
      label.Visible = true;
    }
  }

  void StartFirstExample(const ExampleHands& hands) override {
    w_.Ctl.Picture1.Visible = false;
    w_.Ctl.VScroll1.Visible = false;
    Deal(hands);
  }

  void StartSecondExample(const ExampleHands& hands) override {
    // The first example's cards were never taken from anybody: nothing goes back.
    w_.ResetAfterDuel(/*returnHandCards=*/false);
    if (!w_.IsOpen()) return;
    w_.Ctl.VScroll1.Visible = false;
    w_.Ctl.Picture1.Visible = false;
    w_.Ctl.Command4.Visible = false;
    Deal(hands);
  }

  void PlayerMove(int slot, int x, int y) override {
    w_.Duel.SelectedSlot = static_cast<int16_t>(slot);
    w_.TutorialScriptMove = true;
    w_.Field_MouseDown(1, 0, x, y);
    w_.TutorialScriptMove = false;
  }

  void SetTurn(TurnState turn) override { w_.Duel.Turn = turn; }

  void EnemyMove(int slot, int column, int row) override {
    if (sound_.Switches().EffectsOn()) sound_.PlayEffect(QStringLiteral("Youdid.wav"));
    w_.EnemyPlaces(slot, column, row);
  }

  void CloseWindow() override { w_.Unload(); }

  bool IsOpen() const override { return w_.IsOpen() && w_.Game().TutorialMode != 0; }

 private:
  void Deal(const ExampleHands& hands) {
    w_.Duel.PlayerHand = hands.Player;
    w_.Duel.EnemyHand = hands.Enemy;
    for (DuelControl& pic : w_.Ctl.PHand) pic.Visible = true;
    w_.SetUpDuel();
  }

  Korvane& w_;
  SoundSystem& sound_;
};

}  // namespace

std::unique_ptr<TutorialStage> MakeKorvaneStage(Korvane& window, SoundSystem& sound) {
  return std::make_unique<KorvaneStage>(window, sound);
}

void ShowTutorialControls(Korvane& window, SoundSystem& sound) {
  std::shared_ptr<TutorialStage> stage = MakeKorvaneStage(window, sound);
  GameState& game = window.Game();
  window.LButtonHandler = [stage, &game] { LButton_Click(game, *stage); };
  window.Ctl.LText.Caption = TutorialOpeningText();
  window.Ctl.LText.Visible = true;
  window.Ctl.LButton.Visible = true;
  if (window.Changed) window.Changed();
}

bool Korvane::TutorialLocksInput() const { return game_.TutorialMode != 0 && !TutorialScriptMove; }

}  // namespace korvane
