#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench.h"

namespace bench {

namespace {

double ProcessMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

double Median(int runs, const std::function<void()>& work, const std::function<double()>& clock) {
    for (int i = 0; i < 5; ++i)
        work();
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        double start = clock();
        work();
        times.push_back(clock() - start);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

} // namespace

double MedianMicroseconds(int runs, const std::function<void()>& work) {
    return Median(runs, work, [] {
        return std::chrono::duration<double, std::micro>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    });
}

double MedianCpuMicroseconds(int runs, const std::function<void()>& work) {
    return Median(runs, work, ProcessMicroseconds);
}

void PrintFigure(const char* label, double microseconds) {
    std::printf("%-58s %10.1f us\n", label, microseconds);
}

void PrintRatio(const char* label, double ratio) {
    std::printf("%-58s %10.2f\n", label, ratio);
}

} // namespace bench
