#include "sdl/sdl_library.h"

#include <dlfcn.h>

#include <mutex>

namespace korvane::sdl {
namespace {

// The sonames Debian 12 ships (libsdl2-2.0-0, libsdl2-mixer-2.0-0, libfluidsynth3; the package
// depends on them by name), then the development links, for a library installed by hand.
const char* const kSdlFiles[] = {"libSDL2-2.0.so.0", "libSDL2.so", nullptr};
const char* const kMixerFiles[] = {"libSDL2_mixer-2.0.so.0", "libSDL2_mixer.so", nullptr};
const char* const kFluidFiles[] = {"libfluidsynth.so.3", "libfluidsynth.so", nullptr};

// One library and its table, filled once.
template <typename Table>
struct Opened {
  std::once_flag once;
  Table table;
  bool ok = false;
  std::string problem;
};

void* OpenFirst(const char* const* files, std::string* problem) {
  for (const char* const* f = files; *f; ++f) {
    // RTLD_LOCAL: nothing else resolves against it; a library the program already has (a test
    // that links SDL itself) is the one returned.
    if (void* handle = dlopen(*f, RTLD_NOW | RTLD_LOCAL)) return handle;
    if (f == files) *problem = dlerror();  // the soname's reason says the most
  }
  return nullptr;
}

// Fills `table` from the first of `files` that opens; every function must be there.
template <typename Table, typename Fill>
const Table* Open(Opened<Table>& o, const char* const* files, Fill fill, std::string* problem) {
  std::call_once(o.once, [&] {
    void* handle = OpenFirst(files, &o.problem);
    if (!handle) return;
    const char* missing = fill(handle, o.table);
    if (missing) {
      o.problem = std::string(files[0]) + ": " + missing + " がありません";
      return;  // the handle stays open: what it loaded may already be in use
    }
    o.ok = true;
  });
  if (!o.ok && problem) *problem = o.problem;
  return o.ok ? &o.table : nullptr;
}

// Looks each function up by its name; the first one missing, or null when all are there.
#define KORVANE_SDL_LOOKUP(name)                                     \
  t.name = reinterpret_cast<decltype(t.name)>(dlsym(handle, #name)); \
  if (!t.name) return #name;

}  // namespace

const Sdl* OpenSdl(std::string* problem) {
  static Opened<Sdl> o;
  return Open(
      o, kSdlFiles,
      [](void* handle, Sdl& t) -> const char* {
        KORVANE_SDL_FUNCTIONS(KORVANE_SDL_LOOKUP)
        return nullptr;
      },
      problem);
}

const Mixer* OpenMixer(std::string* problem) {
  if (!OpenSdl(problem)) return nullptr;
  static Opened<Mixer> o;
  return Open(
      o, kMixerFiles,
      [](void* handle, Mixer& t) -> const char* {
        KORVANE_MIXER_FUNCTIONS(KORVANE_SDL_LOOKUP)
        return nullptr;
      },
      problem);
}

const Fluid* OpenFluid(std::string* problem) {
  static Opened<Fluid> o;
  return Open(
      o, kFluidFiles,
      [](void* handle, Fluid& t) -> const char* {
        KORVANE_FLUID_FUNCTIONS(KORVANE_SDL_LOOKUP)
        return nullptr;
      },
      problem);
}

}  // namespace korvane::sdl
