// plivant-tune-generator: writes "message.mid", the popup's notification tune: a rising
// C major arpeggio on a vibraphone that settles on a sixth, over a soft electric piano note.
// About two seconds long, as a standard MIDI file of format 0.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kTicksPerQuarter = 96;
constexpr uint32_t kMicrosPerQuarter = 500000;  // 120 beats a minute
constexpr int kEighth = kTicksPerQuarter / 2;

struct Event {
    int Tick;
    std::vector<uint8_t> Bytes;
};

struct Note {
    int Channel, Key, Velocity, Start, Length;
};

void PutBigEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += char((value >> (8 * i)) & 0xFF);
}

// A delta time as a variable-length quantity: seven bits a byte, high bit on all but the last.
void PutDelta(std::string& out, uint32_t value) {
    std::string bytes(1, char(value & 0x7F));
    while (value >>= 7) bytes.insert(bytes.begin(), char((value & 0x7F) | 0x80));
    out += bytes;
}

std::vector<Event> TuneEvents() {
    const uint8_t vibraphone = 11, electricPiano = 4;  // General MIDI programs, from zero
    const Note notes[] = {
        {0, 76, 88, 0 * kEighth, kEighth},       // E5
        {0, 79, 92, 1 * kEighth, kEighth},       // G5
        {0, 84, 96, 2 * kEighth, kEighth},       // C6
        {0, 88, 100, 3 * kEighth, 4 * kEighth},  // E6 over
        {0, 81, 72, 3 * kEighth, 4 * kEighth},   // A5: the sixth
        {1, 60, 48, 0, 7 * kEighth},             // C4 under it all
    };
    std::vector<Event> events = {
        {0,
         {0xFF, 0x51, 0x03, uint8_t(kMicrosPerQuarter >> 16), uint8_t(kMicrosPerQuarter >> 8),
          uint8_t(kMicrosPerQuarter)}},
        {0, {0xC0, vibraphone}},
        {0, {0xC1, electricPiano}},
    };
    for (const Note& n : notes) {
        events.push_back(
            {n.Start, {uint8_t(0x90 | n.Channel), uint8_t(n.Key), uint8_t(n.Velocity)}});
        events.push_back({n.Start + n.Length, {uint8_t(0x80 | n.Channel), uint8_t(n.Key), 64}});
    }
    // Events at the same tick keep the order above: a note ends before the next one starts.
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.Tick < b.Tick; });
    int last = events.back().Tick;
    events.push_back({last + kEighth, {0xFF, 0x2F, 0x00}});
    return events;
}

std::string MidiFile(const std::vector<Event>& events) {
    std::string track;
    int tick = 0;
    for (const Event& e : events) {
        PutDelta(track, uint32_t(e.Tick - tick));
        tick = e.Tick;
        track.append(e.Bytes.begin(), e.Bytes.end());
    }
    std::string file = "MThd";
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 0, 2);  // format 0: one track
    PutBigEndian(file, 1, 2);
    PutBigEndian(file, kTicksPerQuarter, 2);
    file += "MTrk";
    PutBigEndian(file, uint32_t(track.size()), 4);
    return file + track;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: plivant-tune-generator OUTPUT.mid\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << MidiFile(TuneEvents());
    if (!out.flush()) {
        std::fprintf(stderr, "plivant-tune-generator: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
