// The output device of a window: SDL's audio callback renders the mix a
// little behind the program's clock, so that what it plays is what the
// buffers' positions say, recordings started just now included.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/dsound_mixer.h"
#include "platform/host_state.h"
#include "platform/mmsystem.h"

namespace platform::dsound {

namespace {

constexpr int kDeviceFrames = 1024;

struct Output {
    SDL_AudioDeviceID device = 0;
    int rate = kMixRate;
    bool clockSet = false;
    DWORD renderMs = 0;        // program time of the next frame to render
    double renderFraction = 0; // and its part of a millisecond
    std::vector<float> mix;
};

Output& TheOutput() {
    // Never destroyed: the device may be closed by the game's global destructors.
    static Output* output = new Output;
    return *output;
}

void SaySilentOnce(const char* why) {
    static bool said = false;
    if (said)
        return;
    said = true;
    std::fprintf(stderr, "vocabuloon: no sound device (%s); the game plays in silence\n", why);
}

// Keeps the render clock one callback's length (and a little) behind the
// program's clock: a recording started at t is rendered only after t has
// passed, so none loses its start. A clock that has run away (the device
// stalled, the program was paused) is set again.
void KeepInStep(Output& output, size_t frames) {
    const double chunkMs = double(frames) * 1000.0 / output.rate;
    const DWORD target = timeGetTime() - DWORD(chunkMs + 2.0);
    const int32_t drift = int32_t(target - output.renderMs);
    if (!output.clockSet || std::abs(double(drift)) > 3 * chunkMs + 10) {
        output.renderMs = target;
        output.renderFraction = 0;
        output.clockSet = true;
    }
}

void Advance(Output& output, size_t frames) {
    output.renderFraction += double(frames) * 1000.0 / output.rate;
    const double whole = std::floor(output.renderFraction);
    output.renderMs += DWORD(whole);
    output.renderFraction -= whole;
}

void SDLCALL Render(void* userdata, Uint8* stream, int length) {
    Output& output = *static_cast<Output*>(userdata);
    const size_t frames = size_t(length) / (2 * sizeof(int16_t));
    if (output.mix.size() < 2 * frames)
        output.mix.resize(2 * frames);
    KeepInStep(output, frames);
    RenderMix(output.renderMs, output.renderFraction, output.rate, output.mix.data(), frames);
    Advance(output, frames);
    int16_t* samples = reinterpret_cast<int16_t*>(stream);
    for (size_t i = 0; i < 2 * frames; ++i)
        samples[i] =
            int16_t(std::lround(std::clamp(output.mix[i], -1.0f, 32767.0f / 32768.0f) * 32768.0f));
}

} // namespace

void OpenOutput() {
    HostState& host = Host();
    Output& output = TheOutput();
    if (!host.started || host.options.headless || output.device)
        return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SaySilentOnce(SDL_GetError());
        return;
    }
    SDL_AudioSpec wanted = {};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kDeviceFrames;
    wanted.callback = Render;
    wanted.userdata = &output;
    SDL_AudioSpec obtained = {};
    output.device =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!output.device) {
        SaySilentOnce(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    output.rate = obtained.freq;
    output.clockSet = false;
    output.mix.assign(2 * size_t(obtained.samples), 0.0f);
    SDL_PauseAudioDevice(output.device, 0);
}

void MuteOutput(bool muted) {
    Output& output = TheOutput();
    if (output.device)
        SDL_PauseAudioDevice(output.device, muted ? 1 : 0);
}

void CloseOutput() {
    Output& output = TheOutput();
    if (!output.device)
        return;
    SDL_CloseAudioDevice(output.device); // waits for a running callback
    output.device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace platform::dsound
