#include "audio/audio_interface.h"

namespace {

template <typename Interface> void Release(Interface*& object) {
    if (object) {
        object->Release();
        object = nullptr;
    }
}

void Free(BYTE*& data) {
    delete[] data;
    data = nullptr;
}

} // namespace

AudioInterface::AudioInterface()
    : directSound(nullptr), primaryBuffer(nullptr), voiceBuffer(nullptr), effectsBuffer(nullptr),
      musicBuffer(nullptr), bufferDesc{}, waveFormat{}, musicDesc{}, window(nullptr),
      name("AudioInterface"), errorHandler(), voiceData(nullptr), effectsData(nullptr),
      musicData(nullptr), voice(*this, voiceBuffer, voiceData, bufferDesc, "voice"),
      effects(*this, effectsBuffer, effectsData, bufferDesc, "effects"),
      music(*this, musicBuffer, musicData, musicDesc, "music") {}

AudioInterface::~AudioInterface() {
    ReleaseAll();
}

void AudioInterface::SetWindow(HWND owner) {
    window = owner;
    errorHandler.SetWindow(owner);
}

HRESULT AudioInterface::Init() {
    HRESULT result = DirectSoundCreate(nullptr, &directSound, nullptr);
    if (FAILED(result))
        Fail(result);
    result = directSound->SetCooperativeLevel(window, DSSCL_EXCLUSIVE);
    if (FAILED(result))
        Fail(result);

    // Without a primary buffer the output keeps DirectSound's own format.
    bufferDesc = {};
    bufferDesc.dwSize = sizeof bufferDesc;
    bufferDesc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    bufferDesc.dwBufferBytes = 0;
    bufferDesc.lpwfxFormat = nullptr;
    result = directSound->CreateSoundBuffer(&bufferDesc, &primaryBuffer, nullptr);
    if (FAILED(result))
        return result;

    waveFormat = {};
    waveFormat.wFormatTag = WAVE_FORMAT_PCM;
    waveFormat.nChannels = 2;
    waveFormat.nSamplesPerSec = 44100;
    waveFormat.nAvgBytesPerSec = 176400;
    waveFormat.nBlockAlign = 4;
    waveFormat.wBitsPerSample = 16;
    waveFormat.cbSize = 0;
    return primaryBuffer->SetFormat(&waveFormat);
}

void AudioInterface::StopAll() {
    for (IDirectSoundBuffer* buffer : {musicBuffer, effectsBuffer, voiceBuffer}) {
        if (!buffer)
            continue;
        HRESULT result = buffer->Stop();
        if (FAILED(result))
            Fail(result);
    }
}

void AudioInterface::ReleaseAll() {
    Release(musicBuffer);
    Release(effectsBuffer);
    Release(voiceBuffer);
    Release(primaryBuffer);
    Release(directSound);
    Free(voiceData);
    Free(musicData);
    Free(effectsData);
}

void AudioInterface::Fail(HRESULT result) {
    ReleaseAll();
    errorHandler.SetError(nullptr, result, name);
    errorHandler.ReportDirectSound();
}

void AudioInterface::FailWithMessage(const char* text) {
    ReleaseAll();
    errorHandler.SetError(text, 0, name);
    errorHandler.ReportDirectSound();
}
