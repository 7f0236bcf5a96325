// Platform-internal: the DirectSound object. While any exists (it lives on
// as long as a buffer it made does) the output device is open.
#pragma once

#include "platform/dsound.h"

namespace platform::dsound {

class DirectSoundObject final : public IDirectSound {
  public:
    DirectSoundObject();

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC description, IDirectSoundBuffer** buffer,
                              IUnknown* outer) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;

    DWORD CooperativeLevel() const { return level_; }

    // DirectSound objects in existence (for tests).
    static int LiveCount();

  private:
    ~DirectSoundObject() override;

    ULONG references_ = 1;
    DWORD level_ = 0;
};

} // namespace platform::dsound
