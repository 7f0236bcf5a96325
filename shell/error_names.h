// Names shown for DirectDraw and DirectSound result codes in fatal error boxes.
#pragma once

#include "platform/win32.h"

// The name of a DirectDraw result code, or null when the code has none.
const char* DirectDrawErrorName(HRESULT code);
// The name of a DirectSound result code, or null when the code has none.
const char* DirectSoundErrorName(HRESULT code);
