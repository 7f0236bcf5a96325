#include "scene/text_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

#include "display/display_interface.h"
#include "display/display_test_support.h"
#include "platform/host.h"
#include "platform/page.h"
#include "platform/pixel_format.h"
#include "platform/testing.h"
#include "shell/globals.h"

namespace texttest {

namespace {

uint32_t PagePixel(int x, int y) {
    const std::vector<uint8_t>& page = platform::LastShownPage();
    const size_t at = (static_cast<size_t>(y) * 640 + static_cast<size_t>(x)) * 3;
    if (page.size() < at + 3)
        return 0xDEADBEEF;
    return (uint32_t(page[at]) << 16) | (uint32_t(page[at + 1]) << 8) | page[at + 2];
}

} // namespace

void UseDisplay() {
    if (!display.GetDirectDraw()) {
        ASSERT_NE(displaytest::TestWindow(), nullptr);
        displaytest::InitDisplay(display);
    }
    // Pages a previous test left lost come back here, not in the middle of a check.
    display.Present();
}

void PaintPage(uint32_t rgb) {
    static IDirectDrawSurface4* paint = nullptr;
    if (!paint)
        paint = display.CreateKeyedSurface(640, 480);
    if (FAILED(paint->IsLost()))
        paint->Restore();
    DDBLTFX fill{};
    fill.dwSize = sizeof fill;
    fill.dwFillColor = platform::PackRgb(platform::testhooks::SurfaceBitsPerPixel(paint), rgb);
    ASSERT_EQ(paint->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill), DD_OK);
    display.Blit(0, 0, 640, 480, paint, false, false);
}

bool DrawPackPicture(const char* name, LONG x, LONG y) {
    const std::string path = std::string(VOCABULOON_ASSETS) + "/Images/" + name;
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return false;
    LONG width = 0, height = 0;
    IDirectDrawSurface4* picture = display.LoadBitmapSurface(path.c_str(), width, height);
    display.Blit(x, y, x + width, y + height, picture, true, false);
    picture->Release();
    return true;
}

void ShowPage() {
    display.Present();
}

Ink InkOnPage(const RECT& area, uint32_t background) {
    Ink ink;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (PagePixel(x, y) == background)
                continue;
            ++ink.count;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x + 1);
            ink.bottom = std::max(ink.bottom, y + 1);
        }
    return ink;
}

Ink InkOnPage(uint32_t background) {
    return InkOnPage(RECT{0, 0, 640, 480}, background);
}

int CountOnPage(const RECT& area, uint32_t rgb) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += PagePixel(x, y) == rgb ? 1 : 0;
    return count;
}

void SaveShot(const std::string& name) {
    const char* dir = std::getenv("VOCABULOON_SHOTS");
    if (!dir || !*dir)
        return;
    const std::vector<uint8_t>& page = platform::LastShownPage();
    ASSERT_EQ(page.size(), size_t(640) * 480 * 3);
    EXPECT_TRUE(platform::WritePng(std::string(dir) + "/" + name + ".png", page.data(), 640, 480));
}

} // namespace texttest
