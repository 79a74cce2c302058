#include "ui/controller.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "sdl/sdl_library.h"
#include "ui/typed_key.h"

namespace korvane {
namespace {

Controller* instance = nullptr;
int delivering = 0;

// The stick counts as pushed past 40 % of its travel and as let go under 25 %.
constexpr int kStickPress = 13000;
constexpr int kStickRelease = 8000;
// The triggers count as pulled past half their travel, let go under a quarter.
constexpr int kTriggerPress = 16000;
constexpr int kTriggerRelease = 8000;

// SDL, once a controller object has opened it; nothing below runs before that.
const sdl::Sdl* api = nullptr;

bool IsArrow(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

PadMake MakeOf(SDL_GameController* gc) {
  switch (api->SDL_GameControllerGetType(gc)) {
    case SDL_CONTROLLER_TYPE_XBOX360:
    case SDL_CONTROLLER_TYPE_XBOXONE:
      return PadMake::Xbox;
    case SDL_CONTROLLER_TYPE_PS3:
    case SDL_CONTROLLER_TYPE_PS4:
    case SDL_CONTROLLER_TYPE_PS5:
      return PadMake::PlayStation;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
      return PadMake::Nintendo;
    default:
      return PadMake::Other;
  }
}

}  // namespace

std::optional<PadKey> KeyForButton(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return PadKey{Qt::Key_Up};
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return PadKey{Qt::Key_Down};
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return PadKey{Qt::Key_Left};
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return PadKey{Qt::Key_Right};
    case SDL_CONTROLLER_BUTTON_A:
      return PadKey{Qt::Key_Return};
    case SDL_CONTROLLER_BUTTON_B:
      return PadKey{Qt::Key_Escape};
    case SDL_CONTROLLER_BUTTON_X:
      return PadKey{Qt::Key_H};
    case SDL_CONTROLLER_BUTTON_Y:
      return PadKey{Qt::Key_A};
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return PadKey{Qt::Key_PageUp};
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return PadKey{Qt::Key_PageDown};
    case SDL_CONTROLLER_BUTTON_BACK:
      return PadKey{Qt::Key_Tab};
    case SDL_CONTROLLER_BUTTON_LEFTSTICK:
      return PadKey{Qt::Key_Backtab, Qt::ShiftModifier};
    case SDL_CONTROLLER_BUTTON_START:
      return PadKey{Qt::Key_F1};
    default:
      return std::nullopt;
  }
}

FaceGlyphs GlyphsFor(PadMake make) {
  switch (make) {
    case PadMake::PlayStation:
      return {QStringLiteral("✕"), QStringLiteral("○"), QStringLiteral("□"), QStringLiteral("△")};
    case PadMake::Nintendo:
      return {QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("Y"), QStringLiteral("X")};
    case PadMake::Xbox:
    case PadMake::Other:
      break;
  }
  return {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("X"), QStringLiteral("Y")};
}

std::vector<PadHelpLine> PadHelp(PadMake make) {
  const FaceGlyphs face = GlyphsFor(make);
  struct Names {
    const char *shoulders, *triggers, *back, *start, *stick;
  };
  const Names names =
      make == PadMake::PlayStation ? Names{"L1 / R1", "L2 / R2", "Create", "Options", "L3"}
      : make == PadMake::Nintendo  ? Names{"L / R", "ZL / ZR", "−", "+", "L3"}
                                   : Names{"LB / RB", "LT / RT", "View", "Menu", "L3"};
  return {
      {QCoreApplication::translate("Keys", "十字ボタン / 左スティック"),
       QCoreApplication::translate("Keys", "← → ↑ ↓ と同じ（選ぶ、動かす）")},
      {face.lower, QCoreApplication::translate("Keys", "Enter（決める、次へ進む）")},
      {face.right, QCoreApplication::translate("Keys", "Esc（閉じる）")},
      {face.left, QCoreApplication::translate("Keys", "H（ヒント）")},
      {face.upper, QCoreApplication::translate("Keys", "A（カードアルバム）")},
      {QString::fromUtf8(names.shoulders),
       QCoreApplication::translate("Keys", "PageUp / PageDown（ページ送り、手札を選ぶ）")},
      {QString::fromUtf8(names.triggers), QCoreApplication::translate("Keys", "縮小 / 拡大")},
      {QString::fromUtf8(names.back),
       QCoreApplication::translate("Keys", "Tab（タイトルの次の欄へ）")},
      {QString::fromUtf8(names.stick),
       QCoreApplication::translate("Keys", "Shift + Tab（タイトルの前の欄へ）")},
      {QString::fromUtf8(names.start), QCoreApplication::translate("Keys", "F1（このキー一覧）")},
  };
}

int StickKey(int x, int y, int held) {
  const int ax = std::abs(x), ay = std::abs(y);
  if (held != 0) {
    // How far the stick still points the held way, and how far across it.
    const bool horizontal = held == Qt::Key_Left || held == Qt::Key_Right;
    const int sign = held == Qt::Key_Left || held == Qt::Key_Up ? -1 : 1;
    const int along = sign * (horizontal ? x : y), across = horizontal ? ay : ax;
    if (along >= kStickRelease && across <= along) return held;
  }
  if (std::max(ax, ay) < kStickPress) return 0;
  if (ax >= ay) return x < 0 ? Qt::Key_Left : Qt::Key_Right;
  return y < 0 ? Qt::Key_Up : Qt::Key_Down;
}

struct Controller::Pad {
  SDL_GameController* gc = nullptr;
  int id = -1;
  int stickX = 0, stickY = 0;
  int stickKey = 0;
  bool leftTrigger = false, rightTrigger = false;
};

Controller::Controller(QObject* parent, bool inBackground) : QObject(parent) {
  if (!inBackground) {
    Start();
    return;
  }
  // The call queued from the thread dies with this object, which waits for the thread.
  opener_ = std::thread([this] {
    sdl::OpenSdl();
    QMetaObject::invokeMethod(
        this, [this] { Start(); }, Qt::QueuedConnection);
  });
}

void Controller::Start() {
  std::string problem;
  api = sdl::OpenSdl(&problem);
  if (!api) {
    std::fprintf(stderr, "korvane: コントローラーが使えません（%s）\n", problem.c_str());
    return;
  }
  // No SDL window has the focus here: the game's own windows decide where the keys go.
  api->SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // A, B, X, Y by their place on the pad, not by the letters printed on a Nintendo pad.
  api->SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  // The game's own signal handling stays in charge.
  api->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (api->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "korvane: コントローラーが使えません（%s）\n", api->SDL_GetError());
    return;
  }
  available_ = true;
  instance = this;
  repeatClock_.start();
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  UpdateTimer();
  // Controllers attached before the start arrive as device events on the first poll.
  QTimer::singleShot(0, this, [this] { Poll(); });
}

