#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vocassets {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Oscillator(Wave wave, double phase) {
    double cycle = phase / kTwoPi;
    cycle -= std::floor(cycle);
    switch (wave) {
    case Wave::Sine:
        return std::sin(phase);
    case Wave::Square:
        return cycle < 0.5 ? 0.7 : -0.7;
    case Wave::Saw:
        return 2.0 * cycle - 1.0;
    case Wave::Triangle:
        return cycle < 0.5 ? 4.0 * cycle - 1.0 : 3.0 - 4.0 * cycle;
    }
    return 0.0;
}

void Grow(Samples& out, std::size_t size) {
    if (out.size() < size) {
        out.resize(size, 0.0f);
    }
}

} // namespace

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

std::size_t ToSamples(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

Samples Silence(double seconds) {
    return Samples(ToSamples(seconds), 0.0f);
}

double EnvelopeAt(const Envelope& env, double t, double duration) {
    double level = 1.0;
    if (env.attack > 0 && t < env.attack) {
        level = t / env.attack;
    }
    if (env.decay > 0) {
        level *= std::exp(-std::max(0.0, t - env.attack) / env.decay);
    }
    double untilEnd = duration - t;
    if (env.release > 0 && untilEnd < env.release) {
        level *= std::max(0.0, untilEnd / env.release);
    }
    return level;
}

void AddTone(Samples& out, const Tone& tone) {
    std::size_t first = ToSamples(tone.start);
    std::size_t count = ToSamples(tone.duration);
    Grow(out, first + count);
    double phase = 0.0;
    double ratio = tone.toHz / tone.fromHz;
    for (std::size_t i = 0; i < count; ++i) {
        double t = double(i) / kSampleRate;
        double progress = tone.duration > 0 ? t / tone.duration : 0.0;
        double hz = tone.fromHz * std::pow(ratio, progress);
        if (tone.vibratoHz > 0) {
            hz *= 1.0 + tone.vibratoDepth * std::sin(kTwoPi * tone.vibratoHz * t);
        }
        phase += kTwoPi * hz / kSampleRate;
        double level = tone.amplitude * EnvelopeAt(tone.envelope, t, tone.duration);
        if (tone.tremoloHz > 0) {
            level *= 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * tone.tremoloHz * t));
        }
        out[first + i] += static_cast<float>(level * Oscillator(tone.wave, phase));
    }
}

void AddNoise(Samples& out, const NoiseBurst& burst, Noise& noise) {
    std::size_t first = ToSamples(burst.start);
    std::size_t count = ToSamples(burst.duration);
    Grow(out, first + count);
    double lowAlpha = 1.0 - std::exp(-kTwoPi * burst.highHz / kSampleRate);
    double highAlpha = burst.lowHz > 0 ? 1.0 - std::exp(-kTwoPi * burst.lowHz / kSampleRate) : 0.0;
    double low = 0.0;
    double floor = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        double t = double(i) / kSampleRate;
        low += lowAlpha * (noise.Next() - low);
        floor += highAlpha * (low - floor);
        double level = burst.amplitude * EnvelopeAt(burst.envelope, t, burst.duration);
        if (burst.tremoloHz > 0) {
            level *=
                1.0 - burst.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * burst.tremoloHz * t));
        }
        out[first + i] += static_cast<float>(level * (low - floor) * 2.0);
    }
}

Samples Resonate(const Samples& in, double hz, double bandwidthHz) {
    double r = std::exp(-std::numbers::pi * bandwidthHz / kSampleRate);
    double a1 = 2.0 * r * std::cos(kTwoPi * hz / kSampleRate);
    double a2 = -r * r;
    double gain = 1.0 - r;
    Samples out(in.size());
    double y1 = 0.0;
    double y2 = 0.0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        double y = gain * in[i] + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        out[i] = static_cast<float>(y);
    }
    return out;
}

void LowPass(Samples& samples, double hz) {
    double alpha = 1.0 - std::exp(-kTwoPi * hz / kSampleRate);
    double y = 0.0;
    for (float& s : samples) {
        y += alpha * (s - y);
        s = static_cast<float>(y);
    }
}

void MixInto(Samples& a, const Samples& b, double offsetSeconds, double gain) {
    std::size_t first = ToSamples(offsetSeconds);
    Grow(a, first + b.size());
    for (std::size_t i = 0; i < b.size(); ++i) {
        a[first + i] += static_cast<float>(b[i] * gain);
    }
}

Samples MakeLoop(const Samples& in, double loopSeconds, double fadeSeconds) {
    std::size_t length = ToSamples(loopSeconds);
    std::size_t fade = ToSamples(fadeSeconds);
    Samples source = in;
    Grow(source, length + fade);
    Samples out(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(length));
    // The loop's head takes over from what would have followed its end.
    for (std::size_t i = 0; i < fade && i < length; ++i) {
        double t = double(i) / double(fade);
        out[i] = static_cast<float>(source[i] * t + source[length + i] * (1.0 - t));
    }
    return out;
}

} // namespace vocassets
