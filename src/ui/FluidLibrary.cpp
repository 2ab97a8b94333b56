#include "ui/FluidLibrary.h"

#include <dlfcn.h>

#include <string>

#include "ui/TunePlayer.h"

namespace plivant {

namespace {

// The library's name as its package installs it (FluidSynth 2.x).
constexpr const char* kLibrary = "libfluidsynth.so.3";

FluidApi Load() {
    void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw MediaError(std::string("Cannot load the synthesizer: ") + dlerror());
    FluidApi api;
#define PLIVANT_FLUID_RESOLVE(name)                                        \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(handle, #name)); \
    if (!api.name) throw MediaError("The synthesizer lacks " #name);
    PLIVANT_FLUID_FUNCTIONS(PLIVANT_FLUID_RESOLVE)
#undef PLIVANT_FLUID_RESOLVE
    // Kept loaded for the rest of the run: its audio threads may outlive a player.
    return api;
}

}  // namespace

const FluidApi& Fluidsynth() {
    static const FluidApi api = Load();
    return api;
}

}  // namespace plivant
