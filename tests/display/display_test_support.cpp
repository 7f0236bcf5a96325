#include "display_test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/host.h"

namespace displaytest {

namespace {

LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace

bool StartHeadlessHost(std::string* why) {
    platform::HostOptions options;
    options.headless = true;
    return platform::StartHost(options, why);
}

HWND TestWindow() {
    static HWND window = [] {
        std::string why;
        if (!StartHeadlessHost(&why)) {
            ADD_FAILURE() << "headless host: " << why;
            return HWND(nullptr);
        }
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = TestWindowProcedure;
        windowClass.lpszClassName = "VocabuloonTest";
        RegisterClassExA(&windowClass);
        return CreateWindowExA(0, "VocabuloonTest", "VocabuloonTest", WS_POPUP, 0, 0, 640, 480,
                               nullptr, nullptr, nullptr, nullptr);
    }();
    return window;
}

void InitDisplay(DisplayInterface& display) {
    display.SetInstance(nullptr);
    display.SetWindow(TestWindow());
    display.SetDriver(nullptr);
    display.Init();
}

TempDir::TempDir() {
    char pattern[] = "/tmp/vbXXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
    }
    path = pattern;
}

TempDir::~TempDir() {
    for (const std::string& file : files) {
        std::remove(file.c_str());
    }
    rmdir(path.c_str());
}

std::string TempDir::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string full = path + "/" + name;
    FILE* file = std::fopen(full.c_str(), "wb");
    if (file == nullptr) {
        ADD_FAILURE() << "cannot write " << full;
        return full;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    files.push_back(full);
    return full;
}

std::string TempDir::WriteBmp(const std::string& name, int width, int height,
                              const std::function<uint32_t(int, int)>& color) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 14 + 40 + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 14 + 40, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(width), 4);
    PutLe(out, static_cast<uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4); // uncompressed
    PutLe(out, imageBytes, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) { // bottom-up
        for (int x = 0; x < width; ++x) {
            PutLe(out, color(x, y), 3); // B, G, R
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return WriteFile(name, out);
}

uint32_t ShownPixel(int x, int y) {
    const std::vector<uint8_t>& page = platform::LastShownPage();
    const size_t at = (static_cast<size_t>(y) * 640 + static_cast<size_t>(x)) * 3;
    if (page.size() < at + 3) {
        ADD_FAILURE() << "no page shown";
        return 0xDEADBEEF;
    }
    return (uint32_t(page[at]) << 16) | (uint32_t(page[at + 1]) << 8) | page[at + 2];
}

void DrawFrame(DisplayInterface& display, IDirectDrawSurface4* surface, LONG x, LONG y, LONG width,
               LONG height, bool keyed, bool mirrored) {
    display.ClearDrawSurface();
    display.Blit(x, y, x + width, y + height, surface, keyed, mirrored);
    display.Present();
}

} // namespace displaytest
