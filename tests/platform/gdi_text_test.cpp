// Text into a surface's device context as the overlays draw it: the screen's
// device caps, fonts and their metrics, DrawTextA's placement, clipping,
// colours and code page, and the device context's saved states.
#include <climits>
#include <cstring>

#include "ddraw_fixture.h"
#include "platform/gdi.h"
#include "platform/pixel_format.h"
#include "platform/testing.h"

using platform::testhooks::LiveDeviceContextCount;
using platform::testhooks::LiveGdiObjectCount;
using platform::testhooks::SurfaceColour;

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 60;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

struct Ink {
    int count = 0;
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
};

// A white surface lent to GDI, at the parameter's depth.
class GdiTextTest : public vbtest::DirectDrawTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        DirectDrawTest::SetUp();
        Open(GetParam());
        objectsBefore_ = LiveGdiObjectCount();
        dcsBefore_ = LiveDeviceContextCount();
        surface_ = OffScreen(kWidth, kHeight);
        Clear();
    }
    void TearDown() override {
        if (dc_)
            surface_->ReleaseDC(dc_);
        for (HFONT font : fonts_)
            EXPECT_TRUE(DeleteObject(font));
        EXPECT_EQ(LiveGdiObjectCount(), objectsBefore_);
        EXPECT_EQ(LiveDeviceContextCount(), dcsBefore_);
        DirectDrawTest::TearDown();
    }

    // White again, and the device context afresh with the font in use.
    void Clear() {
        if (dc_)
            surface_->ReleaseDC(dc_);
        Fill(surface_, platform::PackRgb(GetParam(), kWhite));
        ASSERT_EQ(surface_->GetDC(&dc_), DD_OK);
        if (!fonts_.empty())
            SelectObject(dc_, fonts_.back());
    }

    // A font selected into the DC; deleted at the end of the test.
    HFONT Use(LONG height, const char* face = "arial bold", LONG weight = 0,
              BYTE quality = ANTIALIASED_QUALITY) {
        LOGFONTA description{};
        description.lfHeight = height;
        description.lfWeight = weight;
        description.lfQuality = quality;
        description.lfOutPrecision = OUT_TT_PRECIS;
        std::strncpy(description.lfFaceName, face, LF_FACESIZE - 1);
        HFONT font = CreateFontIndirectA(&description);
        EXPECT_NE(font, nullptr);
        SelectObject(dc_, font);
        fonts_.push_back(font);
        return font;
    }

    TEXTMETRICA Metrics() {
        TEXTMETRICA metrics{};
        EXPECT_TRUE(GetTextMetricsA(dc_, &metrics));
        return metrics;
    }

    SIZE Extent(const char* text) {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc_, text, static_cast<int>(std::strlen(text)), &size));
        return size;
    }

    Ink InkIn(RECT area, uint32_t background = kWhite) {
        Ink ink;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                if (SurfaceColour(surface_, x, y) == background)
                    continue;
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
        return ink;
    }
    Ink AllInk() { return InkIn(RECT{0, 0, kWidth, kHeight}); }

    int Draw(const char* text, RECT rect, UINT format) {
        SetBkMode(dc_, TRANSPARENT);
        return DrawTextA(dc_, text, -1, &rect, format);
    }

    IDirectDrawSurface4* surface_ = nullptr;
    HDC dc_ = nullptr;
    std::vector<HFONT> fonts_;
    int objectsBefore_ = 0;
    int dcsBefore_ = 0;
};

