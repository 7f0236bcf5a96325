// The WAV loader of the three channels: one implementation, the channel given
// by its data array.
#include "audio/audio_interface.h"
#include "audio/wav_reading.h"

DWORD AudioInterface::LoadWave(LPSTR path, BYTE*& channelData) {
    delete[] channelData;
    channelData = nullptr;
    HMMIO file = mmioOpenA(path, nullptr, MMIO_ALLOCBUF);
    if (!file)
        FailWithMessage("Unable to open .WAV file");
    DWORD size = 0;
    const char* failure = ReadWave(file, waveFormat, channelData, size);
    mmioClose(file, 0);
    if (failure)
        FailWithMessage(failure);
    return size;
}
