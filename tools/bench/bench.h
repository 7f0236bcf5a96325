// Shared by the figure sets of vocabuloon-bench: timing and printing.
#pragma once

#include <functional>

namespace bench {

// The median wall time of one call of work, in microseconds, over runs calls
// after a few unmeasured ones.
double MedianMicroseconds(int runs, const std::function<void()>& work);
// The same in processor time of this process: what the work costs however
// busy the machine is with other programs.
double MedianCpuMicroseconds(int runs, const std::function<void()>& work);

void PrintFigure(const char* label, double microseconds);
void PrintRatio(const char* label, double ratio);

// The display on a headless window of its own, once; false when no window
// could be made.
bool BringUpDisplay();
// The plain copy of one 640x480 16-bit page that the figures are held against.
double PageCopyMicroseconds();

// Figure sets; bench_main.cpp lists them.
void BlitFigures();
void SoundFigures();
void ScreenFigures();
void RaceFigures();

} // namespace bench
