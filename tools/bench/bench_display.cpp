// The display the figure sets draw on, and the page copy they are held against.
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench.h"
#include "display/display_interface.h"
#include "platform/win32.h"
#include "shell/globals.h"

namespace bench {

bool BringUpDisplay() {
    static bool up = false;
    if (up)
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "VocabuloonBench";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "VocabuloonBench", "bench", WS_POPUP, 0, 0, 640, 480, nullptr,
                                  nullptr, nullptr, nullptr);
    if (!window)
        return false;
    std::snprintf(imagePath, sizeof imagePath, "%s/Images/", VOCABULOON_ASSETS);
    display.SetWindow(window);
    display.Init();
    up = true;
    return true;
}

double PageCopyMicroseconds() {
    std::vector<uint16_t> from(640 * 480, 0x1234), to(640 * 480);
    return MedianMicroseconds(
        200, [&] { std::memcpy(to.data(), from.data(), from.size() * sizeof(uint16_t)); });
}

} // namespace bench
