// Short jingles and the looping background tunes. Tunes are written as a
// number of whole beats, and what rings past the loop's end is folded into
// its start, so the loop has no click or gap.
#include "synth.h"

#include <iterator>
#include <span>

namespace vocassets {
namespace {

struct Step {
    int note;     // MIDI note; 0 is a rest
    double beats; // length
};

struct Line {
    std::span<const Step> steps;
    Wave wave;
    double amplitude;
    double decay; // seconds; 0 holds the note
};

// clang-format off
constexpr Step kJingleHouse[] = {{67, 1}, {72, 1}, {76, 2}};
constexpr Step kJingleSun[] = {{72, 1}, {76, 1}, {79, 1}, {84, 2}};
constexpr Step kJingleArrow[] = {{64, 1}, {67, 1}, {64, 1}, {67, 1}, {72, 2}};
constexpr Step kJingleFace[] = {{60, 1}, {64, 1}, {62, 1}, {65, 2}};
constexpr Step kJingleQuestion[] = {{67, 1}, {69, 1}, {71, 1}, {74, 2}};
constexpr Step kJingleHome[] = {{72, 1}, {67, 1}, {64, 1}, {60, 2}};
constexpr Step kJingleBalloon[] = {{60, 1}, {67, 1}, {72, 1}, {79, 2}};
constexpr Step kJingleExit[] = {{67, 1}, {64, 1}, {62, 1}, {55, 2}};
constexpr Step kJingleSunrise[] = {{60, 2}, {64, 2}, {67, 2}, {72, 2}, {76, 4}};
constexpr std::span<const Step> kJingles[] = {
    kJingleHouse, kJingleSun, kJingleArrow, kJingleFace, kJingleQuestion,
    kJingleHome, kJingleBalloon, kJingleExit, kJingleSunrise};

// Town music: a bouncy tune in G over a plucked bass, 16 beats.
constexpr Step kTownMelody[] = {{67, 1}, {71, 1}, {74, 1}, {74, 1}, {76, 1}, {74, 1}, {71, 2},
                                {72, 1}, {74, 1}, {76, 1}, {72, 1}, {71, 1}, {69, 1}, {67, 2}};
constexpr Step kTownBass[] = {{43, 1}, {50, 1}, {43, 1}, {50, 1}, {48, 1}, {55, 1}, {43, 1},
                              {50, 1}, {48, 1}, {55, 1}, {48, 1}, {55, 1}, {50, 1}, {57, 1},
                              {43, 1}, {50, 1}};
// Walking: a stepping bass line with a lazy tune, 12 beats.
constexpr Step kWalkMelody[] = {{72, 2}, {69, 1}, {67, 1}, {69, 2}, {0, 1}, {64, 1}, {67, 2},
                                {65, 1}, {64, 1}};
constexpr Step kWalkBass[] = {{48, 1}, {52, 1}, {55, 1}, {57, 1}, {53, 1}, {57, 1},
                              {60, 1}, {57, 1}, {55, 1}, {52, 1}, {50, 1}, {47, 1}};
// Circus march: quick chromatic runs over oom-pah, 16 beats.
constexpr Step kMarchMelody[] = {{72, 0.5}, {71, 0.5}, {70, 0.5}, {69, 0.5}, {68, 1},  {69, 1},
                                 {72, 0.5}, {71, 0.5}, {70, 0.5}, {69, 0.5}, {68, 1},  {69, 1},
                                 {76, 1},   {74, 1},   {72, 1},   {71, 1},   {69, 2},  {64, 2}};
constexpr Step kMarchBass[] = {{45, 1}, {57, 1}, {40, 1}, {57, 1}, {45, 1}, {57, 1}, {40, 1},
                               {57, 1}, {41, 1}, {57, 1}, {43, 1}, {59, 1}, {45, 1}, {57, 1},
                               {40, 1}, {56, 1}};
// Race: a driving riff over the engine, 12 beats.
constexpr Step kRaceMelody[] = {{64, 0.5}, {64, 0.5}, {67, 1}, {64, 0.5}, {62, 0.5}, {60, 1},
                                {64, 0.5}, {64, 0.5}, {67, 1}, {69, 1},   {67, 2},   {0, 4}};
constexpr Step kRaceBass[] = {{40, 0.5}, {40, 0.5}, {40, 0.5}, {40, 0.5}, {43, 0.5}, {43, 0.5},
                              {45, 0.5}, {45, 0.5}, {40, 0.5}, {40, 0.5}, {40, 0.5}, {40, 0.5},
                              {43, 0.5}, {43, 0.5}, {47, 0.5}, {47, 0.5}, {40, 0.5}, {40, 0.5},
                              {43, 0.5}, {43, 0.5}, {45, 0.5}, {45, 0.5}, {43, 0.5}, {43, 0.5}};
// clang-format on

struct Tune {
    double bpm;
    double beats;
    Line melody;
    Line bass;
    bool drums;
    bool engine;
};

const Tune kTunes[] = {
    {180,
     16,
     {kTownMelody, Wave::Triangle, 0.35, 0.25},
     {kTownBass, Wave::Sine, 0.45, 0.2},
     true,
     false},
    {140,
     12,
     {kWalkMelody, Wave::Triangle, 0.3, 0.4},
     {kWalkBass, Wave::Sine, 0.5, 0.25},
     false,
     false},
    {200,
     16,
     {kMarchMelody, Wave::Square, 0.18, 0.15},
     {kMarchBass, Wave::Triangle, 0.45, 0.12},
     true,
     false},
    {150,
     12,
     {kRaceMelody, Wave::Square, 0.15, 0.12},
     {kRaceBass, Wave::Saw, 0.3, 0.1},
     true,
     true},
};

void Play(Samples& out, const Line& line, double secondsPerBeat) {
    double beat = 0.0;
    for (const Step& step : line.steps) {
        double length = step.beats * secondsPerBeat;
        if (step.note > 0) {
            double hz = MidiToHz(step.note);
            Envelope env{0.005, std::min(0.08, length * 0.3), line.decay};
            AddTone(out, {beat * secondsPerBeat, length, hz, hz, line.wave, line.amplitude, env});
        }
        beat += step.beats;
    }
}

// Folds everything past the loop's end back onto its start.
Samples Wrap(const Samples& in, double loopSeconds) {
    std::size_t length = ToSamples(loopSeconds);
    Samples out(length, 0.0f);
    for (std::size_t i = 0; i < in.size(); ++i) {
        out[i % length] += in[i];
    }
    return out;
}

} // namespace

Samples SynthesiseJingle(int melody) {
    Samples out;
    Line line{kJingles[static_cast<std::size_t>(melody) % std::size(kJingles)], Wave::Triangle, 0.5,
              0.3};
    Play(out, line, 0.12);
    Line shadow = line;
    shadow.wave = Wave::Sine;
    shadow.amplitude = 0.2;
    Samples octave;
    Play(octave, shadow, 0.12);
    MixInto(out, Resample(octave, kSampleRate * 2), 0, 1.0);
    return out;
}

Samples SynthesiseTune(int number) {
    const Tune& tune = kTunes[static_cast<std::size_t>(number) % std::size(kTunes)];
    double secondsPerBeat = 60.0 / tune.bpm;
    double loop = tune.beats * secondsPerBeat;
    Samples out;
    Play(out, tune.melody, secondsPerBeat);
    Play(out, tune.bass, secondsPerBeat);
    if (tune.drums) {
        Noise noise(static_cast<std::uint32_t>(101 + number));
        for (int beat = 0; beat < int(tune.beats); ++beat) {
            double t = beat * secondsPerBeat;
            if (beat % 2 == 0) {
                AddTone(out, {t, 0.2, 110, 45, Wave::Sine, 0.6, {0.001, 0.05, 0.06}});
            } else {
                AddNoise(out, {t, 0.12, 0.35, 1500, 8000, {0.001, 0.03, 0.04}}, noise);
            }
        }
    }
    if (tune.engine) {
        Tone hum{0, loop, 65, 65, Wave::Saw, 0.12, {0.0, 0.0, 0}};
        hum.tremoloHz = 15;
        hum.tremoloDepth = 0.5;
        AddTone(out, hum);
    }
    return Wrap(out, loop);
}

} // namespace vocassets
