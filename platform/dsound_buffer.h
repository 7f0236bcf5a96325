// Platform-internal: a DirectSound buffer. The primary buffer only holds the
// output format; a secondary buffer holds samples and a play state that the
// mixer reads (under MixerMutex) to render it.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dsound.h"

namespace platform::dsound {

class DirectSoundObject;

class SoundBuffer final : public IDirectSoundBuffer {
  public:
    // A primary buffer when format is null; otherwise a secondary buffer of
    // bytes bytes (filled with zeros) in that format, which must be valid.
    SoundBuffer(DirectSoundObject* owner, DWORD flags, DWORD bytes, const WAVEFORMATEX* format);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetCurrentPosition(DWORD* play, DWORD* write) override;
    HRESULT GetFormat(LPWAVEFORMATEX format, DWORD size, DWORD* written) override;
    HRESULT GetVolume(LONG* volume) override;
    HRESULT GetFrequency(DWORD* frequency) override;
    HRESULT GetStatus(DWORD* status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, DWORD* bytes1, LPVOID* part2,
                 DWORD* bytes2, DWORD flags) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetFormat(LPCWAVEFORMATEX format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetFrequency(DWORD frequency) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
    HRESULT Restore() override;

    // Adds the part of the recording that sounds during frames output frames
    // at rate Hz, the first at program time startMs + fraction. Called by the
    // mixer with MixerMutex held.
    void MixInto(DWORD startMs, double fraction, int rate, float* stereo, size_t frames) const;

    // Buffers in existence (for tests).
    static int LiveCount();

  private:
    ~SoundBuffer() override;
    // Where the play position stands at now; a recording played to its end
    // stops there and goes back to its start. Needs MixerMutex.
    uint64_t Settle(DWORD now);
    DWORD Rate() const;
    size_t FrameCount() const { return memory_.size() / format_.nBlockAlign; }

    DirectSoundObject* owner_;
    ULONG references_ = 1;
    const bool primary_;
    const DWORD flags_;
    WAVEFORMATEX format_;
    std::vector<uint8_t> memory_;

    // The play state, guarded by MixerMutex.
    bool playing_ = false;
    bool looping_ = false;
    bool lost_ = false;
    uint64_t frame_ = 0;   // the position while stopped, or at anchorTime_ while playing
    DWORD anchorTime_ = 0; // timeGetTime when a playing position was last fixed
    LONG volume_ = 0;
    DWORD frequency_ = 0; // 0: the recording's own rate
};

} // namespace platform::dsound
