// One game controller with every button and axis, through SDL's virtual joystick: plugged in when
// made, pressed and pulled out by the test. The game's Controller sees it as a real pad.
#pragma once

#include <SDL.h>

namespace korvane::test {

class VirtualPad {
 public:
  VirtualPad() {
    index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                       SDL_CONTROLLER_BUTTON_MAX, 0);
    joystick_ = index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr;
  }
  ~VirtualPad() { Unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool Ok() const { return joystick_ != nullptr; }
  void Button(int b, bool down) { SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0); }
  void Axis(int a, int v) { SDL_JoystickSetVirtualAxis(joystick_, a, Sint16(v)); }
  // The button as SDL last read it from the pad (in the poll that delivered it).
  bool Held(int b) const { return joystick_ && SDL_JoystickGetButton(joystick_, b) != 0; }
  void Unplug() {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }

 private:
  int index_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

}  // namespace korvane::test
