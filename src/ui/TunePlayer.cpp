#include "ui/TunePlayer.h"

#include "ui/FluidLibrary.h"

#include <mutex>

namespace plivant {

namespace {

// The synthesizer reports errors through one process-wide log function; a play attempt reads
// what was logged while it ran.
class FluidLog {
public:
    static FluidLog& Instance() {
        static FluidLog log;
        return log;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        errors_.clear();
    }
    std::string Errors(const std::string& fallback) {
        std::lock_guard lock(mutex_);
        return errors_.empty() ? fallback : errors_;
    }

private:
    FluidLog() {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            Fluidsynth().fluid_set_log_function(level, &FluidLog::Receive, this);
        }
    }
    static void Receive(int level, const char* message, void* data) {
        if (level > FLUID_ERR) return;  // warnings and chatter are not the user's business
        auto* self = static_cast<FluidLog*>(data);
        std::lock_guard lock(self->mutex_);
        if (!self->errors_.empty()) self->errors_ += '\n';
        self->errors_ += message;
    }

    std::mutex mutex_;
    std::string errors_;
};

constexpr int kDoneCheckMs = 500;
constexpr double kGain = 0.6;  // the synthesizer's default of 0.2 is faint for a notification

}  // namespace

struct TunePlayer::Fluid {
    fluid_settings_t* Settings = nullptr;
    fluid_synth_t* Synth = nullptr;
    fluid_audio_driver_t* Driver = nullptr;
    fluid_player_t* Player = nullptr;
    std::string DefaultDriver;

    void DropPlayer() {
        if (Player) {
            Fluidsynth().fluid_player_stop(Player);
            Fluidsynth().delete_fluid_player(Player);
            Player = nullptr;
            Fluidsynth().fluid_synth_all_sounds_off(Synth, -1);
        }
    }
    void DropDriver() {
        if (Driver) Fluidsynth().delete_fluid_audio_driver(Driver);
        Driver = nullptr;
    }
    ~Fluid() {
        DropPlayer();
        DropDriver();
        if (Synth) Fluidsynth().delete_fluid_synth(Synth);
        if (Settings) Fluidsynth().delete_fluid_settings(Settings);
    }
};

TunePlayer::TunePlayer(TuneOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    doneCheck_.setInterval(kDoneCheckMs);
    connect(&doneCheck_, &QTimer::timeout, this, [this] { ReleaseWhenDone(); });
}

TunePlayer::~TunePlayer() = default;

void TunePlayer::OpenSynth() {
    if (fluid_) return;
    FluidLog::Instance().Clear();
    auto fluid = std::make_unique<Fluid>();
    fluid->Settings = Fluidsynth().new_fluid_settings();
    if (!fluid->Settings) throw MediaError("Cannot create the synthesizer's settings");
    char* defaultDriver = nullptr;
    if (Fluidsynth().fluid_settings_dupstr(fluid->Settings, "audio.driver", &defaultDriver) ==
        FLUID_OK) {
        fluid->DefaultDriver = defaultDriver;
        Fluidsynth().fluid_free(defaultDriver);
    }
    Fluidsynth().fluid_settings_setnum(fluid->Settings, "synth.gain", kGain);
    for (const auto& [name, value] : options_.Settings) {
        Fluidsynth().fluid_settings_setstr(fluid->Settings, name.c_str(), value.c_str());
    }
    fluid->Synth = Fluidsynth().new_fluid_synth(fluid->Settings);
    if (!fluid->Synth) {
        throw MediaError(FluidLog::Instance().Errors("Cannot create the synthesizer"));
    }
    if (Fluidsynth().fluid_synth_sfload(fluid->Synth, options_.SoundFont.c_str(), 1) ==
        FLUID_FAILED) {
        throw MediaError(
            FluidLog::Instance().Errors("Cannot load the sound font " + options_.SoundFont));
    }
    fluid_ = std::move(fluid);
}

void TunePlayer::OpenDriver() {
    if (fluid_->Driver) return;
    FluidLog::Instance().Clear();
    for (const std::string& driver : options_.AudioDrivers) {
        const std::string& name = driver.empty() ? fluid_->DefaultDriver : driver;
        Fluidsynth().fluid_settings_setstr(fluid_->Settings, "audio.driver", name.c_str());
        fluid_->Driver = Fluidsynth().new_fluid_audio_driver(fluid_->Settings, fluid_->Synth);
        if (fluid_->Driver) return;
    }
    throw MediaError(FluidLog::Instance().Errors("Cannot open the audio device"));
}

void TunePlayer::Play(const std::string& midiPath) {
    Stop();
    if (!Fluidsynth().fluid_is_midifile(midiPath.c_str()))
        throw MediaError(midiPath + " is not a MIDI file");
    OpenSynth();
    OpenDriver();
    fluid_->Player = Fluidsynth().new_fluid_player(fluid_->Synth);
    if (!fluid_->Player) throw MediaError("Cannot create the MIDI player");
    Fluidsynth().fluid_player_add(fluid_->Player, midiPath.c_str());
    Fluidsynth().fluid_player_play(fluid_->Player);
    doneCheck_.start();
}

bool TunePlayer::Playing() const {
    return fluid_ && fluid_->Player &&
           Fluidsynth().fluid_player_get_status(fluid_->Player) == FLUID_PLAYER_PLAYING;
}

void TunePlayer::Stop() {
    doneCheck_.stop();
    if (!fluid_) return;
    fluid_->DropPlayer();
    fluid_->DropDriver();
}

void TunePlayer::ReleaseWhenDone() {
    if (!Playing()) Stop();
}

}  // namespace plivant