INSTANTIATE_TEST_SUITE_P(Depths, GdiTextTest, ::testing::Values(16, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bit"; });

TEST_P(GdiTextTest, DeviceCapsDescribeTheGameScreen) {
    EXPECT_EQ(GetDeviceCaps(dc_, HORZRES), 640);
    EXPECT_EQ(GetDeviceCaps(dc_, VERTRES), 480);
    EXPECT_EQ(GetDeviceCaps(dc_, HORZSIZE), 320);
    EXPECT_EQ(GetDeviceCaps(dc_, VERTSIZE), 240);
    EXPECT_EQ(GetDeviceCaps(dc_, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc_, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc_, BITSPIXEL), GetParam());
    EXPECT_EQ(GetDeviceCaps(dc_, 1234), 0);
    EXPECT_EQ(GetDeviceCaps(nullptr, HORZRES), 0);
}

TEST_P(GdiTextTest, HeightsAreCharacterHeightsWhenNegativeAndCellsWhenPositive) {
    Use(-13);
    TEXTMETRICA metrics = Metrics();
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 13);
    EXPECT_EQ(metrics.tmAscent, 12);
    EXPECT_EQ(metrics.tmHeight, 15);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    Use(15);
    EXPECT_EQ(Metrics().tmHeight, 15);
    Use(-28);
    metrics = Metrics();
    EXPECT_EQ(metrics.tmHeight, 32);
    EXPECT_EQ(metrics.tmAscent, 26);
}

TEST_P(GdiTextTest, BoldComesFromTheWeightOrTheFaceName) {
    Use(-13, "arial bold");
    EXPECT_EQ(Metrics().tmWeight, FW_BOLD);
    const LONG boldWidth = Extent("Delfin").cx;
    Use(-13, "Arial");
    EXPECT_EQ(Metrics().tmWeight, FW_NORMAL);
    EXPECT_LT(Extent("Delfin").cx, boldWidth);
    Use(-13, "Arial", FW_BOLD);
    EXPECT_EQ(Metrics().tmWeight, FW_BOLD);
    EXPECT_EQ(Extent("Delfin").cx, boldWidth);
    // Any other face is drawn with the same family.
    Use(-13, "Comic Sans MS");
    EXPECT_EQ(Metrics().tmWeight, FW_NORMAL);
}

TEST_P(GdiTextTest, FontsAreGdiObjects) {
    HFONT font = Use(-13, "arial bold");
    LOGFONTA description{};
    EXPECT_EQ(GetObjectA(font, sizeof description, &description), int(sizeof description));
    EXPECT_EQ(description.lfHeight, -13);
    EXPECT_STREQ(description.lfFaceName, "arial bold");
    // Selected, it stays; the stock system font was the DC's own.
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_EQ(SelectObject(dc_, GetStockObject(SYSTEM_FONT)), font);
    EXPECT_EQ(GetStockObject(SYSTEM_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST_P(GdiTextTest, CentredTextStaysInItsPlace) {
    Use(-13);
    const RECT rect{20, 10, 180, 50};
    const SIZE size = Extent("Ana");
    const int left = 20 + (160 - size.cx) / 2, top = 10 + (40 - size.cy) / 2;
    EXPECT_EQ(Draw("Ana", rect, kCentred), top - rect.top + size.cy);
    const Ink ink = AllInk();
    ASSERT_GT(ink.count, 20);
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.right, left + size.cx);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + size.cy);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 2);
}

TEST_P(GdiTextTest, AlignmentsAndLines) {
    Use(-13);
    const RECT rect{10, 5, 190, 55};
    Draw("Sol", rect, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    Ink ink = AllInk();
    EXPECT_LE(ink.right, 190);
    EXPECT_GE(ink.right, 188);
    EXPECT_GE(ink.top, 55 - Metrics().tmHeight);
    Clear();
    // Without DT_SINGLELINE, one line per line break, from the top.
    EXPECT_EQ(Draw("A\nB\r\nC", rect, DT_LEFT), 3 * Metrics().tmHeight);
    ink = AllInk();
    EXPECT_GT(ink.bottom - ink.top, 2 * Metrics().tmHeight);
    // DT_CALCRECT measures and draws nothing.
    Clear();
    RECT measured{30, 20, 31, 21};
    EXPECT_EQ(DrawTextA(dc_, "Delfin", -1, &measured, DT_CALCRECT | DT_SINGLELINE), 15);
    EXPECT_EQ(measured.right - measured.left, Extent("Delfin").cx);
    EXPECT_EQ(measured.bottom - measured.top, 15);
    EXPECT_EQ(AllInk().count, 0);
}

TEST_P(GdiTextTest, TextIsClippedToItsRectangleUnlessNoClip) {
    Use(-13);
    const RECT narrow{90, 0, 110, kHeight};
    Draw("WWWWWW", narrow, kCentred);
    Ink ink = AllInk();
    EXPECT_GT(ink.count, 20);
    EXPECT_GE(ink.left, 90);
    EXPECT_LE(ink.right, 110);
    Clear();
    Draw("WWWWWW", narrow, kCentred | DT_NOCLIP);
    ink = AllInk();
    EXPECT_LT(ink.left, 80);
    EXPECT_GT(ink.right, 120);
}

TEST_P(GdiTextTest, ColoursAndBackgroundModes) {
    Use(-20);
    const RECT rect{0, 0, kWidth, kHeight};
    SetTextColor(dc_, RGB(0, 0, 255));
    Draw("Azul", rect, kCentred);
    const uint32_t blue = platform::UnpackRgb(GetParam(), platform::PackRgb(GetParam(), 0x0000FF));
    int bluePixels = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bluePixels += SurfaceColour(surface_, x, y) == blue ? 1 : 0;
    EXPECT_GT(bluePixels, 20);

    // Opaque: the text's cell is filled with the background colour first.
    Clear();
    SetBkColor(dc_, RGB(255, 0, 0));
    EXPECT_EQ(SetBkMode(dc_, OPAQUE), OPAQUE); // GDI's default was opaque already
    RECT cell = rect;
    DrawTextA(dc_, "Rojo", -1, &cell, kCentred);
    const SIZE size = Extent("Rojo");
    const int left = (kWidth - size.cx) / 2, top = (kHeight - size.cy) / 2;
    EXPECT_EQ(SurfaceColour(surface_, left, top), 0xFF0000u);
    const Ink ink = AllInk();
    EXPECT_EQ(ink.left, left);
    EXPECT_EQ(ink.right, left + size.cx);
    EXPECT_EQ(ink.top, top);
    EXPECT_EQ(ink.bottom, top + size.cy);
}

TEST_P(GdiTextTest, EdgesBlendUnlessAntialiasingIsOff) {
    const RECT rect{0, 0, kWidth, kHeight};
    auto greys = [&] {
        int count = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t colour = SurfaceColour(surface_, x, y);
                count += colour != kWhite && colour != 0 ? 1 : 0;
            }
        return count;
    };
    Use(-20, "Arial", 0, ANTIALIASED_QUALITY);
    Draw("Sopa", rect, kCentred);
    EXPECT_GT(greys(), 10);
    Clear();
    Use(-20, "Arial", 0, NONANTIALIASED_QUALITY);
    Draw("Sopa", rect, kCentred);
    EXPECT_EQ(greys(), 0);
    EXPECT_GT(AllInk().count, 20);
}

TEST_P(GdiTextTest, TextIsWindows1252) {
    Use(-20);
    const RECT rect{0, 0, kWidth, kHeight};
    auto inkOf = [&](const char* text) {
        Clear();
        Draw(text, rect, kCentred);
        return AllInk();
    };
    const Ink dotted = inkOf("i");
    const Ink accented = inkOf("\xED"); // í
    const Ink unknown = inkOf("?");
    ASSERT_GT(accented.count, 0);
    EXPECT_NE(accented.count, dotted.count);
    EXPECT_NE(accented.count, unknown.count);
    EXPECT_GT(inkOf("\x80").count, 0); // the euro sign
    // Mnemonic prefixes are not shown, unless DT_NOPREFIX.
    const int plain = inkOf("AB").count;
    EXPECT_EQ(inkOf("A&B").count, plain);
    Clear();
    Draw("A&B", rect, kCentred | DT_NOPREFIX);
    EXPECT_GT(AllInk().count, plain);
}

TEST_P(GdiTextTest, OriginsMoveLogicalCoordinatesAndSaveDcKeepsThem) {
    Use(-13);
    const int saved = SaveDC(dc_);
    EXPECT_EQ(saved, 1);
    SetViewportOrgEx(dc_, 100, 10, nullptr);
    SetWindowOrgEx(dc_, 20, 0, nullptr);
    SetTextColor(dc_, RGB(255, 0, 0));
    POINT point{100, 10};
    EXPECT_TRUE(DPtoLP(dc_, &point, 1));
    EXPECT_EQ(point.x, 20);
    EXPECT_EQ(point.y, 0);
    Draw("Sol", RECT{20, 0, 120, 20}, DT_LEFT | DT_TOP | DT_SINGLELINE);
    EXPECT_GE(AllInk().left, 100);
    EXPECT_GE(AllInk().top, 10);

    EXPECT_TRUE(RestoreDC(dc_, -1));
    EXPECT_EQ(GetTextColor(dc_), RGB(0, 0, 0));
    point = POINT{100, 10};
    DPtoLP(dc_, &point, 1);
    EXPECT_EQ(point.x, 100);
    EXPECT_FALSE(RestoreDC(dc_, 1)); // nothing saved any more
}

} // namespace
