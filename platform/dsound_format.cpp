#include "platform/dsound_format.h"

namespace platform::dsound {

HRESULT CheckFormat(const WAVEFORMATEX& format) {
    if (format.wFormatTag != WAVE_FORMAT_PCM)
        return DSERR_BADFORMAT;
    if (format.nChannels != 1 && format.nChannels != 2)
        return DSERR_BADFORMAT;
    if (format.wBitsPerSample != 8 && format.wBitsPerSample != 16)
        return DSERR_BADFORMAT;
    if (format.nSamplesPerSec < DSBFREQUENCY_MIN || format.nSamplesPerSec > DSBFREQUENCY_MAX)
        return DSERR_BADFORMAT;
    if (format.nBlockAlign != format.nChannels * (format.wBitsPerSample / 8))
        return DSERR_BADFORMAT;
    return DS_OK;
}

} // namespace platform::dsound
