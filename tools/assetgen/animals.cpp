// The circus animals' noises: a buzzing voice with a pitch glide, shaped by
// two formants, repeated as the animal calls; breathy ones mix in noise.
#include "synth.h"

#include <algorithm>
#include <iterator>

namespace vocassets {
namespace {

struct Voice {
    const char* animal; // for the reader: the noise's file is "<animal>.wav"
    double fromHz;
    double toHz;
    double seconds; // one call
    int calls;
    double gap; // seconds between calls
    Wave wave;
    double breath; // 0 voiced .. 1 pure noise
    double vibratoHz;
    double vibratoDepth;
    double tremoloHz;
    double formant1;
    double formant2;
};

// clang-format off
constexpr Voice kVoices[] = {
    {"camel",     180, 120, 0.70, 2, 0.15, Wave::Saw,      0.3, 9,  0.06, 0,  500,  1100},
    {"cow",       140, 110, 1.20, 1, 0.00, Wave::Saw,      0.1, 4,  0.02, 0,  400,  800},
    {"coyote",    500, 900, 1.10, 1, 0.00, Wave::Sine,     0.0, 6,  0.04, 0,  900,  2000},
    {"crocodile",  80,  70, 0.40, 3, 0.12, Wave::Square,   0.5, 0,  0.00, 30, 300,  700},
    {"deer",      700, 500, 0.30, 2, 0.25, Wave::Saw,      0.1, 10, 0.05, 0,  900,  2200},
    {"dolphin",  1800, 3200,0.25, 3, 0.08, Wave::Sine,     0.0, 20, 0.10, 0,  2500, 4000},
    {"frog",      120, 100, 0.35, 3, 0.10, Wave::Square,   0.2, 0,  0.00, 40, 500,  1300},
    {"hyena",     600, 400, 0.15, 6, 0.05, Wave::Saw,      0.1, 0,  0.00, 0,  800,  1800},
    {"lobster",  3000, 3000,0.02, 10,0.06, Wave::Square,   0.9, 0,  0.00, 0,  3000, 5000},
    {"pig",       250, 200, 0.22, 3, 0.12, Wave::Square,   0.3, 0,  0.00, 25, 600,  1200},
    {"rhino",     100,  80, 0.60, 1, 0.00, Wave::Saw,      0.8, 0,  0.00, 12, 400,  900},
    {"sheep",     350, 330, 0.80, 1, 0.00, Wave::Saw,      0.1, 7,  0.08, 0,  700,  1600},
    {"walrus",     90,  70, 0.90, 2, 0.20, Wave::Saw,      0.3, 0,  0.00, 15, 350,  750},
    {"rabbit",   1200, 1500,0.08, 4, 0.15, Wave::Sine,     0.4, 0,  0.00, 0,  1500, 3000},
    {"cat",       500, 750, 0.75, 1, 0.00, Wave::Saw,      0.05,5,  0.03, 0,  900,  2100},
    {"dog",       350, 250, 0.16, 2, 0.18, Wave::Saw,      0.35,0,  0.00, 0,  700,  1500},
    {"eagle",    2200, 1500,0.55, 2, 0.15, Wave::Saw,      0.1, 30, 0.05, 0,  2400, 3500},
    {"elephant",  450, 700, 1.10, 1, 0.00, Wave::Saw,      0.15,8,  0.06, 0,  1000, 2400},
    {"hippo",      70,  55, 0.80, 2, 0.20, Wave::Square,   0.4, 0,  0.00, 18, 250,  600},
    {"horse",     900, 400, 1.20, 1, 0.00, Wave::Saw,      0.1, 14, 0.10, 0,  800,  1900},
    {"kangaroo",  150, 120, 0.12, 4, 0.25, Wave::Sine,     0.6, 0,  0.00, 0,  300,  800},
    {"lion",      110,  80, 1.30, 1, 0.00, Wave::Saw,      0.5, 20, 0.10, 0,  450,  1000},
    {"snake",    4000, 4000,1.30, 1, 0.00, Wave::Sine,     1.0, 0,  0.00, 0,  4000, 6000},
    {"tiger",     130,  90, 1.10, 1, 0.00, Wave::Saw,      0.55,22, 0.12, 0,  500,  1100},
};
// clang-format on

} // namespace

Samples SynthesiseAnimal(int voice) {
    const Voice& v = kVoices[static_cast<std::size_t>(voice) % std::size(kVoices)];
    Samples source;
    Noise noise(static_cast<std::uint32_t>(voice * 7919 + 3));
    for (int call = 0; call < v.calls; ++call) {
        double start = call * (v.seconds + v.gap);
        Envelope env{std::min(0.05, v.seconds * 0.2), std::min(0.15, v.seconds * 0.4), 0};
        Tone tone{start, v.seconds, v.fromHz, v.toHz, v.wave, 0.6 * (1.0 - v.breath), env};
        tone.vibratoHz = v.vibratoHz;
        tone.vibratoDepth = v.vibratoDepth;
        tone.tremoloHz = v.tremoloHz;
        tone.tremoloDepth = v.tremoloHz > 0 ? 0.8 : 0.0;
        AddTone(source, tone);
        if (v.breath > 0) {
            NoiseBurst burst{start, v.seconds, 0.8 * v.breath, 100, 7000, env};
            burst.tremoloHz = v.tremoloHz;
            burst.tremoloDepth = tone.tremoloDepth;
            AddNoise(source, burst, noise);
        }
    }
    Samples shaped = Resonate(source, v.formant1, v.formant1 * 0.5);
    MixInto(shaped, Resonate(source, v.formant2, v.formant2 * 0.4), 0, 0.7);
    MixInto(shaped, source, 0, 0.15);
    return shaped;
}

} // namespace vocassets
