// The mmio calls on files named by Windows paths and on memory files: reads
// and seeks, and the RIFF chunk walk. Every chunk size is checked against the
// bytes there really are, so a file that lies about its sizes is only ever
// "not found" or read short, never read out of bounds.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/crt.h"
#include "platform/mmsystem.h"

struct HMMIO__ {
    FILE* file = nullptr;            // a file on disk, or
    const uint8_t* memory = nullptr; // the bytes of a memory file
    int64_t size = 0;
    int64_t position = 0;
};

namespace {

// mmio offsets are 32-bit signed.
constexpr int64_t kLargestFile = INT32_MAX;
constexpr MMRESULT kInvalidHandle = 5; // MMSYSERR_INVALHANDLE
constexpr MMRESULT kInvalidParam = 11; // MMSYSERR_INVALPARAM

// Copies up to count bytes from offset; answers how many there were.
int64_t ReadAt(HMMIO file, int64_t offset, void* into, int64_t count) {
    if (offset < 0 || count <= 0 || offset >= file->size)
        return 0;
    count = std::min(count, file->size - offset);
    if (file->memory) {
        std::memcpy(into, file->memory + offset, static_cast<size_t>(count));
        return count;
    }
    if (fseeko(file->file, offset, SEEK_SET) != 0)
        return -1;
    return static_cast<int64_t>(std::fread(into, 1, static_cast<size_t>(count), file->file));
}

bool ReadFourCc(HMMIO file, int64_t offset, DWORD& value) {
    uint8_t bytes[4];
    if (ReadAt(file, offset, bytes, 4) != 4)
        return false;
    value = DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
    return true;
}

bool Matches(UINT flags, const MMCKINFO& wanted, FOURCC id, FOURCC type) {
    if (flags & MMIO_FINDRIFF)
        return id == FOURCC_RIFF && type == wanted.fccType;
    if (flags & MMIO_FINDLIST)
        return id == FOURCC_LIST && type == wanted.fccType;
    if (flags & MMIO_FINDCHUNK)
        return id == wanted.ckid;
    return true; // no search: the chunk where the file stands
}

HMMIO OpenMemory(const MMIOINFO& info) {
    if (info.cchBuffer < 0 || (info.cchBuffer > 0 && !info.pchBuffer))
        return nullptr;
    HMMIO opened = new HMMIO__;
    opened->memory = reinterpret_cast<const uint8_t*>(info.pchBuffer);
    opened->size = info.cchBuffer;
    return opened;
}

HMMIO OpenFile(const char* name, UINT& error) {
    errno = 0;
    FILE* file = name ? CrtOpenFile(name, "rb") : nullptr;
    if (!file) {
        error = (errno == ENOENT) ? MMIOERR_FILENOTFOUND : MMIOERR_CANNOTOPEN;
        return nullptr;
    }
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kLargestFile) {
        std::fclose(file);
        error = MMIOERR_INVALIDFILE;
        return nullptr;
    }
    HMMIO opened = new HMMIO__;
    opened->file = file;
    opened->size = info.st_size;
    return opened;
}

} // namespace

HMMIO WINAPI mmioOpenA(LPSTR fileName, LPMMIOINFO info, DWORD openFlags) {
    UINT error = MMIOERR_CANNOTOPEN;
    HMMIO opened = nullptr;
    if (openFlags & (MMIO_WRITE | MMIO_READWRITE))
        error = MMIOERR_CANNOTWRITE; // recordings are only read
    else if (info && info->fccIOProc == FOURCC_MEM)
        opened = OpenMemory(*info);
    else
        opened = OpenFile(fileName, error);
    if (info) {
        info->wErrorRet = opened ? MMSYSERR_NOERROR : error;
        info->hmmio = opened;
    }
    return opened;
}

MMRESULT WINAPI mmioClose(HMMIO file, UINT) {
    if (!file)
        return kInvalidHandle;
    if (file->file)
        std::fclose(file->file);
    delete file;
    return MMSYSERR_NOERROR;
}

LONG WINAPI mmioRead(HMMIO file, HPSTR into, LONG count) {
    if (!file || count < 0 || (count > 0 && !into))
        return -1;
    int64_t read = ReadAt(file, file->position, into, count);
    if (read < 0)
        return -1;
    file->position += read;
    return static_cast<LONG>(read);
}

LONG WINAPI mmioSeek(HMMIO file, LONG offset, int origin) {
    if (!file)
        return -1;
    int64_t base = 0;
    if (origin == SEEK_CUR)
        base = file->position;
    else if (origin == SEEK_END)
        base = file->size;
    else if (origin != SEEK_SET)
        return -1;
    int64_t target = base + offset;
    if (target < 0 || target > kLargestFile)
        return -1;
    file->position = target;
    return static_cast<LONG>(target);
}

MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags) {
    if (!file)
        return kInvalidHandle;
    if (!chunk)
        return kInvalidParam;
    // The search never leaves the parent, nor the bytes the file really has.
    int64_t limit = file->size;
    if (parent)
        limit = std::min<int64_t>(limit, int64_t(parent->dwDataOffset) + parent->cksize);
    int64_t at = file->position;
    for (;;) {
        DWORD id = 0, size = 0, type = 0;
        if (at < 0 || at + 8 > limit || !ReadFourCc(file, at, id) ||
            !ReadFourCc(file, at + 4, size))
            return MMIOERR_CHUNKNOTFOUND;
        const int64_t data = at + 8;
        const bool form = (id == FOURCC_RIFF || id == FOURCC_LIST);
        if (form && (data + 4 > limit || !ReadFourCc(file, data, type)))
            return MMIOERR_CHUNKNOTFOUND;
        if (Matches(flags, *chunk, id, type)) {
            chunk->ckid = id;
            chunk->cksize = size;
            if (form)
                chunk->fccType = type;
            chunk->dwDataOffset = static_cast<DWORD>(data);
            chunk->dwFlags = 0;
            file->position = data + (form ? 4 : 0);
            return MMSYSERR_NOERROR;
        }
        // Chunks are padded to an even size.
        at = data + size + (size & 1);
    }
}

MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT) {
    if (!file)
        return kInvalidHandle;
    if (!chunk)
        return kInvalidParam;
    int64_t end = int64_t(chunk->dwDataOffset) + chunk->cksize + (chunk->cksize & 1);
    if (end > kLargestFile)
        return MMIOERR_CANNOTSEEK;
    file->position = end;
    return MMSYSERR_NOERROR;
}
