// Feeds arbitrary bytes to the recordings' reader through a memory file: it
// must answer the samples or a step's message, never read outside the bytes
// nor allocate more than they hold; what it answers, in a format a buffer
// takes, is mixed as a buffer would be.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/wav_reading.h"
#include "platform/crt.h"
#include "platform/dsound_format.h"
#include "platform/dsound_render.h"

namespace {

void MixSome(const WAVEFORMATEX& format, const BYTE* samples, DWORD bytes) {
    platform::dsound::SoundView view;
    view.bytes = samples;
    view.frameCount = bytes / format.nBlockAlign;
    view.channels = format.nChannels;
    view.bitsPerSample = format.wBitsPerSample;
    view.gain = 0.7f;
    view.looping = (bytes & 1) != 0;
    float stereo[2 * 256] = {};
    const double step = format.nSamplesPerSec / 44100.0;
    platform::dsound::AddSound(view, -3.5, step, stereo, 128);
    platform::dsound::AddSound(view, double(view.frameCount) - 10.25, step, stereo + 256, 128);
    for (float value : stereo)
        if (!std::isfinite(value) || std::fabs(value) > 1.5f)
            std::abort();
}

} // namespace

// Only memory files are read here; files on disk stay with the game.
FILE* CrtOpenFile(const char*, const char*) {
    return nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = reinterpret_cast<HPSTR>(const_cast<uint8_t*>(data));
    info.cchBuffer = LONG(size);
    HMMIO file = mmioOpenA(nullptr, &info, MMIO_READ);
    if (!file)
        std::abort();
    WAVEFORMATEX format{};
    BYTE* samples = nullptr;
    DWORD bytes = 0;
    const char* failure = ReadWave(file, format, samples, bytes);
    mmioClose(file, 0);
    if (failure) {
        if (!*failure)
            std::abort();
    } else {
        if (!samples || bytes == 0 || bytes > size)
            std::abort();
        if (platform::dsound::CheckFormat(format) == DS_OK)
            MixSome(format, samples, bytes);
    }
    delete[] samples;
    return 0;
}
