#pragma once

#include <fluidsynth.h>

namespace plivant {

// The synthesizer's functions the tune player calls, as pointers.
// clang-format off
#define PLIVANT_FLUID_FUNCTIONS(X)                                                        \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_dupstr) X(fluid_free) \
    X(fluid_settings_setnum) X(fluid_settings_setstr)                                     \
    X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload)                        \
    X(fluid_synth_all_sounds_off) X(new_fluid_audio_driver) X(delete_fluid_audio_driver)  \
    X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add) X(fluid_player_play)   \
    X(fluid_player_stop) X(fluid_player_get_status) X(fluid_is_midifile)                  \
    X(fluid_set_log_function)
// clang-format on

struct FluidApi {
#define PLIVANT_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    PLIVANT_FLUID_FUNCTIONS(PLIVANT_FLUID_POINTER)
#undef PLIVANT_FLUID_POINTER
};

// The synthesizer library, loaded when the first tune plays rather than with the program: it
// brings some forty libraries of sound and codecs that start-up need not wait for nor keep in
// memory. Throws MediaError when it cannot be loaded.
const FluidApi& Fluidsynth();

}  // namespace plivant
