// The recipes of the synthesised effects: clicks, pops, slides, chimes, crowd,
// splashes, engines, sirens, horns and the like.
#include "synth.h"

#include <cmath>

namespace vocassets {
namespace {

constexpr double kLoopSeconds = 3.0;
constexpr double kLoopFade = 0.25;

Samples Click(double hz) {
    Samples s;
    Noise noise(11);
    AddTone(s, {0, 0.06, hz, hz * 0.7, Wave::Square, 0.5, {0.001, 0.01, 0.015}});
    AddNoise(s, {0, 0.03, 0.3, 1500, 9000, {0.001, 0.01, 0.006}}, noise);
    return s;
}

Samples Pop(double hz) {
    Samples s;
    Noise noise(static_cast<std::uint32_t>(hz));
    AddTone(s, {0, 0.18, hz * 2.2, hz, Wave::Sine, 0.8, {0.002, 0.05, 0.05}});
    AddNoise(s, {0, 0.05, 0.5, 300, 6000, {0.001, 0.02, 0.012}}, noise);
    return s;
}

Samples Boing(double hz) {
    Samples s;
    Tone t{0, 0.6, hz, hz * 1.6, Wave::Triangle, 0.6, {0.005, 0.2, 0.25}};
    t.vibratoHz = 14;
    t.vibratoDepth = 0.08;
    AddTone(s, t);
    return s;
}

Samples Whoosh(double direction, double seconds) {
    Samples s;
    Noise noise(direction > 0 ? 21 : 22);
    double lowHz = direction > 0 ? 300 : 2500;
    double highHz = direction > 0 ? 2500 : 300;
    AddNoise(s, {0, seconds, 0.6, 100, 3000, {seconds * 0.4, seconds * 0.4, 0}}, noise);
    Tone t{0, seconds, lowHz, highHz, Wave::Sine, 0.35, {seconds * 0.2, seconds * 0.3, 0}};
    AddTone(s, t);
    return s;
}

Samples Chime(double root, double direction) {
    Samples s;
    const double steps[] = {0, 4, 7, 12};
    for (int i = 0; i < 4; ++i) {
        double note = direction > 0 ? root + steps[i] : root + steps[3 - i];
        Tone t{i * 0.08, 0.5, MidiToHz(note), MidiToHz(note), Wave::Sine, 0.4, {0.003, 0.1, 0.18}};
        AddTone(s, t);
        t.fromHz = t.toHz = MidiToHz(note + 12);
        t.amplitude = 0.12;
        AddTone(s, t);
    }
    return s;
}

Samples Cheer() {
    Samples s;
    Noise noise(31);
    AddNoise(s, {0, 1.5, 0.6, 400, 3500, {0.15, 0.5, 0}, 5.5, 0.5}, noise);
    for (int i = 0; i < 9; ++i) {
        double start = 0.05 + i * 0.13;
        double hz = 500 + (i * 137) % 400;
        Tone t{start, 0.35, hz, hz * 1.3, Wave::Saw, 0.08, {0.03, 0.15, 0}};
        t.vibratoHz = 7;
        t.vibratoDepth = 0.03;
        AddTone(s, t);
    }
    for (int i = 0; i < 14; ++i) {
        AddNoise(s, {0.1 + i * 0.09, 0.03, 0.5, 800, 5000, {0.001, 0.01, 0.008}}, noise);
    }
    return s;
}

Samples Tada() {
    Samples s;
    for (double note : {60.0, 64.0, 67.0, 72.0}) {
        AddTone(
            s,
            {0, 0.12, MidiToHz(note - 2), MidiToHz(note - 2), Wave::Saw, 0.12, {0.005, 0.03, 0}});
        Tone t{0.16, 0.9, MidiToHz(note), MidiToHz(note), Wave::Saw, 0.14, {0.01, 0.4, 0}};
        t.vibratoHz = 5;
        t.vibratoDepth = 0.006;
        AddTone(s, t);
    }
    LowPass(s, 3000);
    return s;
}

Samples Buzz() {
    Samples s;
    AddTone(s, {0, 0.22, 150, 140, Wave::Square, 0.4, {0.005, 0.03, 0}});
    AddTone(s, {0.26, 0.4, 140, 110, Wave::Square, 0.4, {0.005, 0.1, 0}});
    LowPass(s, 1800);
    return s;
}

Samples Splash(double size) {
    Samples s;
    Noise noise(size > 1 ? 42 : 41);
    double length = size > 1 ? 0.6 : 1.1;
    AddNoise(s, {0, length, 0.8, 200, 4000, {0.005, 0.2, length * 0.3}}, noise);
    for (int i = 0; i < 8; ++i) {
        double hz = 700 + (i * 311) % 900;
        AddTone(s, {0.08 + i * 0.06, 0.08, hz, hz * 1.8, Wave::Sine, 0.2, {0.002, 0.03, 0.03}});
    }
    return s;
}

Samples Thump(double hz) {
    Samples s;
    Noise noise(static_cast<std::uint32_t>(hz) + 5);
    AddTone(s, {0, 0.35, hz, hz * 0.5, Wave::Sine, 0.9, {0.002, 0.1, 0.08}});
    AddNoise(s, {0, 0.08, 0.4, 100, 2500, {0.001, 0.03, 0.02}}, noise);
    return s;
}

Samples Roar(double hz) {
    Samples s;
    Noise noise(51);
    Tone t{0, 1.4, hz, hz * 0.7, Wave::Saw, 0.5, {0.15, 0.5, 0}};
    t.vibratoHz = 23;
    t.vibratoDepth = 0.12;
    AddTone(s, t);
    AddNoise(s, {0, 1.4, 0.5, 80, 1200, {0.2, 0.5, 0}, 23, 0.5}, noise);
    Samples shaped = Resonate(s, 500, 300);
    MixInto(shaped, Resonate(s, 1100, 400), 0, 0.6);
    return shaped;
}

Samples Boom() {
    Samples s;
    Noise noise(61);
    AddNoise(s, {0, 1.2, 1.0, 20, 700, {0.002, 0.3, 0.3}}, noise);
    AddTone(s, {0, 0.8, 90, 35, Wave::Sine, 0.9, {0.002, 0.2, 0.25}});
    return s;
}

Samples DrumRoll() {
    Samples s;
    Noise noise(71);
    double total = kLoopSeconds + kLoopFade + 0.1;
    for (double t = 0; t < total; t += 0.045) {
        AddNoise(s, {t, 0.06, 0.55, 600, 6000, {0.001, 0.02, 0.025}}, noise);
        AddTone(s, {t, 0.05, 190, 170, Wave::Triangle, 0.2, {0.001, 0.02, 0.02}});
    }
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Engine(double hz, bool revving) {
    Samples s;
    Noise noise(static_cast<std::uint32_t>(hz * 10));
    double total = kLoopSeconds + kLoopFade + 0.1;
    if (revving) {
        // Revs up over the first half and settles, so the loop keeps its pulse.
        Tone up{0, total / 2, hz, hz * 1.35, Wave::Saw, 0.45, {0.02, 0.0, 0}};
        up.tremoloHz = hz / 4;
        up.tremoloDepth = 0.5;
        AddTone(s, up);
        Tone down{total / 2, total / 2, hz * 1.35, hz, Wave::Saw, 0.45, {0.0, 0.05, 0}};
        down.tremoloHz = hz / 4;
        down.tremoloDepth = 0.5;
        AddTone(s, down);
    } else {
        Tone t{0, total, hz, hz, Wave::Saw, 0.45, {0.02, 0.05, 0}};
        t.tremoloHz = hz / 4;
        t.tremoloDepth = 0.5;
        t.vibratoHz = 0.7;
        t.vibratoDepth = 0.03;
        AddTone(s, t);
    }
    AddNoise(s, {0, total, 0.25, 40, 900, {0.02, 0.05, 0}, hz / 4, 0.6}, noise);
    LowPass(s, 1400);
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Siren(double lowHz, double highHz) {
    Samples s;
    double total = kLoopSeconds + kLoopFade + 0.1;
    const double half = 0.5;
    for (double t = 0; t < total; t += 2 * half) {
        AddTone(s, {t, half, lowHz, lowHz, Wave::Triangle, 0.35, {0.02, 0.02, 0}});
        AddTone(s, {t + half, half, highHz, highHz, Wave::Triangle, 0.35, {0.02, 0.02, 0}});
    }
    Samples engine = Engine(60, false);
    MixInto(s, engine, 0, 0.4);
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Horn(double hz) {
    Samples s;
    for (double t : {0.0, 0.3}) {
        AddTone(s, {t, 0.22, hz, hz, Wave::Square, 0.3, {0.01, 0.03, 0}});
        AddTone(s, {t, 0.22, hz * 1.26, hz * 1.26, Wave::Square, 0.25, {0.01, 0.03, 0}});
    }
    LowPass(s, 2500);
    return s;
}

Samples Bell(double hz) {
    Samples s;
    for (double t : {0.0, 0.18}) {
        AddTone(s, {t, 0.5, hz, hz, Wave::Sine, 0.4, {0.001, 0.1, 0.12}});
        AddTone(s, {t, 0.5, hz * 2.76, hz * 2.76, Wave::Sine, 0.15, {0.001, 0.1, 0.06}});
    }
    return s;
}

Samples Propeller() {
    Samples s;
    Noise noise(81);
    double total = kLoopSeconds + kLoopFade + 0.1;
    Tone t{0, total, 95, 95, Wave::Saw, 0.35, {0.02, 0.05, 0}};
    t.tremoloHz = 24;
    t.tremoloDepth = 0.7;
    AddTone(s, t);
    AddNoise(s, {0, total, 0.3, 100, 1500, {0.02, 0.05, 0}, 24, 0.7}, noise);
    LowPass(s, 2000);
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Warble() {
    Samples s;
    double total = kLoopSeconds + kLoopFade + 0.1;
    Tone t{0, total, 700, 700, Wave::Sine, 0.4, {0.02, 0.05, 0}};
    t.vibratoHz = 6;
    t.vibratoDepth = 0.25;
    AddTone(s, t);
    Tone u{0, total, 1050, 1050, Wave::Triangle, 0.15, {0.02, 0.05, 0}};
    u.vibratoHz = 3;
    u.vibratoDepth = 0.2;
    AddTone(s, u);
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Chain(bool racing) {
    Samples s;
    Noise noise(racing ? 92 : 91);
    double total = kLoopSeconds + kLoopFade + 0.1;
    double step = racing ? 0.06 : 0.11;
    for (double t = 0; t < total; t += step) {
        AddNoise(s, {t, 0.02, 0.5, 2000, 8000, {0.001, 0.01, 0.005}}, noise);
    }
    if (!racing) {
        Samples bell = Bell(2000);
        MixInto(s, bell, 1.0, 0.6);
    }
    return MakeLoop(s, kLoopSeconds, kLoopFade);
}

Samples Note(double midi) {
    Samples s;
    double hz = MidiToHz(midi);
    AddTone(s, {0, 0.6, hz, hz, Wave::Triangle, 0.5, {0.005, 0.15, 0.25}});
    AddTone(s, {0, 0.6, hz * 2, hz * 2, Wave::Sine, 0.15, {0.005, 0.15, 0.15}});
    return s;
}

} // namespace

Samples SynthesiseEffect(const RecordingRow& row) {
    switch (row.fx) {
    case Fx::Click:
        return Click(row.a);
    case Fx::Pop:
        return Pop(row.a);
    case Fx::Boing:
        return Boing(row.a);
    case Fx::Whoosh:
        return Whoosh(row.a, row.b);
    case Fx::Chime:
        return Chime(row.a, row.b);
    case Fx::Jingle:
        return SynthesiseJingle(static_cast<int>(row.a));
    case Fx::Cheer:
        return Cheer();
    case Fx::Tada:
        return Tada();
    case Fx::Buzz:
        return Buzz();
    case Fx::Splash:
        return Splash(row.a);
    case Fx::Thump:
        return Thump(row.a);
    case Fx::Roar:
        return Roar(row.a);
    case Fx::Boom:
        return Boom();
    case Fx::DrumRoll:
        return DrumRoll();
    case Fx::Engine:
        return Engine(row.a, row.b > 0);
    case Fx::Siren:
        return Siren(row.a, row.b);
    case Fx::Horn:
        return Horn(row.a);
    case Fx::Bell:
        return Bell(row.a);
    case Fx::Propeller:
        return Propeller();
    case Fx::Warble:
        return Warble();
    case Fx::Chain:
        return Chain(row.a > 0);
    case Fx::Animal:
        return SynthesiseAnimal(static_cast<int>(row.a));
    case Fx::Note:
        return Note(row.a);
    case Fx::Tune:
        return SynthesiseTune(static_cast<int>(row.a));
    case Fx::None:
        break;
    }
    return Silence(0.1);
}

} // namespace vocassets
