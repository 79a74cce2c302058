// The game with a controller, through SDL's virtual joystick, on the real windows (offscreen):
// a new game played by the pad alone to the end of its first duel series (the name from the
// on-screen letters, the map, the dialogue, the question, the decks, every duel, the game's own
// message boxes), and a pad that comes and goes while a duel is open. The test looks at the
// game's state to choose the next button, as a player looks at the screen; the adventure's timer
// is ticked by the test, the duel's run on their own, and waits are on conditions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <map>

#include "adventure/adv_window.h"
#include "cast/cast.h"
#include "duel/korvane_window.h"
#include "state/statistics.h"
#include "tests/support/adventure_actions.h"
#include "tests/support/board_text.h"
#include "tests/support/test_game.h"
#include "tests/support/virtual_pad.h"
#include "ui/controller.h"
#include "ui/name_picker.h"

namespace korvane {
namespace {

using test::VirtualPad;

// The event loop until `done`, for at most `ms`: it wakes for the timers (the controller's poll,
// the duel's, the thumb's), never sleeps a fixed time.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return true;
}

// The player's thumb on the pad: one button at a time pressed, and let go once the controller
// has delivered the press to a window (and the next only once the release has come too). A
// message box runs an event loop of its own, out of the test's reach: while one is up and nothing
// else is to be pressed, the thumb presses A on it by itself.
class Thumb : public QObject {
 public:
  Thumb() {
    qApp->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
    timer_.start(2);
  }
  void Queue(int button) { queue_.push_back(button); }
  bool Idle() const { return queue_.empty() && !down_ && !up_; }

  VirtualPad* pad = nullptr;
  std::vector<std::pair<int, bool>> keys;  // each key the controller delivered, pressed or not

 protected:
  bool eventFilter(QObject* to, QEvent* e) override {
    const QEvent::Type t = e->type();
    if (!Controller::Delivering() ||
        (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride)) {
      return false;
    }
    ++delivered_;
    // Logged at the key's receiver (the parents it goes on to, and the shortcuts, see it too).
    if (t != QEvent::ShortcutOverride && to == QGuiApplication::focusObject())
      keys.emplace_back(static_cast<QKeyEvent*>(e)->key(), t == QEvent::KeyPress);
    return false;
  }

 private:
  void Step() {
    if (!pad) return;
    if (down_) {
      // Pressed: let go once the key has reached a window.
      if (delivered_ == seen_) return;
      pad->Button(*down_, false);
      up_ = down_;
      down_.reset();
      return;
    }
    // Let go: done once the controller has read it (the key goes to whichever window is then
    // in front).
    if (up_ && pad->Held(*up_)) return;
    up_.reset();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (queue_.empty() && box && box != answered_ && box->isActiveWindow()) {
      answered_ = box;
      queue_.push_back(SDL_CONTROLLER_BUTTON_A);
    }
    if (queue_.empty()) return;
    down_ = queue_.front();
    queue_.pop_front();
    seen_ = delivered_;
    pad->Button(*down_, true);
  }

  QTimer timer_;
  std::deque<int> queue_;
  std::optional<int> down_, up_;  // the button held, or let go and not yet read
  int delivered_ = 0, seen_ = 0;
  QPointer<QMessageBox> answered_;
};

class PadGameTest : public test::GameTest {
 protected:
  explicit PadGameTest(bool messageBoxes) : GameTest(WithWindows(messageBoxes)) {}
  static test::TestGame::Options WithWindows(bool messageBoxes) {
    test::TestGame::Options options;
    options.windows = true;
    options.messageBoxes = messageBoxes;
    return options;
  }
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GameTest::SetUp());
    ASSERT_TRUE(controller.Available());
    window = game->Window();
    adv->Form_Load();
    window->Sync();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  // A pad plugged in; the controller sees it at its next poll (at once when it has not polled
  // yet: a pad attached as the game starts).
  void Plug() {
    pad = std::make_unique<VirtualPad>();
    thumb.pad = pad.get();
    ASSERT_TRUE(pad->Ok());
    ASSERT_TRUE(WaitUntil([this] { return controller.Connected() == 1; }));
  }

