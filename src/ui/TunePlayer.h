#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace plivant {

// An error of the media layer; its text comes from the synthesizer.
class MediaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TuneOptions {
    // A General MIDI sound font.
    std::string SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    // Audio drivers tried in order, the synthesizer's default first ("" names it).
    std::vector<std::string> AudioDrivers = {"", "pulseaudio"};
    // Further text settings of the synthesizer, e.g. {"audio.file.name", path} for the "file"
    // driver that tests render with.
    std::vector<std::pair<std::string, std::string>> Settings;
};

// Plays a standard MIDI file through a software synthesizer and returns at once; the sound
// runs on the audio driver's own thread. The audio device is held only while a tune plays.
// UI thread.
class TunePlayer : public QObject {
public:
    explicit TunePlayer(TuneOptions options = {}, QObject* parent = nullptr);
    ~TunePlayer() override;

    // Stops a tune still playing and starts this one. Throws MediaError when the sound font, the
    // file or the audio device cannot be opened.
    virtual void Play(const std::string& midiPath);
    bool Playing() const;
    void Stop();

private:
    struct Fluid;
    void OpenSynth();
    void OpenDriver();
    void ReleaseWhenDone();

    TuneOptions options_;
    std::unique_ptr<Fluid> fluid_;
    QTimer doneCheck_;
};

}  // namespace plivant
