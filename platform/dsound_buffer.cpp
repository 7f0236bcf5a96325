// Sound buffers: their samples, locking, and a play state that follows the
// program's clock.
#include "platform/dsound_buffer.h"

#include <algorithm>
#include <cstring>

#include "platform/dsound_format.h"
#include "platform/dsound_mixer.h"
#include "platform/dsound_object.h"
#include "platform/dsound_render.h"
#include "platform/faults.h"

namespace platform::dsound {

namespace {

int liveBuffers = 0;

using Guard = std::lock_guard<std::mutex>;

// What a new DirectSound's primary buffer plays until told otherwise.
constexpr WAVEFORMATEX kDefaultPrimaryFormat = {WAVE_FORMAT_PCM, 2, 22050, 44100, 2, 8, 0};

} // namespace

SoundBuffer::SoundBuffer(DirectSoundObject* owner, DWORD flags, DWORD bytes,
                         const WAVEFORMATEX* format)
    : owner_(owner), primary_(format == nullptr), flags_(flags),
      format_(format ? *format : kDefaultPrimaryFormat), memory_(primary_ ? 0 : bytes, 0) {
    format_.cbSize = 0;
    owner_->AddRef();
    ++liveBuffers;
    Guard guard(MixerMutex());
    AddToMix(this);
}

SoundBuffer::~SoundBuffer() {
    --liveBuffers;
}

int SoundBuffer::LiveCount() {
    return liveBuffers;
}

HRESULT SoundBuffer::QueryInterface(REFIID, void** object) {
    if (object)
        *object = nullptr;
    return E_NOINTERFACE;
}

ULONG SoundBuffer::AddRef() {
    return ++references_;
}

ULONG SoundBuffer::Release() {
    ULONG left = --references_;
    if (left == 0) {
        {
            Guard guard(MixerMutex());
            RemoveFromMix(this);
        }
        DirectSoundObject* owner = owner_;
        delete this;
        // The last reference may close the output device: never under the mutex.
        owner->Release();
    }
    return left;
}

DWORD SoundBuffer::Rate() const {
    return frequency_ ? frequency_ : format_.nSamplesPerSec;
}

uint64_t SoundBuffer::Settle(DWORD now) {
    if (!playing_)
        return frame_;
    const uint64_t count = FrameCount();
    const uint64_t position = frame_ + uint64_t(DWORD(now - anchorTime_)) * Rate() / 1000;
    if (looping_)
        return count ? position % count : 0;
    if (position < count)
        return position;
    playing_ = false;
    frame_ = 0;
    return 0;
}

HRESULT SoundBuffer::GetCurrentPosition(DWORD* play, DWORD* write) {
    if (HRESULT injected = faults::Injected("GetCurrentPosition"))
        return injected;
    Guard guard(MixerMutex());
    const DWORD at = primary_ ? 0 : DWORD(Settle(timeGetTime()) * format_.nBlockAlign);
    if (play)
        *play = at;
    if (write)
        *write = at;
    return DS_OK;
}

HRESULT SoundBuffer::GetFormat(LPWAVEFORMATEX format, DWORD size, DWORD* written) {
    if (!format) {
        if (!written)
            return DSERR_INVALIDPARAM;
        *written = sizeof(WAVEFORMATEX);
        return DS_OK;
    }
    if (size < sizeof(WAVEFORMATEX))
        return DSERR_INVALIDPARAM;
    *format = format_;
    if (written)
        *written = sizeof(WAVEFORMATEX);
    return DS_OK;
}

HRESULT SoundBuffer::GetVolume(LONG* volume) {
    if (!volume)
        return DSERR_INVALIDPARAM;
    if (!(flags_ & DSBCAPS_CTRLVOLUME))
        return DSERR_CONTROLUNAVAIL;
    if (HRESULT injected = faults::Injected("GetVolume"))
        return injected;
    Guard guard(MixerMutex());
    *volume = volume_;
    return DS_OK;
}

HRESULT SoundBuffer::GetFrequency(DWORD* frequency) {
    if (!frequency)
        return DSERR_INVALIDPARAM;
    if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY))
        return DSERR_CONTROLUNAVAIL;
    Guard guard(MixerMutex());
    *frequency = Rate();
    return DS_OK;
}

HRESULT SoundBuffer::GetStatus(DWORD* status) {
    if (!status)
        return DSERR_INVALIDPARAM;
    if (HRESULT injected = faults::Injected("GetStatus"))
        return injected;
    Guard guard(MixerMutex());
    if (primary_) {
        *status = 0;
        return DS_OK;
    }
    Settle(timeGetTime());
    if (lost_)
        *status = DSBSTATUS_BUFFERLOST;
    else if (playing_)
        *status = DSBSTATUS_PLAYING | (looping_ ? DSBSTATUS_LOOPING : 0);
    else
        *status = 0;
    return DS_OK;
}

HRESULT SoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* part1, DWORD* bytes1, LPVOID* part2,
                          DWORD* bytes2, DWORD flags) {
    if (primary_)
        return DSERR_PRIOLEVELNEEDED; // only a primary written directly may be locked
    if (!part1 || !bytes1)
        return DSERR_INVALIDPARAM;
    if (HRESULT injected = faults::Injected("Lock"))
        return injected;
    Guard guard(MixerMutex());
    if (lost_)
        return DSERR_BUFFERLOST;
    const DWORD size = DWORD(memory_.size());
    if (flags & DSBLOCK_ENTIREBUFFER) {
        offset = 0;
        bytes = size;
    } else if (flags & DSBLOCK_FROMWRITECURSOR) {
        offset = DWORD(Settle(timeGetTime()) * format_.nBlockAlign);
    }
    if (bytes == 0 || bytes > size || offset >= size)
        return DSERR_INVALIDPARAM;
    // A lock that runs past the end goes on at the start.
    const DWORD first = std::min(bytes, size - offset);
    const DWORD rest = bytes - first;
    if (rest && (!part2 || !bytes2))
        return DSERR_INVALIDPARAM;
    *part1 = memory_.data() + offset;
    *bytes1 = first;
    if (part2)
        *part2 = rest ? memory_.data() : nullptr;
    if (bytes2)
        *bytes2 = rest;
    return DS_OK;
}

