// vocabuloon-contactsheet PACKDIR OUT.png [--columns N] [--filter TEXT] [--first N] [--count N]
//                         [--screens DIR [--entry-shots DIR]]
// Writes one PNG showing every picture of the pack with its name, and with
// --screens one PNG per screen (DIR/screen-NN-name.png): its page at entry
// beside the page with every thing to click lit. With --entry-shots, the page
// at entry is the game's own screenshot DIR/entry-NN.png where there is one.
#include "contact_sheet.h"
#include "png_reader.h"
#include "png_writer.h"
#include "screen_lists.h"
#include "screen_pages.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    vocassets::ContactSheetOptions options;
    std::string out;
    std::string screensDir;
    std::string shotsDir;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--columns" && i + 1 < argc) {
            options.columns = std::atoi(argv[++i]);
        } else if (arg == "--filter" && i + 1 < argc) {
            options.filter = argv[++i];
        } else if (arg == "--first" && i + 1 < argc) {
            options.first = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--screens" && i + 1 < argc) {
            screensDir = argv[++i];
        } else if (arg == "--entry-shots" && i + 1 < argc) {
            shotsDir = argv[++i];
        } else if (arg == "--count" && i + 1 < argc) {
            options.count = std::strtoul(argv[++i], nullptr, 10);
        } else if (options.packDir.empty()) {
            options.packDir = arg;
        } else if (out.empty()) {
            out = arg;
        } else {
            out.clear();
            break;
        }
    }
    if (options.packDir.empty() || out.empty()) {
        std::fprintf(stderr,
                     "usage: %s PACKDIR OUT.png [--columns N] [--filter TEXT] [--first N] "
                     "[--count N] [--screens DIR [--entry-shots DIR]]\n",
                     argv[0]);
        return 2;
    }
    vocassets::TextRenderer text(vocassets::DefaultFontPath());
    std::vector<std::string> missing;
    vocassets::Canvas sheet = vocassets::BuildContactSheet(options, text, missing);
    if (!vocassets::WritePng(sheet, out)) {
        std::fprintf(stderr, "contactsheet: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("contactsheet: %dx%d written to %s\n", sheet.Width(), sheet.Height(), out.c_str());
    for (const vocassets::ScreenList& screen : vocassets::ScreenLists()) {
        if (screensDir.empty()) {
            break;
        }
        char file[64];
        std::snprintf(file, sizeof file, "/screen-%02d-%s.png", screen.screen, screen.name);
        char shot[32];
        std::snprintf(shot, sizeof shot, "/entry-%02d.png", screen.screen);
        std::optional<vocassets::Canvas> entry;
        if (!shotsDir.empty()) {
            entry = vocassets::ReadPng(shotsDir + shot);
        }
        vocassets::Canvas page = vocassets::ScreenSheet(screen.screen, options.packDir, text,
                                                        missing, entry ? &*entry : nullptr);
        if (!vocassets::WritePng(page, screensDir + file)) {
            std::fprintf(stderr, "contactsheet: cannot write %s%s\n", screensDir.c_str(), file);
            return 1;
        }
    }
    if (!screensDir.empty()) {
        std::printf("contactsheet: screen pages written to %s\n", screensDir.c_str());
    }
    for (const std::string& name : missing) {
        std::fprintf(stderr, "contactsheet: cannot read %s\n", name.c_str());
    }
    return missing.empty() ? 0 : 1;
}
