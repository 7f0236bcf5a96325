// vocabuloon-assetgen OUTDIR [--jobs N] [--only FILE]...
// Writes the asset pack into OUTDIR/Images and OUTDIR/Wav.
#include "generator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    vocassets::GenerateOptions options;
    options.jobs = static_cast<int>(std::max(2u, std::thread::hardware_concurrency()));
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--jobs" && i + 1 < argc) {
            options.jobs = std::atoi(argv[++i]);
        } else if (arg == "--only" && i + 1 < argc) {
            options.only.emplace_back(argv[++i]);
        } else if (options.outDir.empty() && !arg.starts_with("--")) {
            options.outDir = arg;
        } else {
            std::fprintf(stderr, "usage: %s OUTDIR [--jobs N] [--only FILE]...\n", argv[0]);
            return 2;
        }
    }
    if (options.outDir.empty()) {
        std::fprintf(stderr, "usage: %s OUTDIR [--jobs N] [--only FILE]...\n", argv[0]);
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    vocassets::GenerateReport report = vocassets::GeneratePack(options);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const std::string& error : report.errors) {
        std::fprintf(stderr, "assetgen: %s\n", error.c_str());
    }
    std::printf("assetgen: %d pictures, %d recordings (%d written, %d unchanged, %d removed), "
                "%.1f MB in %.1f s\n",
                report.pictures, report.recordings, report.written, report.unchanged,
                report.removed, report.bytes / 1048576.0, seconds);
    return report.errors.empty() ? 0 : 1;
}