  // A key as the player gives it: with the pad, the button that stands for it (false when it
  // did not reach a window); else from the keyboard, to the control with the focus.
  bool Press(int key) {
    if (!byPad) {
      QWidget* to =
          QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
      if (!to) return false;
      QTest::keyClick(to, static_cast<Qt::Key>(key));
      return true;
    }
    static const std::map<int, int> buttons = {
        {Qt::Key_Return, SDL_CONTROLLER_BUTTON_A},
        {Qt::Key_Escape, SDL_CONTROLLER_BUTTON_B},
        {Qt::Key_Tab, SDL_CONTROLLER_BUTTON_BACK},
        {Qt::Key_PageUp, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
        {Qt::Key_PageDown, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
        {Qt::Key_Up, SDL_CONTROLLER_BUTTON_DPAD_UP},
        {Qt::Key_Down, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
        {Qt::Key_Left, SDL_CONTROLLER_BUTTON_DPAD_LEFT},
        {Qt::Key_Right, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    };
    thumb.Queue(buttons.at(key));
    return WaitUntil([this] { return thumb.Idle(); });
  }

  // One tick of the adventure's timer, and the window brought up to date with it.
  void ViewTick() {
    adv->Timer1_Timer();
    window->Sync();
  }
  // The adventure's timer until the engine waits for the player (a message typed out, a
  // question, the map) or a duel has taken the screen; the messages are kept as they come.
  void RunAdventure() {
    for (int n = 0; n < 3000 && adv->WindowVisible(); ++n) {
      const bool typing = adv->MessageLabelCaption() != adv->MessageText();
      const bool stepDue = adv->MessageText().isEmpty() && adv->CurrentPlace() >= 0;
      if (!typing && !stepDue) break;
      ViewTick();
    }
    if (!adv->MessageText().isEmpty() && (read.empty() || read.back() != adv->MessageText())) {
      read.push_back(adv->MessageText());
    }
  }
  // Through the dialogue with A, until a question, the map or a duel.
  void ReadOn() {
    for (int n = 0; n < 80; ++n) {
      RunAdventure();
      if (!adv->WindowVisible() || adv->OnTownMap() || adv->Choiser(0).visible) return;
      ASSERT_TRUE(Press(Qt::Key_Return));
    }
    FAIL() << "the dialogue did not end";
  }

  // Into a place from the map: Back (Tab) moves the map's cursor until the place names itself.
  void Enter(int place) {
    ASSERT_TRUE(adv->OnTownMap());
    for (int n = 0; n < 9 && adv->MessageText() != adv->PlaceText(place); ++n)
      ASSERT_TRUE(Press(Qt::Key_Tab));
    ASSERT_EQ(adv->MessageText(), adv->PlaceText(place));
    ASSERT_TRUE(Press(Qt::Key_Return));
    ASSERT_EQ(adv->CurrentPlace(), place);
  }

  // The duel window once it has the keyboard.
  void AwaitDuelWindow() {
    ASSERT_TRUE(WaitUntil([this] { return game->DuelWindow() && duel->IsOpen(); }));
    w = game->DuelWindow();
    ASSERT_TRUE(WaitUntil([this] { return w && w->isActiveWindow(); }));
  }
  // Arrows until the board cursor is on `to`; the first arrow only shows it.
  void BoardTo(BoardSquare to) {
    for (int n = 0; n < 12 && w->Keys().BoardCursor() != to; ++n) {
      const std::optional<BoardSquare> at = w->Keys().BoardCursor();
      ASSERT_TRUE(Press(!at || at->row > to.row  ? Qt::Key_Up
                        : at->row < to.row       ? Qt::Key_Down
                        : at->column > to.column ? Qt::Key_Left
                                                 : Qt::Key_Right));
    }
    ASSERT_EQ(w->Keys().BoardCursor(), to);
  }
  // The player's move: PageDown (RB) to the next card in hand, the arrows to the first empty
  // square, Enter (A) places it there.
  void Move() {
    const DuelState& d = duel->Duel;
    for (int n = 0;
         n < kHandSize && (!IsValidSlot(d.SelectedSlot) || d.PlayerPlayed[d.SelectedSlot]); ++n)
      ASSERT_TRUE(Press(Qt::Key_PageDown));
    ASSERT_TRUE(IsValidSlot(d.SelectedSlot) && !d.PlayerPlayed[d.SelectedSlot]);
    const test::Square to = test::FirstEmptySquare(d);
    ASSERT_NO_FATAL_FAILURE(BoardTo({to.column, to.row}));
    ASSERT_TRUE(Press(Qt::Key_Return));
    EXPECT_NE(d.BoardCard[to.column][to.row], kEmptySquare);
  }
  // The player's turn with a card in hand and nothing flipping, or the duel over (the board
  // gone): true then.
  bool AwaitTurn() {
    const bool ok = WaitUntil(
        [this] {
          const DuelState& d = duel->Duel;
          return !duel->Ctl.Field.Visible ||
                 (d.Turn == TurnState::Player && !duel->IsFlipRunning() &&
                  test::FirstUnplayedSlot(d) < kHandSize);
        },
        20000);
    EXPECT_TRUE(ok) << "the duel stopped";
    return !ok || !duel->Ctl.Field.Visible;
  }

  Controller controller;
  Thumb thumb;
  std::unique_ptr<VirtualPad> pad;
  bool byPad = true;
  ADVKorvaneWindow* window = nullptr;
  QPointer<KorvaneWindow> w;
  std::vector<QString> read;  // the adventure's messages, as they were read
};

class PadPlaythroughTest : public PadGameTest {
 protected:
  PadPlaythroughTest() : PadGameTest(true) {}
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Plug());
    ASSERT_NO_FATAL_FAILURE(PadGameTest::SetUp());
  }

  // The name from the on-screen letters: RB turns the table, the D-pad walks to each letter
  // (round the edges, over empty cells), A types it; then A on 決定.
  void PickName(const QString& name) {
    QPointer<NamePicker> picker = window->findChild<NamePicker*>(QStringLiteral("NamePicker"));
    ASSERT_TRUE(picker) << "the picker did not open by itself";
    ASSERT_TRUE(WaitUntil([&] { return picker->isActiveWindow(); }));
    for (QChar letter : name) {
      int page = -1;
      QPoint cell;
      for (int p = 0; p < NamePicker::kPages && page < 0; ++p) {
        const QStringList& rows = NamePicker::Rows(p);
        for (int y = 0; y < rows.size() && page < 0; ++y)
          if (const int x = int(rows[y].indexOf(letter)); x >= 0) page = p, cell = QPoint(x, y);
      }
      ASSERT_GE(page, 0) << "no cell for the letter";
      for (int n = 0; n < NamePicker::kPages && picker->Page() != page; ++n)
        ASSERT_TRUE(Press(Qt::Key_PageDown));
      ASSERT_NO_FATAL_FAILURE(PickerTo(*picker, cell));
      ASSERT_TRUE(Press(Qt::Key_Return));
    }
    ASSERT_NO_FATAL_FAILURE(PickerTo(*picker, {7, int(NamePicker::Rows(picker->Page()).size())}));
    ASSERT_TRUE(Press(Qt::Key_Return));
    ASSERT_TRUE(WaitUntil([&] { return !picker; }));
  }
  void PickerTo(const NamePicker& picker, QPoint to) {
    const QStringList& rows = NamePicker::Rows(picker.Page());
    const int height = int(rows.size()) + 1;  // the actions' row under the letters
    const auto filled = [&](int x, int y) {
      return y == rows.size() || rows[y][x] != QChar(0x3000);
    };
    for (int n = 0; n < 40; ++n) {
      QPoint at = picker.Cursor();
      // The actions' row has three wide cells, from columns 0, 4 and 7.
      if (at.y() == rows.size()) at.setX(at.x() < 4 ? 0 : at.x() < 7 ? 4 : 7);
      if (at == to) return;
      int key;
      if (at.y() != to.y() && (at.x() == to.x() || filled(at.x(), to.y()))) {
        key = (to.y() - at.y() + height) % height <= height / 2 ? Qt::Key_Down : Qt::Key_Up;
      } else {
        const int columns = NamePicker::kColumns;
        key = (to.x() - at.x() + columns) % columns <= columns / 2 ? Qt::Key_Right : Qt::Key_Left;
      }
      ASSERT_TRUE(Press(key));
    }
    FAIL() << "the picker's cursor did not reach " << to.x() << "," << to.y();
  }
};

TEST_F(PadPlaythroughTest, ANewGameToTheEndOfItsFirstSeriesByThePadAlone) {
  // The title: Back (Tab) to "ニューゲーム", A; the picker opens by itself over the profile.
  for (int n = 0; n < 8 && QApplication::focusWidget() != window->findChild<QWidget*>("Command1");
       ++n)
    ASSERT_TRUE(Press(Qt::Key_Tab));
  ASSERT_TRUE(Press(Qt::Key_Return));
  ASSERT_TRUE(adv->Frame1Visible());
  ASSERT_NO_FATAL_FAILURE(PickName(QStringLiteral("ケン")));
  EXPECT_EQ(adv->Text1(), QStringLiteral("ケン"));
  // Back in the name box, A starts the game.
  ASSERT_TRUE(WaitUntil([this] { return window->isActiveWindow(); }));
  ASSERT_TRUE(Press(Qt::Key_Return));
  ASSERT_TRUE(adv->Picture1Visible());
  ASSERT_EQ(state->PlayerName, QStringLiteral("ケン君"));

  // 真道 gives the first cards and sends the player to 高原, whose question opens the series.
  RunAdventure();
  ASSERT_NO_FATAL_FAILURE(Enter(1));
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  ASSERT_NO_FATAL_FAILURE(Enter(0));
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  ASSERT_EQ(adv->Choiser(0).caption, QStringLiteral("勝負！"));
  ASSERT_TRUE(Press(Qt::Key_Left));  // selects it
  ASSERT_TRUE(Press(Qt::Key_Return));
  RunAdventure();
  ASSERT_NO_FATAL_FAILURE(AwaitDuelWindow());

  // Two duels: A shows the list's cursor, takes five cards and is then "勝負！".
  std::map<DuelResult, int> results;
  for (int played = 0; played < 2; ++played) {
    SCOPED_TRACE(played);
    for (int n = 0; n < 12 && !duel->Ctl.Field.Visible; ++n) ASSERT_TRUE(Press(Qt::Key_Return));
    ASSERT_TRUE(duel->Ctl.Field.Visible);
    int moves = 0;
    while (!AwaitTurn()) {
      ASSERT_NO_FATAL_FAILURE(Move());
      ASSERT_LE(++moves, kHandSize);
    }
    EXPECT_EQ(moves, kHandSize);
    // The game's boxes (the cards won or lost, a draw) were answered with A on the way.
    const FaceUpCount count = duel->Model.Count();
    ++results[count.player > count.enemy   ? DuelResult::PlayerWon
              : count.player < count.enemy ? DuelResult::EnemyWon
                                           : DuelResult::Draw];
    ASSERT_TRUE(duel->Ctl.Command4.Visible);  // "終わり": the series may end here
  }
  // B closes the window between duels: the series ends as "終わり" ends it.
  ASSERT_TRUE(Press(Qt::Key_Escape));
  ASSERT_TRUE(WaitUntil([this] { return !w && adv->WindowVisible() && window->isActiveWindow(); }));
  ASSERT_NO_FATAL_FAILURE(ReadOn());
  ASSERT_TRUE(adv->OnTownMap());

  const int wins = results[DuelResult::PlayerWon], losses = results[DuelResult::EnemyWon],
            draws = results[DuelResult::Draw];
  EXPECT_EQ(state->SeriesWins, wins);
  EXPECT_EQ(state->SeriesLosses, losses);
  EXPECT_EQ(state->SeriesDraws, draws);
  const QString line =
      QStringLiteral("『今回の戦績は%1勝%2敗%3引き分けだった。』").arg(wins).arg(losses).arg(draws);
  EXPECT_NE(std::find(read.begin(), read.end(), line), read.end()) << line.toStdString();
  // A series won leads 高原 on to 真道; otherwise her house waits for another.
  EXPECT_EQ(state->TakaharaStep, wins > losses ? 33 : 5);
  const OpponentRecord& against = game->Stats().Against(kTakahara);
  EXPECT_EQ(against.Duels, 2);
  EXPECT_EQ(against.Wins, wins);
  EXPECT_EQ(against.Draws, draws);
  EXPECT_EQ(state->PlayerName, QStringLiteral("ケン君"));
}

class PadMidDuelTest : public PadGameTest {
 protected:
  PadMidDuelTest() : PadGameTest(false) {}
};

// A pad plugged in while a duel runs plays a move; pulled out with a direction held, the
// direction is let go, the poll slows down again, and the keyboard plays the duel to its end.
TEST_F(PadMidDuelTest, APadComesAndGoesWhileADuelIsOpen) {
  // To 高原's first duel through the logic; the deck chosen by keys.
  test::StartNewGame(*adv);
  for (int place : {1, 0}) {
    adv->Clicker_Click(place);
    for (int n = 0; n < 60 && adv->CurrentPlace() == place && !adv->Choiser(0).visible; ++n)
      test::GoOn(*adv);
  }
  ASSERT_TRUE(adv->Choiser(0).visible);
  test::Answer(*adv, 0);
  ViewTick();
  ASSERT_NO_FATAL_FAILURE(AwaitDuelWindow());
  byPad = false;
  for (int n = 0; n < 12 && !duel->Ctl.Field.Visible; ++n) ASSERT_TRUE(Press(Qt::Key_Return));
  ASSERT_TRUE(duel->Ctl.Field.Visible);

  ASSERT_NO_FATAL_FAILURE(Plug());
  EXPECT_EQ(controller.PollInterval(), Controller::kFastMs);
  byPad = true;
  ASSERT_FALSE(AwaitTurn());
  ASSERT_NO_FATAL_FAILURE(Move());
  ASSERT_FALSE(AwaitTurn());
  const auto rights = [this] {
    return std::count(thumb.keys.begin(), thumb.keys.end(),
                      std::pair<int, bool>{Qt::Key_Right, true});
  };
  const auto before = rights();
  pad->Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  ASSERT_TRUE(WaitUntil([&] { return rights() >= before + 2; }));  // held: it repeats
  pad->Unplug();
  ASSERT_TRUE(WaitUntil([this] { return controller.Connected() == 0; }));
  EXPECT_EQ(thumb.keys.back(), (std::pair<int, bool>{Qt::Key_Right, false}));
  EXPECT_EQ(controller.PollInterval(), Controller::kSlowMs);

  byPad = false;
  int moves = 1;
  while (!AwaitTurn()) {
    ASSERT_NO_FATAL_FAILURE(Move());
    ASSERT_LE(++moves, kHandSize);
  }
  EXPECT_EQ(moves, kHandSize);
  EXPECT_EQ(state->SeriesWins + state->SeriesLosses + state->SeriesDraws, 1);
  EXPECT_EQ(thumb.keys.back(), (std::pair<int, bool>{Qt::Key_Right, false}));  // nothing since
}

}  // namespace
}  // namespace korvane
