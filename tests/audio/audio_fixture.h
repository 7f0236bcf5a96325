// An AudioInterface of its own on the headless host, with a temporary
// install directory whose Wav directory the tests fill; the mix is read back
// through the stand-in's headless mixer.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "audio/audio_interface.h"
#include "audio/wav_builder.h"

namespace audiotest {

class AudioTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void AddRecording(const std::string& name, const wavtest::Bytes& bytes);
    // The mean left level of the mix over ms milliseconds from now + fromMs.
    double Level(int fromMs = 10, int ms = 100);
    LONG Volume(const SoundChannel& channel);
    // Lets ms pass a page (16 ms) at a time, as frames do.
    void Advance(int ms);

    AudioInterface sound;
    std::string dir_;
};

} // namespace audiotest
