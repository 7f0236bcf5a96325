#include "display_test_support.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/bmp_files.h"
#include "platform/host.h"

namespace displaytest {

namespace {

LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// Directories still there when the process ends (a death test's child exits
// from inside the test) are removed at exit.
class LeftoverDirs {
  public:
    ~LeftoverDirs() {
        for (const std::string& dir : dirs) {
            vbtest::RemoveTree(dir);
        }
    }
    std::set<std::string> dirs;
};

std::set<std::string>& OpenDirs() {
    static LeftoverDirs leftovers;
    return leftovers.dirs;
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
        HWND created = CreateWindowExA(0, "VocabuloonTest", "VocabuloonTest", WS_POPUP, 0, 0, 640,
                                       480, nullptr, nullptr, nullptr, nullptr);
        // The host has one window; when another test of this process made it,
        // a stand-in handle serves, as DirectDraw only needs one to be given.
        return created != nullptr ? created : reinterpret_cast<HWND>(uintptr_t(0x10));
    }();
    return window;
}

void InitDisplay(DisplayInterface& display) {
    display.SetInstance(nullptr);
    display.SetWindow(TestWindow());
    display.SetDriver(nullptr);
    display.Init();
}

TempDir::TempDir() : path(vbtest::MakeTempDir()) {
    OpenDirs().insert(path);
}

TempDir::~TempDir() {
    vbtest::RemoveTree(path);
    OpenDirs().erase(path);
}

std::string TempDir::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string full = path + "/" + name;
    vbtest::WriteFile(full, bytes);
    return full;
}

std::string TempDir::WriteBmp(const std::string& name, int width, int height,
                              const std::function<uint32_t(int, int)>& color) {
    vbtest::BmpImage image;
    image.width = width;
    image.height = height;
    image.pixels = vbtest::PackRows(width, height, 24, false, color);
    return WriteFile(name, vbtest::EncodeBmp(image));
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
