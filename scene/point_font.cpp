#include "scene/point_font.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

// Pixels per inch along one axis; a device that states no size in millimetres
// falls back on its logical inch rather than dividing by zero.
double PixelsPerInch(HDC dc, bool useLogicalInches, int logPixels, int resolution, int size) {
    const int millimetres = GetDeviceCaps(dc, size);
    if (useLogicalInches || millimetres <= 0)
        return GetDeviceCaps(dc, logPixels);
    return GetDeviceCaps(dc, resolution) * kMillimetresPerInch / millimetres;
}

} // namespace

HFONT CreatePointFont(HDC dc, const char* faceName, int height, int width, int style,
                      bool useLogicalInches) {
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    const double perInchX = PixelsPerInch(dc, useLogicalInches, LOGPIXELSX, HORZRES, HORZSIZE);
    const double perInchY = PixelsPerInch(dc, useLogicalInches, LOGPIXELSY, VERTRES, VERTSIZE);
    // In tenths of a pixel.
    POINT size{static_cast<LONG>(width * perInchX / kPointsPerInch),
               static_cast<LONG>(height * perInchY / kPointsPerInch)};
    DPtoLP(dc, &size, 1);

    LOGFONTA font{};
    font.lfHeight = -static_cast<LONG>(std::labs(size.y) * 0.1 + 0.5);
    font.lfWeight = (style & 1) ? FW_BOLD : FW_DONTCARE;
    font.lfItalic = (style & 2) ? 1 : 0;
    font.lfUnderline = (style & 4) ? 1 : 0;
    font.lfStrikeOut = (style & 8) ? 1 : 0;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Solid glyphs: smoothed edges would be blended with the overlays' colour
    // key and show round the text as a halo of that colour.
    font.lfQuality = NONANTIALIASED_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(font.lfFaceName, faceName ? faceName : "", LF_FACESIZE - 1);
    HFONT created = CreateFontIndirectA(&font);

    if (width != 0 && created && size.y != 0) {
        HGDIOBJ previous = SelectObject(dc, created);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        DeleteObject(created);
        font.lfWidth = static_cast<LONG>(
            double(std::labs(size.x)) * metrics.tmAveCharWidth / std::labs(size.y) + 0.5);
        created = CreateFontIndirectA(&font);
    }
    RestoreDC(dc, saved);
    return created;
}
