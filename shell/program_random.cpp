#include "shell/program_random.h"

namespace {
uint32_t randomState = 1;
}

void ProgramSrand(uint32_t seed) {
    randomState = seed;
}

int ProgramRand() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

int ProgramRandomIndex(int count) {
    return static_cast<int>(static_cast<int64_t>(ProgramRand()) * count / 32768);
}