Controller::~Controller() {
  if (opener_.joinable()) opener_.join();
  if (instance == this) instance = nullptr;
  if (!available_) return;
  for (Pad* pad : pads_) {
    api->SDL_GameControllerClose(pad->gc);
    delete pad;
  }
  pads_.clear();
  api->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Controller::Delivering() { return delivering > 0; }

Controller* Controller::Instance() { return instance; }

PadMake Controller::Make() const {
  for (const Pad* pad : pads_)
    if (pad->id == lastUsed_) return MakeOf(pad->gc);
  return pads_.empty() ? PadMake::Other : MakeOf(pads_.front()->gc);
}

Controller::Pad* Controller::Find(int instanceId) {
  for (Pad* pad : pads_)
    if (pad->id == instanceId) return pad;
  return nullptr;
}

void Controller::UpdateTimer() {
  const int interval = pads_.empty() ? kSlowMs : kFastMs;
  if (timer_.interval() != interval || !timer_.isActive()) timer_.start(interval);
}

void Controller::Open(int deviceIndex) {
  SDL_GameController* gc = api->SDL_GameControllerOpen(deviceIndex);
  if (!gc) return;
  const int id = api->SDL_JoystickInstanceID(api->SDL_GameControllerGetJoystick(gc));
  if (Find(id)) {
    api->SDL_GameControllerClose(gc);  // already open: SDL counts the second opening
    return;
  }
  auto* pad = new Pad;
  pad->gc = gc;
  pad->id = id;
  pads_.push_back(pad);
  UpdateTimer();
  emit ConnectedChanged();
}

void Controller::Close(int instanceId) {
  Pad* pad = Find(instanceId);
  if (!pad) return;
  // A direction held on the pad that went away is let go.
  if (pad->stickKey) Release(PadKey{pad->stickKey});
  if (repeating_ && pads_.size() == 1) Release(*repeating_);
  api->SDL_GameControllerClose(pad->gc);
  std::erase(pads_, pad);
  delete pad;
  if (lastUsed_ == instanceId) lastUsed_ = -1;
  UpdateTimer();
  emit ConnectedChanged();
}

void Controller::Poll() {
  SDL_Event e;
  while (api->SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_CONTROLLERDEVICEADDED:
        Open(e.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        Close(e.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP: {
        lastUsed_ = e.cbutton.which;
        const std::optional<PadKey> key = KeyForButton(e.cbutton.button);
        if (!key) break;
        if (e.type == SDL_CONTROLLERBUTTONDOWN) {
          Press(*key, IsArrow(key->key));
        } else {
          Release(*key);
        }
        break;
      }
      case SDL_CONTROLLERAXISMOTION:
        if (Pad* pad = Find(e.caxis.which)) OnAxis(*pad, e.caxis.axis, e.caxis.value);
        break;
      default:
        break;
    }
  }
  if (repeating_ && repeatClock_.elapsed() >= nextRepeat_) {
    nextRepeat_ = repeatClock_.elapsed() + kRepeatMs;
    Send(true, *repeating_, true);
  }
}

void Controller::OnAxis(Pad& pad, int axis, int value) {
  lastUsed_ = pad.id;
  auto trigger = [this, value](bool& down, PadKey key) {
    if (!down && value >= kTriggerPress) {
      down = true;
      Press(key, false);
    } else if (down && value < kTriggerRelease) {
      down = false;
      Release(key);
    }
  };
  switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
    case SDL_CONTROLLER_AXIS_LEFTY: {
      (axis == SDL_CONTROLLER_AXIS_LEFTX ? pad.stickX : pad.stickY) = value;
      const int key = StickKey(pad.stickX, pad.stickY, pad.stickKey);
      if (key == pad.stickKey) break;
      if (pad.stickKey) Release(PadKey{pad.stickKey});
      pad.stickKey = key;
      if (key) Press(PadKey{key}, true);
      break;
    }
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      trigger(pad.leftTrigger, PadKey{Qt::Key_Minus, Qt::ControlModifier});
      break;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      trigger(pad.rightTrigger, PadKey{Qt::Key_Plus, Qt::ControlModifier});
      break;
    default:
      break;
  }
}

void Controller::Press(PadKey key, bool repeatable) {
  Send(true, key, false);
  if (repeatable) {
    repeating_ = key;
    nextRepeat_ = repeatClock_.elapsed() + kRepeatDelayMs;
  }
}

void Controller::Release(PadKey key) {
  if (repeating_ && *repeating_ == key) repeating_.reset();
  Send(false, key, false);
}

void Controller::Send(bool press, PadKey key, bool repeat) {
  ++delivering;
  if (Deliver) {
    Deliver(press, key, repeat);
  } else {
    // Only the game's window in front gets keys: a controller used in another program is not ours.
    // A button is a key, never a typed letter: in a text box (the title's name) X and Y, which
    // stand for H and A, type nothing; the key still comes, for what the window makes of it.
    TypeKey(press, key.key, key.modifiers, repeat, !TakesText(QApplication::focusWidget()));
  }
  --delivering;
}

}  // namespace korvane
