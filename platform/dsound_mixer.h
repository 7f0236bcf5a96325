// Platform-internal: the mix of every playing secondary buffer, and the output
// device that plays it (in a window only).
#pragma once

#include <cstddef>
#include <mutex>

#include "platform/win32.h"

namespace platform::dsound {

class SoundBuffer;

// The rate the mix is rendered at when there is no output device to ask.
constexpr int kMixRate = 44100;

// Guards the list of buffers and every buffer's play state.
std::mutex& MixerMutex();
// The caller holds MixerMutex.
void AddToMix(SoundBuffer* buffer);
void RemoveFromMix(SoundBuffer* buffer);

// Renders frames stereo frames at rate Hz (left, right interleaved, full scale
// 1.0, not clipped), the first at program time startMs + fraction ms. Takes
// MixerMutex.
void RenderMix(DWORD startMs, double fraction, int rate, float* stereo, size_t frames);

// The output device: opened with the first DirectSound object, closed with
// the last. Only a window has one; where the desktop has none, the program
// says so once and plays into silence.
void OpenOutput();
// Silences the output while another program is in front, as DirectSound does
// for a program's buffers; the recordings go on by the clock meanwhile.
void MuteOutput(bool muted);
void CloseOutput();

} // namespace platform::dsound
