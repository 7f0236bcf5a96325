// Spoken recordings from the espeak-ng program: the Spanish voice for Spanish
// words, the English voice for English words and the guide's prompts.
#pragma once

#include "wav.h"

#include <optional>
#include <string>

namespace vocassets {

inline constexpr int kWordsPerMinute = 160;

// Speaks the text into a file in workDir (which must exist), reads it back and
// answers its samples at the pack's rate, silence trimmed; nullopt when the
// program fails or writes no speech. Safe to call from several threads.
std::optional<Samples> Speak(const std::string& voice, const std::string& text,
                             const std::string& workDir, int jobNumber);

// Whether the espeak-ng program can be run.
bool SpeechAvailable();

} // namespace vocassets
