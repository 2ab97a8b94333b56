#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "support/WaitFor.h"
#include "ui/TunePlayer.h"

namespace plivant::test {
namespace {

using namespace std::chrono_literals;

// The synthesizer's "file" driver writes what would go to the sound card, in real time.
TuneOptions FileOutput(const std::string& path) {
    TuneOptions options;
    options.AudioDrivers = {"file"};
    options.Settings = {{"audio.file.name", path},
                        {"audio.file.type", "raw"},
                        {"audio.file.format", "s16"},
                        {"audio.file.endian", "little"}};
    return options;
}

std::vector<int16_t> Samples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

TEST(TunePlayer, TheTuneIsAudible) {
    QTemporaryDir dir;
    std::string out = dir.filePath("tune.raw").toStdString();
    {
        TunePlayer player(FileOutput(out));
        player.Play(PLIVANT_TUNE_FILE);  // returns at once
        EXPECT_TRUE(player.Playing());
        // Rendering keeps to real time only roughly on a loaded machine: wait for the samples.
        const auto written = [&out] { return std::ifstream(out, std::ios::ate).tellg(); };
        WaitFor([&] { return written() >= std::streamoff(44100 * 2 * 2 * 7 / 10); }, 10s);
    }
    std::vector<int16_t> samples = Samples(out);
    ASSERT_GT(samples.size(), 44100u / 2);  // stereo, so a quarter second at least
    int loudest = 0;
    size_t sounding = 0;
    for (int16_t s : samples) {
        loudest = std::max(loudest, std::abs(int(s)));
        if (std::abs(int(s)) > 300) ++sounding;
    }
    EXPECT_GT(loudest, 3000);
    EXPECT_GT(sounding, samples.size() / 10);
}

TEST(TunePlayer, MediaErrorsCarryTheReason) {
    QTemporaryDir dir;
    std::string notMidi = dir.filePath("message.mid").toStdString();
    std::ofstream(notMidi) << "not a tune";
    TunePlayer player(FileOutput(dir.filePath("out.raw").toStdString()));
    EXPECT_THROW(player.Play(notMidi), MediaError);

    // A device that cannot be opened: the file driver's folder does not exist.
    TunePlayer noDevice(FileOutput("/nonexistent/folder/out.raw"));
    try {
        noDevice.Play(PLIVANT_TUNE_FILE);
        FAIL() << "no error";
    } catch (const MediaError& e) {
        EXPECT_STRNE(e.what(), "");
    }
    EXPECT_FALSE(noDevice.Playing());
}

}  // namespace
}  // namespace plivant::test
