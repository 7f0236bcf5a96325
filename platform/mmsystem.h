// Windows multimedia: the timer and the mmio calls that read RIFF files
// (recordings), with the wave format record they carry.
#pragma once

#include "platform/win32.h"

// Milliseconds of the program's clock. Wraps after 2^32 ms; callers take
// differences unsigned.
DWORD WINAPI timeGetTime();

typedef UINT MMRESULT;
typedef DWORD FOURCC;
typedef char* HPSTR;
struct HMMIO__;
typedef HMMIO__* HMMIO;

#define mmioFOURCC(ch0, ch1, ch2, ch3)                                                             \
    ((DWORD)(BYTE)(ch0) | ((DWORD)(BYTE)(ch1) << 8) | ((DWORD)(BYTE)(ch2) << 16) |                 \
     ((DWORD)(BYTE)(ch3) << 24))

#define FOURCC_RIFF mmioFOURCC('R', 'I', 'F', 'F')
#define FOURCC_LIST mmioFOURCC('L', 'I', 'S', 'T')
#define FOURCC_DOS mmioFOURCC('D', 'O', 'S', ' ')
#define FOURCC_MEM mmioFOURCC('M', 'E', 'M', ' ')

#define MMSYSERR_NOERROR 0
#define MMIOERR_BASE 256
#define MMIOERR_FILENOTFOUND (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTCLOSE (MMIOERR_BASE + 4)
#define MMIOERR_CANNOTREAD (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTWRITE (MMIOERR_BASE + 6)
#define MMIOERR_CANNOTSEEK (MMIOERR_BASE + 7)
#define MMIOERR_CANNOTEXPAND (MMIOERR_BASE + 8)
#define MMIOERR_CHUNKNOTFOUND (MMIOERR_BASE + 9)
#define MMIOERR_UNBUFFERED (MMIOERR_BASE + 10)
#define MMIOERR_ACCESSDENIED (MMIOERR_BASE + 12)
#define MMIOERR_INVALIDFILE (MMIOERR_BASE + 16)

// Open flags.
#define MMIO_READ 0x00000000
#define MMIO_WRITE 0x00000001
#define MMIO_READWRITE 0x00000002
#define MMIO_ALLOCBUF 0x00010000
// Chunk search flags.
#define MMIO_FINDCHUNK 0x0010
#define MMIO_FINDRIFF 0x0020
#define MMIO_FINDLIST 0x0040

#ifndef SEEK_SET
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2
#endif

// One chunk of a RIFF file: its id and size as the file gives them, the form
// or list type of RIFF and LIST chunks, and where its data begins.
typedef struct _MMCKINFO {
    FOURCC ckid;
    DWORD cksize;
    FOURCC fccType;
    DWORD dwDataOffset;
    DWORD dwFlags;
} MMCKINFO, *LPMMCKINFO;

typedef LONG(CALLBACK* LPMMIOPROC)(LPSTR info, UINT message, LPARAM param1, LPARAM param2);

// Open options. Only memory files are taken from it: fccIOProc FOURCC_MEM with
// pchBuffer and cchBuffer naming the bytes (read only). wErrorRet receives the
// reason of a failed open.
typedef struct _MMIOINFO {
    DWORD dwFlags;
    FOURCC fccIOProc;
    LPMMIOPROC pIOProc;
    UINT wErrorRet;
    HANDLE htask;
    LONG cchBuffer;
    HPSTR pchBuffer;
    HPSTR pchNext;
    HPSTR pchEndRead;
    HPSTR pchEndWrite;
    LONG lBufOffset;
    LONG lDiskOffset;
    DWORD adwInfo[3];
    DWORD dwReserved1;
    DWORD dwReserved2;
    HMMIO hmmio;
} MMIOINFO, *LPMMIOINFO;

// Opens a file (read only) named by a Windows path, or a memory file. Null on
// failure.
HMMIO WINAPI mmioOpenA(LPSTR fileName, LPMMIOINFO info, DWORD openFlags);
MMRESULT WINAPI mmioClose(HMMIO file, UINT flags);
// Bytes read (0 at the end of the file), or -1.
LONG WINAPI mmioRead(HMMIO file, HPSTR into, LONG count);
// The new position, or -1. Positions past the end are allowed; reads there answer 0.
LONG WINAPI mmioSeek(HMMIO file, LONG offset, int origin);
// Finds a chunk from the current position (within parent when given) and
// moves to its data (past the form type for RIFF and LIST chunks).
MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags);
// Moves past the end of a chunk entered with mmioDescend (and its pad byte).
MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT flags);

#define WAVE_FORMAT_PCM 1

// The wave format record: 18 bytes, packed, as in the files.
#pragma pack(push, 1)
typedef struct tWAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
} WAVEFORMATEX, *LPWAVEFORMATEX;
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18, "wave format record layout");
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;
