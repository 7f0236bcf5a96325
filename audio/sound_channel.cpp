// The operations of the three channels, told once.
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "audio/audio_interface.h"
#include "platform/trace.h"
#include "shell/globals.h"

namespace {

// Objects without a recording carry "None" or "NONE" in its place.
bool NamesNoRecording(const char* file) {
    return !file || !*file || strcasecmp(file, "none") == 0;
}

const char* WithoutDirectory(const char* file) {
    const char* name = file;
    for (const char* c = file; *c; ++c)
        if (*c == '\\' || *c == '/')
            name = c + 1;
    return name;
}

} // namespace

SoundChannel::SoundChannel(AudioInterface& owner, IDirectSoundBuffer*& buffer, BYTE*& data,
                           DSBUFFERDESC& description, const char* channelName)
    : owner(owner), buffer(buffer), data(data), description(description), channelName(channelName) {
}

void SoundChannel::Load(const char* file) {
    if (NamesNoRecording(file))
        return;
    if (buffer) {
        buffer->Release();
        buffer = nullptr;
    }
    char path[256];
    std::snprintf(path, sizeof path, "%s%s", wavPath, file);
    const DWORD size = owner.LoadWave(path, data);
    loadedFile = WithoutDirectory(file);

    description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME;
    description.dwBufferBytes = size;
    description.lpwfxFormat = &owner.waveFormat;
    const HRESULT result = owner.directSound->CreateSoundBuffer(&description, &buffer, nullptr);
    if (FAILED(result))
        owner.Fail(result);
    Fill();
}

void SoundChannel::Fill() {
    LPVOID part1 = nullptr, part2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    HRESULT result = buffer->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER);
    if (FAILED(result))
        owner.Fail(result);
    // The buffer was made the size of the samples.
    std::memcpy(part1, data, bytes1);
    result = buffer->Unlock(part1, bytes1, nullptr, 0);
    if (FAILED(result))
        owner.Fail(result);
}

void SoundChannel::Play(DWORD flags) {
    if (!buffer)
        return;
    HRESULT result = buffer->Play(0, 0, flags);
    if (SUCCEEDED(result)) {
        TraceNote("sound %s %s", loadedFile.c_str(), channelName);
        return;
    }
    // Typically a lost buffer: bring it back with its samples; the next play starts it.
    result = buffer->Restore();
    if (FAILED(result))
        owner.Fail(result);
    Fill();
}

void SoundChannel::PlayLooped() {
    Play(DSBPLAY_LOOPING);
}

void SoundChannel::LoadAndPlay(const char* file) {
    if (NamesNoRecording(file))
        return;
    Load(file);
    Play(0);
}

void SoundChannel::Replay() {
    Play(0);
}

DWORD SoundChannel::Status() {
    if (!buffer)
        return 0;
    DWORD status = 0;
    const HRESULT result = buffer->GetStatus(&status);
    if (FAILED(result))
        owner.Fail(result);
    return status;
}

bool SoundChannel::Stop() {
    if (!buffer)
        return false;
    const HRESULT result = buffer->Stop();
    if (FAILED(result))
        owner.Fail(result);
    return true;
}

void SoundChannel::SetVolume(LONG volume) {
    if (!buffer || volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX)
        return;
    const HRESULT result = buffer->SetVolume(volume);
    if (FAILED(result))
        owner.Fail(result);
}

void SoundChannel::VolumeDown() {
    if (!buffer)
        return;
    LONG volume = 0;
    const HRESULT result = buffer->GetVolume(&volume);
    if (FAILED(result))
        owner.Fail(result);
    if (volume - 175 >= DSBVOLUME_MIN)
        SetVolume(volume - 175);
}

void SoundChannel::VolumeUp() {
    if (!buffer)
        return;
    LONG volume = 0;
    const HRESULT result = buffer->GetVolume(&volume);
    if (FAILED(result))
        owner.Fail(result);
    if (volume + 175 <= DSBVOLUME_MAX)
        SetVolume(volume + 175);
}

void SoundChannel::Ramp(LONG first, LONG step, LONG last) {
    if (!buffer)
        return;
    for (LONG volume = first;; volume += step) {
        const HRESULT result = buffer->SetVolume(volume);
        if (FAILED(result))
            owner.Fail(result);
        if (volume == last)
            break;
    }
}

bool VoiceChannel::IsPlaying() {
    const DWORD status = Status();
    return status == DSBSTATUS_PLAYING || status == DSBSTATUS_LOOPING;
}

bool EffectsChannel::IsPlaying() {
    return Status() == DSBSTATUS_PLAYING;
}

bool MusicChannel::IsPlaying() {
    const DWORD status = Status();
    return status == DSBSTATUS_PLAYING || status == DSBSTATUS_LOOPING;
}
