// DirectSoundCreate and the DirectSound object: the cooperative level and the
// creation of the primary and secondary buffers.
#include "platform/dsound_object.h"

#include <new>

#include "platform/dsound_buffer.h"
#include "platform/dsound_format.h"
#include "platform/dsound_mixer.h"
#include "platform/faults.h"

namespace platform::dsound {

namespace {

int liveObjects = 0;

} // namespace

DirectSoundObject::DirectSoundObject() {
    if (liveObjects++ == 0)
        OpenOutput();
}

DirectSoundObject::~DirectSoundObject() {
    if (--liveObjects == 0)
        CloseOutput();
}

int DirectSoundObject::LiveCount() {
    return liveObjects;
}

HRESULT DirectSoundObject::QueryInterface(REFIID, void** object) {
    if (object)
        *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DirectSoundObject::AddRef() {
    return ++references_;
}

ULONG DirectSoundObject::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DirectSoundObject::SetCooperativeLevel(HWND window, DWORD level) {
    if (HRESULT injected = faults::Injected("IDirectSound::SetCooperativeLevel"))
        return injected;
    if (!window || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY)
        return DSERR_INVALIDPARAM;
    level_ = level;
    return DS_OK;
}

HRESULT DirectSoundObject::CreateSoundBuffer(LPCDSBUFFERDESC description,
                                             IDirectSoundBuffer** buffer, IUnknown* outer) {
    if (outer)
        return DSERR_NOAGGREGATION;
    if (!description || !buffer || description->dwSize != sizeof(DSBUFFERDESC))
        return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (HRESULT injected = faults::Injected("CreateSoundBuffer"))
        return injected;
    const DSBUFFERDESC& desc = *description;
    if (desc.dwFlags & DSBCAPS_PRIMARYBUFFER) {
        // The primary buffer is described by its flags alone.
        if (desc.dwBufferBytes != 0 || desc.lpwfxFormat)
            return DSERR_INVALIDPARAM;
        *buffer = new SoundBuffer(this, desc.dwFlags, 0, nullptr);
        return DS_OK;
    }
    if (!desc.lpwfxFormat || desc.dwBufferBytes == 0 || desc.dwBufferBytes > DSBSIZE_MAX)
        return DSERR_INVALIDPARAM;
    if (HRESULT refused = CheckFormat(*desc.lpwfxFormat))
        return refused;
    try {
        *buffer = new SoundBuffer(this, desc.dwFlags, desc.dwBufferBytes, desc.lpwfxFormat);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    return DS_OK;
}

} // namespace platform::dsound

HRESULT WINAPI DirectSoundCreate(const GUID* device, IDirectSound** directSound, IUnknown* outer) {
    if (outer)
        return DSERR_NOAGGREGATION;
    if (!directSound)
        return DSERR_INVALIDPARAM;
    *directSound = nullptr;
    if (HRESULT injected = platform::faults::Injected("DirectSoundCreate"))
        return injected;
    if (device)
        return DSERR_NODRIVER; // only the default device is known
    *directSound = new platform::dsound::DirectSoundObject;
    return DS_OK;
}
