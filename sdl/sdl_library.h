// SDL2, SDL2_mixer and FluidSynth are opened with dlopen the first time they are needed, not
// linked: the dynamic loader would otherwise map them and the forty libraries behind them
// (sound servers, codecs, Wayland and X extensions) before the first window could appear. The
// game needs them only once its title is on the screen (the controller, the sound system).
//
// Each table holds the library's functions that the game calls, by their own names, so that a
// call reads as it would against the linked library: sdl->SDL_PollEvent(&e).
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <string>

namespace korvane::sdl {

#define KORVANE_SDL_FUNCTIONS(X)                                                                 \
  X(SDL_InitSubSystem)                                                                           \
  X(SDL_QuitSubSystem) X(SDL_GetError) X(SDL_SetHint) X(SDL_PollEvent) X(SDL_GameControllerOpen) \
      X(SDL_GameControllerClose) X(SDL_GameControllerGetType) X(SDL_GameControllerGetJoystick)   \
          X(SDL_JoystickInstanceID)

#define KORVANE_MIXER_FUNCTIONS(X)                                                          \
  X(Mix_OpenAudioDevice)                                                                    \
  X(Mix_CloseAudio) X(Mix_ReserveChannels) X(Mix_HookMusic) X(Mix_LoadWAV) X(Mix_FreeChunk) \
      X(Mix_PlayChannel) X(Mix_HaltChannel)

#define KORVANE_FLUID_FUNCTIONS(X)                                                                 \
  X(fluid_set_log_function)                                                                        \
  X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setnum) X(fluid_settings_setint) \
      X(fluid_settings_setstr) X(new_fluid_synth) X(delete_fluid_synth) X(new_fluid_defsfloader)   \
          X(fluid_sfloader_set_callbacks) X(fluid_synth_add_sfloader) X(fluid_synth_sfload)        \
              X(fluid_synth_all_sounds_off) X(fluid_synth_get_active_voice_count)                  \
                  X(fluid_synth_write_s16) X(new_fluid_player) X(delete_fluid_player)              \
                      X(fluid_player_add_mem) X(fluid_player_play) X(fluid_player_stop)            \
                          X(fluid_player_get_status)

#define KORVANE_SDL_MEMBER(name) decltype(&::name) name = nullptr;
struct Sdl {
  KORVANE_SDL_FUNCTIONS(KORVANE_SDL_MEMBER)
};
struct Mixer {
  KORVANE_MIXER_FUNCTIONS(KORVANE_SDL_MEMBER)
};
struct Fluid {
  KORVANE_FLUID_FUNCTIONS(KORVANE_SDL_MEMBER)
};
#undef KORVANE_SDL_MEMBER

// The library's table, opened by the first call from any thread (others wait for it) and kept
// for the whole run; null when the library or one of its functions is missing, with the reason
// in *problem. SDL2_mixer needs SDL2 as well.
const Sdl* OpenSdl(std::string* problem = nullptr);
const Mixer* OpenMixer(std::string* problem = nullptr);
const Fluid* OpenFluid(std::string* problem = nullptr);

}  // namespace korvane::sdl
