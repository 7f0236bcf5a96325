// Shared by the display tests: the headless host with its one window, a
// temporary directory with small BMP files, and the shown page's pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "display/display_interface.h"

namespace displaytest {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;

// Starts the headless host (once per process; later calls answer true).
bool StartHeadlessHost(std::string* why);

// Starts the headless host and creates the window once per process.
HWND TestWindow();

// Sets the display up on the test window; fatal failures end the process.
void InitDisplay(DisplayInterface& display);

// A short-named directory under /tmp, removed with what was written into it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }
    // Writes a 24-bit BMP whose pixel (x, y) is color(x, y) as 0xRRGGBB and
    // answers its full name.
    std::string WriteBmp(const std::string& name, int width, int height,
                         const std::function<uint32_t(int, int)>& color);
    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes);

  private:
    std::string path;
};

// Pixel (x, y) of the last page shown, as 0xRRGGBB.
uint32_t ShownPixel(int x, int y);

// Draws one whole frame: clear, blit the surface at its rectangle, present.
void DrawFrame(DisplayInterface& display, IDirectDrawSurface4* surface, LONG x, LONG y, LONG width,
               LONG height, bool keyed, bool mirrored);

} // namespace displaytest
