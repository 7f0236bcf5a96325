// The sound mix: what it costs to render one second of the game's three
// channels playing at once (voice and effects once, music looped; 22,050 Hz
// mono 16-bit recordings as the pack's, mixed to 44,100 Hz stereo), as a
// fraction of that second.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench.h"
#include "platform/dsound.h"
#include "platform/dsound_testing.h"

namespace bench {

namespace {

constexpr int kRuns = 40;
constexpr DWORD kRate = 22050;

void Check(HRESULT result, const char* what) {
    if (result != DS_OK) {
        std::fprintf(stderr, "vocabuloon-bench: %s failed (0x%08X)\n", what, unsigned(result));
        std::exit(1);
    }
}

IDirectSoundBuffer* Recording(IDirectSound* directSound, double seconds, double pitch) {
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, kRate, kRate * 2, 2, 16, 0};
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME;
    description.dwBufferBytes = DWORD(seconds * kRate) * 2;
    description.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    Check(directSound->CreateSoundBuffer(&description, &buffer, nullptr), "CreateSoundBuffer");
    LPVOID part = nullptr;
    DWORD bytes = 0;
    Check(buffer->Lock(0, 0, &part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), "Lock");
    std::vector<int16_t> samples(bytes / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(8000 * std::sin(double(i) * pitch));
    std::memcpy(part, samples.data(), bytes);
    Check(buffer->Unlock(part, bytes, nullptr, 0), "Unlock");
    return buffer;
}

} // namespace

void SoundFigures() {
    IDirectSound* directSound = nullptr;
    Check(DirectSoundCreate(nullptr, &directSound, nullptr), "DirectSoundCreate");
    Check(directSound->SetCooperativeLevel(reinterpret_cast<HWND>(uintptr_t(1)), DSSCL_EXCLUSIVE),
          "SetCooperativeLevel");
    IDirectSoundBuffer* voice = Recording(directSound, 3.0, 0.05);
    IDirectSoundBuffer* effects = Recording(directSound, 3.0, 0.11);
    IDirectSoundBuffer* music = Recording(directSound, 0.7, 0.02);
    Check(voice->Play(0, 0, 0), "Play");
    Check(effects->Play(0, 0, 0), "Play");
    Check(music->SetVolume(-1000), "SetVolume"); // ducked under the voice
    Check(music->Play(0, 0, DSBPLAY_LOOPING), "Play");

    const size_t frames = size_t(platform::testhooks::SoundMixRate());
    const DWORD start = timeGetTime();
    int16_t sink = 0;
    const double second = MedianMicroseconds(kRuns, [&] {
        std::vector<int16_t> mixed = platform::testhooks::MixSound(start, frames);
        sink = int16_t(sink ^ mixed[mixed.size() / 3]);
    });
    if (sink == 12345)
        std::puts("");

    PrintFigure("mix of 1 s of voice, effects and looped music (44.1 kHz)", second);
    // Far below 1: more digits than PrintRatio gives.
    std::printf("%-58s %10.5f\n", "real-time factor: mixing time / 1 s", second / 1e6);

    voice->Release();
    effects->Release();
    music->Release();
    directSound->Release();
}

} // namespace bench
