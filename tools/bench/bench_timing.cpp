#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench.h"

namespace bench {

double MedianMicroseconds(int runs, const std::function<void()>& work) {
    for (int i = 0; i < 5; ++i)
        work();
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

void PrintFigure(const char* label, double microseconds) {
    std::printf("%-58s %10.1f us\n", label, microseconds);
}

void PrintRatio(const char* label, double ratio) {
    std::printf("%-58s %10.2f\n", label, ratio);
}

} // namespace bench
