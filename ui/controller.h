// Game controllers through SDL's game-controller API: every button, the D-pad and the left stick
// become the keys the windows already understand, delivered to the window in front as a keyboard
// would deliver them (shortcuts included), so no window knows a controller exists.
//
//   D-pad, left stick   arrows (held: repeated like a held key)
//   A / B               Enter / Esc
//   X / Y               H (the hint) / A (the album); in a text box no letter is typed
//   LB / RB             PageUp / PageDown
//   LT / RT             Ctrl+Minus / Ctrl+Plus (zoom)
//   Back / left stick   Tab / Shift+Tab (through the title's fields)
//   Start               F1 (the key help)
//
// The buttons are taken by their place on the pad (A the lower face button on every make), so the
// same thumb confirms on every controller. SDL reads SDL_GAMECONTROLLERCONFIG itself when the
// subsystem starts. SDL is polled from the Qt event loop: 60 times a second while a controller is
// attached, twice a second otherwise, which is enough to see one plugged in.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace korvane {

// A key with its modifiers, as the keyboard would send it.
struct PadKey {
  int key = 0;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  bool operator==(const PadKey&) const = default;
};

// The key an SDL game-controller button stands for (SDL_GameControllerButton), if any.
std::optional<PadKey> KeyForButton(int button);

// The face buttons' names on a make of controller, by place: the lower, right, left and upper
// button (SDL's A, B, X and Y).
enum class PadMake { Xbox, PlayStation, Nintendo, Other };
struct FaceGlyphs {
  QString lower, right, left, upper;
};
FaceGlyphs GlyphsFor(PadMake make);

// The controller's part of the key help: each control as `make` names it, and what it does.
struct PadHelpLine {
  QString controls, does;
};
std::vector<PadHelpLine> PadHelp(PadMake make);

// The direction of the left stick, with a dead zone: an arrow key or 0. `held` is the key that is
// held now; it stays held until the stick comes back well inside the dead zone, so a stick at the
// edge does not flicker.
int StickKey(int x, int y, int held);

class Controller : public QObject {
  Q_OBJECT
 public:
  // Starts SDL's game-controller subsystem (beside the sound's audio subsystem) and opens every
  // controller already attached. Without it (no SDL) the object stays idle. `inBackground`: SDL
  // is opened on a thread of its own and the subsystem started on the GUI thread once it is, so
  // the window in front does not stop for the dynamic loader; Available() is false until then.
  explicit Controller(QObject* parent = nullptr, bool inBackground = false);
  ~Controller() override;

  bool Available() const { return available_; }
  int Connected() const { return int(pads_.size()); }
  // The make of the controller used last (or the first attached); Other without one.
  PadMake Make() const;
  // The interval of the poll now, in ms: fast while a controller is attached.
  int PollInterval() const { return timer_.interval(); }

  // True while a controller's key is being delivered (the key remapping leaves those alone).
  static bool Delivering();
  // The controller of this run, if one was made.
  static Controller* Instance();

  // Where the keys go; by default the window that has the keyboard focus. Tests may look on.
  std::function<void(bool press, PadKey key, bool repeat)> Deliver;

  static constexpr int kFastMs = 16;
  static constexpr int kSlowMs = 500;
  static constexpr int kRepeatDelayMs = 400;
  static constexpr int kRepeatMs = 110;

 signals:
  void ConnectedChanged();

 private:
  struct Pad;
  void Poll();
  void Open(int deviceIndex);
  void Close(int instanceId);
  void Press(PadKey key, bool repeatable);
  void Release(PadKey key);
  void Send(bool press, PadKey key, bool repeat);
  void OnAxis(Pad& pad, int axis, int value);
  Pad* Find(int instanceId);
  void UpdateTimer();
  void Start();

  bool available_ = false;
  std::thread opener_;  // opening SDL, in the background
  QTimer timer_;
  std::vector<Pad*> pads_;
  int lastUsed_ = -1;  // instance id
  // The one key that repeats while held (the last direction pressed).
  std::optional<PadKey> repeating_;
  QElapsedTimer repeatClock_;
  qint64 nextRepeat_ = 0;
};

}  // namespace korvane
