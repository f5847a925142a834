// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the completion sound: a soft two-note chime (G5 then C6, each a
// sine with two quieter overtones and a bell-like decay), 16-bit mono PCM
// at 44.1 kHz, about 0.9 s. Made at build time so the sound is ours and
// needs no recording tool.
//
//   make_chime OUTPUT.wav

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 0.9;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double start;      // seconds
    double frequency;  // Hz
    double level;
};

double noteAt(const Note &note, double t)
{
    const double local = t - note.start;
    if (local < 0)
        return 0;
    const double attack = std::fmin(local / 0.006, 1.0);  // no click at the onset
    const double decay = std::exp(-local / 0.22);
    const double w = 2 * kPi * note.frequency * local;
    const double tone = std::sin(w) + 0.30 * std::sin(2 * w) * std::exp(-local / 0.08) + 0.10 * std::sin(3 * w);
    return note.level * attack * decay * tone;
}

void put16(std::FILE *out, std::uint16_t v)
{
    std::fputc(v & 0xFF, out);
    std::fputc(v >> 8, out);
}

void put32(std::FILE *out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chime OUTPUT.wav\n");
        return 2;
    }
    const Note notes[] = {{0.0, 783.99, 0.55}, {0.14, 1046.50, 0.45}};
    const int count = int(kRate * kSeconds);
    std::vector<std::int16_t> samples(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const Note &note : notes)
            v += noteAt(note, t);
        // The last 50 ms fade to silence, so the end does not click either.
        v *= std::fmin((kSeconds - t) / 0.05, 1.0);
        samples[i] = std::int16_t(std::lround(std::fmax(-1.0, std::fmin(1.0, v * 0.5)) * 32767));
    }

    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const std::uint32_t dataBytes = std::uint32_t(count) * 2;
    std::fwrite("RIFF", 1, 4, out);
    put32(out, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, out);
    put32(out, 16);
    put16(out, 1);  // integer PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    std::fwrite("data", 1, 4, out);
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, std::uint16_t(s));
    const bool failed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 || failed) {
        std::perror(argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
