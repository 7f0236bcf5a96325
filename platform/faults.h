// Fault injection: lets tests (and headless scripts) reach the failure paths of
// the game for real. Every fault is off until set.
//
// Text form, as given to --fault and the script command "fault":
//   refuse-depth BPP          SetDisplayMode refuses that depth (16, 24 or 32)
//   refuse-backbuffers N      a flip chain with N back buffers is refused; "any" refuses all
//   fail CALL CODE [COUNT]    the named call (e.g. CreateClipper, Flip, Blt, DirectDrawCreate,
//                             QueryInterface, GetDC) answers CODE (hex or decimal) on its
//                             next COUNT calls (default: every call); a call whose name
//                             several interfaces share is named Interface::Method
//                             (IDirectDraw::SetCooperativeLevel,
//                             IDirectInputDevice::SetCooperativeLevel, ...);
//                             WriteFile writes half its bytes and fails with CODE
//                             as the errno (28: no space left), or a full disk for
//                             the Win32 results 0x80070070 and 0x80070027
//   lose-surfaces             every surface reports itself lost until restored
//   unreadable NAME           a file whose name (last path component, any case) is NAME
//                             cannot be opened
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace platform::faults {

// Applies one fault in text form; false (with a reason) for text it does not understand.
bool Apply(const std::string& text, std::string* why = nullptr);
void Reset();

bool DepthRefused(int bitsPerPixel);
bool BackBuffersRefused(int count);
// The code the named call must answer now, or 0 when it runs normally.
HRESULT Injected(const char* call);
// Increases whenever surfaces are lost; a surface restored at an older value is lost.
uint32_t LossGeneration();
void LoseSurfaces();
bool FileUnreadable(const char* path);

} // namespace platform::faults
