// Small building blocks of the synthesised effects and music: oscillators
// with pitch glides, filtered noise, envelopes and seamless loops. Everything
// is deterministic, so a second run writes the same bytes.
#pragma once

#include "manifest.h"
#include "wav.h"

#include <cstdint>

namespace vocassets {

enum class Wave { Sine, Square, Saw, Triangle };

struct Envelope {
    double attack = 0.005; // seconds to full level
    double release = 0.05; // seconds from full level to silence at the end
    double decay = 0.0;    // > 0: exponential fall with this time constant instead of a hold
};

// A deterministic noise source.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    float Next(); // -1..1

  private:
    std::uint32_t state_;
};

double MidiToHz(double note);
Samples Silence(double seconds);
std::size_t ToSamples(double seconds);
double EnvelopeAt(const Envelope& env, double t, double duration);

struct Tone {
    double start = 0.0;    // seconds into the buffer
    double duration = 0.2; // seconds
    double fromHz = 440.0;
    double toHz = 440.0; // glides exponentially from fromHz
    Wave wave = Wave::Sine;
    double amplitude = 0.5;
    Envelope envelope{};
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0; // fraction of the pitch
    double tremoloHz = 0.0;    // amplitude wobble
    double tremoloDepth = 0.0; // 0..1
};

// Adds a tone; the buffer grows when the tone runs past its end.
void AddTone(Samples& out, const Tone& tone);

struct NoiseBurst {
    double start = 0.0;
    double duration = 0.2;
    double amplitude = 0.5;
    double lowHz = 0.0;     // high-pass corner, 0 for none
    double highHz = 8000.0; // low-pass corner
    Envelope envelope{};
    double tremoloHz = 0.0;
    double tremoloDepth = 0.0;
};

void AddNoise(Samples& out, const NoiseBurst& burst, Noise& noise);

// Two-pole resonator at a centre frequency, used for formants.
Samples Resonate(const Samples& in, double hz, double bandwidthHz);
// One-pole low-pass.
void LowPass(Samples& samples, double hz);

// Mixes b into a starting at offset seconds (a grows as needed).
void MixInto(Samples& a, const Samples& b, double offsetSeconds, double gain = 1.0);

// Turns a recording into a loop of the given length: the part past the loop's
// end is cross-faded into its beginning, so the last sample leads smoothly
// into the first.
Samples MakeLoop(const Samples& in, double loopSeconds, double fadeSeconds);

// Effects and music from their recipe.
Samples SynthesiseEffect(const RecordingRow& row);
Samples SynthesiseAnimal(int voice);
Samples SynthesiseJingle(int melody);
Samples SynthesiseTune(int tune);

} // namespace vocassets
