// Multimedia timer (and, later, the mmio file calls).
#pragma once

#include "platform/win32.h"

// Milliseconds of the program's clock. Wraps after 2^32 ms; callers take
// differences unsigned.
DWORD WINAPI timeGetTime();