HRESULT SoundBuffer::Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) {
    if (primary_)
        return DSERR_INVALIDCALL;
    if (HRESULT injected = faults::Injected("Unlock"))
        return injected;
    const uint8_t* begin = memory_.data();
    const uint8_t* end = begin + memory_.size();
    const uint8_t* first = static_cast<const uint8_t*>(part1);
    const bool firstInside =
        first && first >= begin && first < end && bytes1 <= size_t(end - first);
    const bool secondInside =
        (!part2 && bytes2 == 0) || (part2 == begin && bytes2 <= memory_.size());
    if (!firstInside || !secondInside)
        return DSERR_INVALIDPARAM;
    return DS_OK;
}

HRESULT SoundBuffer::Play(DWORD reserved, DWORD, DWORD flags) {
    if (reserved != 0)
        return DSERR_INVALIDPARAM;
    if (primary_)
        return DS_OK; // the primary buffer always plays the mix
    Guard guard(MixerMutex());
    if (HRESULT injected = faults::Injected("Play")) {
        if (injected == DSERR_BUFFERLOST) {
            lost_ = true;
            playing_ = false;
            std::fill(memory_.begin(), memory_.end(), 0);
        }
        return injected;
    }
    if (lost_)
        return DSERR_BUFFERLOST;
    const DWORD now = timeGetTime();
    frame_ = Settle(now);
    anchorTime_ = now;
    playing_ = true;
    looping_ = (flags & DSBPLAY_LOOPING) != 0;
    return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(DWORD position) {
    if (primary_)
        return DSERR_INVALIDCALL;
    if (HRESULT injected = faults::Injected("SetCurrentPosition"))
        return injected;
    if (position >= memory_.size())
        return DSERR_INVALIDPARAM;
    Guard guard(MixerMutex());
    if (lost_)
        return DSERR_BUFFERLOST;
    frame_ = position / format_.nBlockAlign;
    anchorTime_ = timeGetTime();
    return DS_OK;
}

HRESULT SoundBuffer::SetFormat(LPCWAVEFORMATEX format) {
    if (!primary_)
        return DSERR_INVALIDCALL;
    if (!format)
        return DSERR_INVALIDPARAM;
    if (HRESULT injected = faults::Injected("SetFormat"))
        return injected;
    if (owner_->CooperativeLevel() < DSSCL_PRIORITY)
        return DSERR_PRIOLEVELNEEDED;
    if (HRESULT refused = CheckFormat(*format))
        return refused;
    format_ = *format;
    format_.cbSize = 0;
    return DS_OK;
}

HRESULT SoundBuffer::SetVolume(LONG volume) {
    if (!(flags_ & DSBCAPS_CTRLVOLUME))
        return DSERR_CONTROLUNAVAIL;
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX)
        return DSERR_INVALIDPARAM;
    if (HRESULT injected = faults::Injected("SetVolume"))
        return injected;
    Guard guard(MixerMutex());
    volume_ = volume;
    return DS_OK;
}

HRESULT SoundBuffer::SetFrequency(DWORD frequency) {
    if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY))
        return DSERR_CONTROLUNAVAIL;
    if (frequency != DSBFREQUENCY_ORIGINAL &&
        (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX))
        return DSERR_INVALIDPARAM;
    if (HRESULT injected = faults::Injected("SetFrequency"))
        return injected;
    Guard guard(MixerMutex());
    // The position reached so far was reached at the old rate.
    const DWORD now = timeGetTime();
    frame_ = Settle(now);
    anchorTime_ = now;
    frequency_ = frequency;
    return DS_OK;
}

HRESULT SoundBuffer::Stop() {
    if (HRESULT injected = faults::Injected("Stop"))
        return injected;
    if (primary_)
        return DS_OK;
    Guard guard(MixerMutex());
    frame_ = Settle(timeGetTime());
    playing_ = false;
    return DS_OK;
}

HRESULT SoundBuffer::Restore() {
    if (HRESULT injected = faults::Injected("IDirectSoundBuffer::Restore"))
        return injected;
    Guard guard(MixerMutex());
    lost_ = false;
    return DS_OK;
}

void SoundBuffer::MixInto(DWORD startMs, double fraction, int rate, float* stereo,
                          size_t frames) const {
    if (primary_ || !playing_ || lost_ || rate <= 0)
        return;
    const double frequency = Rate();
    const double sinceAnchorMs = double(int32_t(startMs - anchorTime_)) + fraction;
    SoundView view;
    view.bytes = memory_.data();
    view.frameCount = FrameCount();
    view.channels = format_.nChannels;
    view.bitsPerSample = format_.wBitsPerSample;
    view.gain = VolumeToGain(volume_);
    view.looping = looping_;
    AddSound(view, double(frame_) + sinceAnchorMs * frequency / 1000.0, frequency / rate, stereo,
             frames);
}

} // namespace platform::dsound
