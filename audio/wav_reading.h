// Reading a RIFF WAVE recording through the mmio calls, without the fatal
// report: what the loader of AudioInterface does between opening and closing
// the file.
#pragma once

#include "platform/mmsystem.h"
#include "platform/win32.h"

// Reads the recording open in file: the "fmt " chunk into format, the "data"
// chunk into a new array stored in data (which must be null on entry), its
// size into size. Answers null, or the message of the step that failed (data
// may then hold an array, which the caller frees). The file stays open.
//
// A "fmt " chunk longer than the record gives only its first 18 bytes; one
// shorter than 16 bytes leaves the fields it lacks at zero, which no sound
// buffer takes. A "data" chunk that claims more bytes than the file holds
// fails before anything is allocated.
const char* ReadWave(HMMIO file, WAVEFORMATEX& format, BYTE*& data, DWORD& size);
