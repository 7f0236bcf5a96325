// The game's sound: three DirectSound channels, each holding at most one
// recording at a time in one static buffer. Voice carries the guide's prompts
// (screens wait for it), effects a second sound that may overlap it, music the
// looped background. Every failure but a lost buffer is fatal, reported in a
// box captioned "AudioInterface".
#pragma once

#include <string>

#include "platform/dsound.h"
#include "platform/mmsystem.h"
#include "platform/win32.h"
#include "shell/error_handler.h"

class AudioInterface;

// What the three channels share: a buffer, the copy of its samples kept to
// refill it after a loss, and the description it is created with. Each
// channel class below offers only the operations that channel has.
class SoundChannel {
  public:
    SoundChannel(AudioInterface& owner, IDirectSoundBuffer*& buffer, BYTE*& data,
                 DSBUFFERDESC& description, const char* channelName);
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;

    // The channel's buffer; null until the first load.
    IDirectSoundBuffer* GetBuffer() const { return buffer; }

  protected:
    // file is relative to the recordings' directory. "None" and "NONE" name
    // no recording: loading them leaves the channel as it is.
    void Load(const char* file);
    void PlayLooped();
    void LoadAndPlay(const char* file);
    void Replay();
    // The buffer's DirectSound status; 0 without a buffer.
    DWORD Status();
    // Answers whether the channel had a buffer to stop.
    bool Stop();
    void SetVolume(LONG volume);
    void VolumeDown();
    void VolumeUp();
    // Sets first, first + step, ... up to last, one after another.
    void Ramp(LONG first, LONG step, LONG last);

  private:
    void Play(DWORD flags);
    // Copies the kept samples into the buffer.
    void Fill();

    AudioInterface& owner;
    IDirectSoundBuffer*& buffer;
    BYTE*& data;
    DSBUFFERDESC& description;
    // For the trace line "sound FILE CHANNEL" of every recording started.
    const char* channelName;
    std::string loadedFile;
};

class VoiceChannel : public SoundChannel {
  public:
    using SoundChannel::Load;
    using SoundChannel::LoadAndPlay;
    using SoundChannel::PlayLooped;
    using SoundChannel::SoundChannel;
    using SoundChannel::Stop;
    using SoundChannel::VolumeDown;
    using SoundChannel::VolumeUp;
    // Playing once or looping (not both flags, as a looped buffer reports).
    bool IsPlaying();
    // Applies -10000..0; other values are ignored.
    void SetVolume(LONG volume) { SoundChannel::SetVolume(volume); }
};

class EffectsChannel : public SoundChannel {
  public:
    using SoundChannel::Load;
    using SoundChannel::LoadAndPlay;
    using SoundChannel::PlayLooped;
    using SoundChannel::SoundChannel;
    using SoundChannel::Stop;
    using SoundChannel::VolumeDown;
    using SoundChannel::VolumeUp;
    // Playing once; a looped effect counts as not playing.
    bool IsPlaying();
    // Down to -1000 in steps of 20.
    void Duck() { Ramp(-20, -20, -1000); }
};

class MusicChannel : public SoundChannel {
  public:
    using SoundChannel::Load;
    using SoundChannel::LoadAndPlay;
    using SoundChannel::PlayLooped;
    using SoundChannel::Replay;
    using SoundChannel::SoundChannel;
    bool IsPlaying();
    void Stop() { SoundChannel::Stop(); }
    // Down to -1000, up to 0 from -980, down to -10000: steps of 20.
    void Duck() { Ramp(-20, -20, -1000); }
    void Raise() { Ramp(-980, 20, 0); }
    void FadeOut() { Ramp(-20, -20, -10000); }
};

class AudioInterface {
  public:
    AudioInterface();
    ~AudioInterface();
    AudioInterface(const AudioInterface&) = delete;
    AudioInterface& operator=(const AudioInterface&) = delete;

    void SetWindow(HWND owner);
    // DirectSound on the default device, exclusive, with a 44.1 kHz 16-bit
    // stereo primary format. Answers the primary buffer's failure or the
    // format's result.
    HRESULT Init();
    // Music, then effects, then voice.
    void StopAll();
    // Releases every buffer and DirectSound and frees the channels' samples.
    void ReleaseAll();

  private:
    friend class SoundChannel;

    // Reads a RIFF WAVE file: its format into waveFormat, its samples into a
    // new array stored in channelData (the old one freed); answers their size.
    // Fatal when the file won't read.
    DWORD LoadWave(LPSTR path, BYTE*& channelData);
    [[noreturn]] void Fail(HRESULT result);
    [[noreturn]] void FailWithMessage(const char* text);

    IDirectSound* directSound;
    IDirectSoundBuffer* primaryBuffer;
    IDirectSoundBuffer* voiceBuffer;
    IDirectSoundBuffer* effectsBuffer;
    IDirectSoundBuffer* musicBuffer;
    DSBUFFERDESC bufferDesc;
    WAVEFORMATEX waveFormat;
    DSBUFFERDESC musicDesc;
    HWND window;
    const char* name;
    ErrorHandler errorHandler;
    BYTE* voiceData;
    BYTE* effectsData;
    BYTE* musicData;

  public:
    VoiceChannel voice;
    EffectsChannel effects;
    MusicChannel music;
};
