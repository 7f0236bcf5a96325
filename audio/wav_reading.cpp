#include "audio/wav_reading.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The fields of a plain PCM format record, without the extra size.
constexpr LONG kPcmRecordBytes = 16;

} // namespace

const char* ReadWave(HMMIO file, WAVEFORMATEX& format, BYTE*& data, DWORD& size) {
    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR)
        return "File not .WAV type";

    MMCKINFO chunk = {};
    chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return "Unable to locate wave format";
    // The record holds 18 bytes; a longer (extended) chunk gives only those.
    const LONG wanted = LONG(std::min<DWORD>(chunk.cksize, sizeof(WAVEFORMATEX)));
    WAVEFORMATEX record = format;
    if (wanted < kPcmRecordBytes)
        std::memset(reinterpret_cast<BYTE*>(&record) + wanted, 0, kPcmRecordBytes - wanted);
    if (mmioRead(file, reinterpret_cast<HPSTR>(&record), wanted) != wanted)
        return "Number of bytes read does not match the expected number.";
    format = record;
    mmioAscend(file, &chunk, 0);

    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR)
        return "Unable to locate DATA chunk.";
    if (chunk.cksize == 0)
        return "No data in the wave file.";

    // Nothing is allocated for bytes the file does not have.
    const LONG end = mmioSeek(file, 0, SEEK_END);
    if (end < 0 || mmioSeek(file, LONG(chunk.dwDataOffset), SEEK_SET) < 0 ||
        chunk.cksize > DWORD(end) - chunk.dwDataOffset)
        return "Amount of data does not equal expected amount.";
    data = new (std::nothrow) BYTE[chunk.cksize];
    if (!data ||
        mmioRead(file, reinterpret_cast<HPSTR>(data), LONG(chunk.cksize)) != LONG(chunk.cksize))
        return "Amount of data does not equal expected amount.";
    size = chunk.cksize;
    return nullptr;
}
