// Tests run without a display and without a sound card unless the environment chose them.
#pragma once

#include <QtGlobal>

namespace korvane::test {

inline void Headless() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
}

}  // namespace korvane::test
