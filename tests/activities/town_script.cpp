#include "activities/town_script.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "audio/wav_builder.h"

namespace townscript {

using testing_support::GameInstall;
using testing_support::GameResult;

std::string SignInScript(const std::string& typed) {
    std::string script = "wait 36000\nclick " + std::string(kFirstRow) + "\nwait 1000\n";
    if (!typed.empty())
        script += "type " + typed + "\nwait 500\n";
    return script + "click " + kOk + "\nwait 1000\n";
}

std::vector<std::string> Sounds(const GameResult& result) {
    std::vector<std::string> sounds;
    for (const std::string& event : result.Events())
        if (event.rfind("sound ", 0) == 0)
            sounds.push_back(event.substr(6, event.rfind(' ') - 6));
    return sounds;
}

std::vector<int> Screens(const GameResult& result) {
    std::vector<int> screens;
    for (const std::string& event : result.Events())
        if (event.rfind("screen ", 0) == 0)
            screens.push_back(std::atoi(event.c_str() + 7));
    return screens;
}

int64_t TimeAfter(const GameResult& result, const std::string& event, int64_t from) {
    for (const std::string& line : result.trace) {
        size_t space = line.find(' ');
        if (space == std::string::npos || line.substr(space + 1) != event)
            continue;
        int64_t time = std::strtoll(line.c_str(), nullptr, 10);
        if (time >= from)
            return time;
    }
    return -1;
}

::testing::AssertionResult InOrder(const std::vector<std::string>& events,
                                   const std::vector<std::string>& wanted) {
    size_t at = 0;
    for (const std::string& event : events)
        if (at < wanted.size() && event == wanted[at])
            ++at;
    if (at == wanted.size())
        return ::testing::AssertionSuccess();
    std::string seen;
    for (const std::string& event : events)
        seen += "\n  " + event;
    return ::testing::AssertionFailure()
           << "missing \"" << wanted[at] << "\" (and what follows) in:" << seen;
}

bool Contains(const std::vector<std::string>& events, const std::string& event) {
    for (const std::string& each : events)
        if (each == event)
            return true;
    return false;
}

namespace {

uint32_t Be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// The game writes its screenshots as 8-bit RGB rows without filtering, in
// stored deflate blocks: the pixels can be read straight out of them.
std::vector<uint8_t> ShotRows(const std::string& path, uint32_t& width) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> png{std::istreambuf_iterator<char>(file), {}};
    std::vector<uint8_t> zlib;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = Be32(&png[at]);
        const uint8_t* type = &png[at + 4];
        if (!std::memcmp(type, "IHDR", 4))
            width = Be32(type + 4);
        else if (!std::memcmp(type, "IDAT", 4))
            zlib.insert(zlib.end(), type + 4, type + 4 + length);
        at += 12 + length;
    }
    std::vector<uint8_t> rows;
    for (size_t at = 2; at + 5 <= zlib.size();) {
        const bool last = zlib[at] & 1;
        const size_t length = zlib[at + 1] | (zlib[at + 2] << 8);
        rows.insert(rows.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
        if (last)
            break;
    }
    return rows;
}

} // namespace

uint32_t ShotPixel(const GameResult& result, const std::string& shot, int x, int y) {
    uint32_t width = 0;
    const std::vector<uint8_t> rows = ShotRows(result.outDir + "/" + shot + ".png", width);
    const size_t at = static_cast<size_t>(y) * (1 + width * 3) + 1 + static_cast<size_t>(x) * 3;
    if (width == 0 || at + 2 >= rows.size())
        return 0xFFFFFFFF;
    return (uint32_t(rows[at]) << 16) | (uint32_t(rows[at + 1]) << 8) | rows[at + 2];
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        int difference =
            static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance)
            return false;
    }
    return true;
}

void KeepShot(const GameResult& result, const std::string& shot, const std::string& as) {
    const char* keep = std::getenv("VOCABULOON_SHOTS");
    if (!keep || !*keep)
        return;
    std::error_code ignored;
    std::filesystem::create_directories(keep, ignored);
    std::filesystem::copy_file(result.outDir + "/" + shot + ".png",
                               std::string(keep) + "/" + as + ".png",
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

void WriteSilence(GameInstall& install, const std::string& name, int ms) {
    const std::string path = install.dir() + "/Wav/" + name;
    std::remove(path.c_str());
    const wavtest::Bytes wav = wavtest::ConstantWav(ms, 0);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
}

} // namespace townscript
