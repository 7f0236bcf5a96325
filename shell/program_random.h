// The program's own random generator (not the C library's, whose range differs):
// a 32-bit state advanced as state * 214013 + 2531011, answering bits 16 to 30.
#pragma once

#include <cstdint>

void ProgramSrand(uint32_t seed);
int ProgramRand(); // 0 to 32767
// A random index in 0..count-1: the integer part of ProgramRand() * count / 32768.
int ProgramRandomIndex(int count);
