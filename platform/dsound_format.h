// Platform-internal: which sample formats a sound buffer takes.
#pragma once

#include "platform/dsound.h"

namespace platform::dsound {

// DS_OK for PCM of 1 or 2 channels, 8 or 16 bits, 100 to 100,000 samples per
// second, whose block size is one sample of every channel; DSERR_BADFORMAT
// for anything else (no channels, a compressed format, a block size that does
// not match).
HRESULT CheckFormat(const WAVEFORMATEX& format);

} // namespace platform::dsound
