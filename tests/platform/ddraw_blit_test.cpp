// Blt and BltFast between surfaces: colour keys, mirroring, fills, clipping
// and stretching, in each of the three depths, checked pixel by pixel.
#include "ddraw_fixture.h"
#include "platform/pixel_format.h"
#include "platform/testing.h"

using platform::testhooks::SetSurfacePixel;
using platform::testhooks::SurfaceColour;
using platform::testhooks::SurfacePixel;
using vbtest::Effects;

namespace {

constexpr DWORD kKeyed = DDBLT_WAIT | DDBLT_ASYNC | DDBLT_KEYSRC;
constexpr DWORD kPlain = DDBLT_WAIT | DDBLT_ASYNC;

DWORD Raw(int bits, uint32_t rgb) {
    return platform::PackRgb(bits, rgb);
}

class BlitTest : public vbtest::DirectDrawTest, public ::testing::WithParamInterface<int> {
  protected:
    int Bits() const { return GetParam(); }
    DWORD Green() const { return Raw(Bits(), 0x00FF00); }

    // A 4x4 sprite of the green key with a red pixel at (1, 0) and a blue one at (3, 0).
    IDirectDrawSurface4* Sprite(bool keyed) {
        IDirectDrawSurface4* sprite = OffScreen(4, 4, keyed, Green(), Green());
        Fill(sprite, Green());
        SetSurfacePixel(sprite, 1, 0, Raw(Bits(), 0xFF0000));
        SetSurfacePixel(sprite, 3, 0, Raw(Bits(), 0x0000FF));
        return sprite;
    }
};

TEST_P(BlitTest, KeyedShowsTheBackgroundThroughGreenUnkeyedShowsGreen) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(640, 480);
    IDirectDrawSurface4* sprite = Sprite(true);
    Fill(page, Raw(Bits(), 0x808080));
    RECT at{10, 20, 14, 24};
    ASSERT_EQ(page->Blt(&at, sprite, nullptr, kKeyed, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 10, 20), SurfaceColour(page, 0, 0)); // background
    EXPECT_EQ(SurfaceColour(page, 11, 20), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 13, 20), 0x0000FFu);
    EXPECT_EQ(SurfaceColour(page, 12, 23), SurfaceColour(page, 0, 0));

    ASSERT_EQ(page->Blt(&at, sprite, nullptr, kPlain, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 10, 20), 0x00FF00u);
    EXPECT_EQ(SurfaceColour(page, 11, 20), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 14, 20), SurfaceColour(page, 0, 0)); // outside the rectangle
}

TEST_P(BlitTest, MirroredLeftRight) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(64, 64);
    IDirectDrawSurface4* sprite = Sprite(true);
    Fill(page, 0);
    RECT at{0, 0, 4, 4};
    DDBLTFX mirror = Effects();
    mirror.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    ASSERT_EQ(page->Blt(&at, sprite, nullptr, kKeyed | DDBLT_DDFX, &mirror), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 0, 0), 0x0000FFu);
    EXPECT_EQ(SurfaceColour(page, 1, 0), 0u); // key stays transparent when mirrored
    EXPECT_EQ(SurfaceColour(page, 2, 0), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 3, 0), 0u);

    // Clipped on the left, the visible part is still the mirrored right-hand side.
    RECT offLeft{-2, 10, 2, 14};
    ASSERT_EQ(page->Blt(&offLeft, sprite, nullptr, kPlain | DDBLT_DDFX, &mirror), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 0, 10), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 1, 10), 0x00FF00u);

    DDBLTFX flip = Effects();
    flip.dwDDFX = DDBLTFX_MIRRORUPDOWN;
    RECT low{20, 0, 24, 4};
    ASSERT_EQ(page->Blt(&low, sprite, nullptr, kPlain | DDBLT_DDFX, &flip), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 21, 3), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 21, 0), 0x00FF00u);
}

TEST_P(BlitTest, ColourFillIsARawPixelValue) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(32, 16);
    Fill(page, 0);
    RECT box{4, 2, 8, 5};
    Fill(page, 0xFFFFA6, &box);
    const uint32_t expected = Bits() == 16 ? 0xFFA6u : 0xFFFFA6u;
    EXPECT_EQ(SurfacePixel(page, 4, 2), expected);
    EXPECT_EQ(SurfacePixel(page, 7, 4), expected);
    EXPECT_EQ(SurfacePixel(page, 8, 4), 0u);
    EXPECT_EQ(SurfacePixel(page, 4, 5), 0u);
    EXPECT_EQ(SurfacePixel(page, 3, 2), 0u);

    // No rectangle: the whole surface. Partly outside: clipped.
    Fill(page, 0x123456);
    EXPECT_EQ(SurfacePixel(page, 31, 15), 0x123456u & platform::RawMask(Bits()));
    RECT over{30, 14, 40, 20};
    Fill(page, 0, &over);
    EXPECT_EQ(SurfacePixel(page, 31, 15), 0u);
    EXPECT_EQ(SurfacePixel(page, 29, 15), 0x123456u & platform::RawMask(Bits()));
}

TEST_P(BlitTest, ClippedToTheDestination) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(640, 480);
    IDirectDrawSurface4* sprite = Sprite(false);
    Fill(page, 0);
    RECT corner{637, 477, 641, 481};
    EXPECT_EQ(page->Blt(&corner, sprite, nullptr, kPlain, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 638, 477), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 639, 479), 0x00FF00u);
    RECT topLeft{-3, -3, 1, 1};
    EXPECT_EQ(page->Blt(&topLeft, sprite, nullptr, kPlain, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 0, 0), 0x00FF00u);
    EXPECT_EQ(SurfaceColour(page, 1, 0), 0u);
    RECT away{700, 500, 704, 504};
    EXPECT_EQ(page->Blt(&away, sprite, nullptr, kPlain, nullptr), DD_OK);
}

TEST_P(BlitTest, StretchedToTheRectangle) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(16, 16);
    IDirectDrawSurface4* sprite = Sprite(false);
    Fill(page, 0);
    RECT twice{0, 0, 8, 8};
    ASSERT_EQ(page->Blt(&twice, sprite, nullptr, kPlain, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 2, 0), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 3, 1), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(page, 7, 1), 0x0000FFu);
    EXPECT_EQ(SurfaceColour(page, 3, 2), 0x00FF00u);
    RECT part{1, 0, 2, 1};
    RECT one{10, 10, 11, 11};
    ASSERT_EQ(page->Blt(&one, sprite, &part, kPlain, nullptr), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 10, 10), 0xFF0000u);
}

TEST_P(BlitTest, BltFastCopiesWithOrWithoutTheKey) {
    Open(Bits());
    IDirectDrawSurface4* page = OffScreen(16, 16);
    IDirectDrawSurface4* sprite = Sprite(true);
    Fill(page, 0);
    ASSERT_EQ(page->BltFast(2, 3, sprite, nullptr, DDBLTFAST_WAIT | DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 2, 3), 0u);
    EXPECT_EQ(SurfaceColour(page, 3, 3), 0xFF0000u);
    RECT column{3, 0, 4, 4};
    ASSERT_EQ(page->BltFast(0, 0, sprite, &column, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(SurfaceColour(page, 0, 0), 0x0000FFu);
    EXPECT_EQ(SurfaceColour(page, 0, 1), 0x00FF00u);
    EXPECT_EQ(page->BltFast(13, 0, sprite, nullptr, DDBLTFAST_WAIT), DDERR_INVALIDRECT);
}

TEST_P(BlitTest, KeyRangeOverWideRows) {
    // Rows long enough for the block loops, with values on both sides of each
    // end of the range and with the top bit set.
    Open(Bits());
    const uint32_t top = Bits() == 16 ? 0x8000 : 0x800000;
    const uint32_t low = top - 2, high = top + 1;
    const uint32_t samples[] = {low - 1, low, low + 1, high, high + 1, 0, platform::RawMask(Bits()),
                                top,     7};
    constexpr int kWidth = 37;
    IDirectDrawSurface4* page = OffScreen(kWidth, 2);
    IDirectDrawSurface4* strip = OffScreen(kWidth, 2, true, low, high);
    for (int x = 0; x < kWidth; ++x)
        for (int y = 0; y < 2; ++y)
            SetSurfacePixel(strip, x, y, samples[(x + y) % 9] & platform::RawMask(Bits()));
    Fill(page, 0x1234);
    RECT at{0, 0, kWidth, 2};
    ASSERT_EQ(page->Blt(&at, strip, nullptr, kKeyed, nullptr), DD_OK);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t value = samples[(x + y) % 9] & platform::RawMask(Bits());
            const bool keyed = value >= low && value <= high;
            EXPECT_EQ(SurfacePixel(page, x, y), keyed ? 0x1234u : value) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Depths, BlitTest, ::testing::Values(16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

class BlitRulesTest : public vbtest::DirectDrawTest {};

TEST_F(BlitRulesTest, KeyRangeFromLowToHigh) {
    Open(16);
    IDirectDrawSurface4* page = OffScreen(8, 1);
    IDirectDrawSurface4* strip = OffScreen(5, 1, true, 0x10, 0x20);
    const DWORD values[] = {0x0F, 0x10, 0x18, 0x20, 0x21};
    for (int x = 0; x < 5; ++x)
        SetSurfacePixel(strip, x, 0, values[x]);
    Fill(page, 0xAAAA);
    ASSERT_EQ(page->Blt(nullptr, nullptr, nullptr, 0, nullptr), DDERR_INVALIDPARAMS);
    RECT at{0, 0, 5, 1};
    ASSERT_EQ(page->Blt(&at, strip, nullptr, kKeyed, nullptr), DD_OK);
    const uint32_t expected[] = {0x0F, 0xAAAA, 0xAAAA, 0xAAAA, 0x21};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(SurfacePixel(page, x, 0), expected[x]) << x;
}

TEST_F(BlitRulesTest, CopyWithinOneSurfaceOverlapping) {
    Open(32);
    IDirectDrawSurface4* page = OffScreen(8, 1);
    for (int x = 0; x < 8; ++x)
        SetSurfacePixel(page, x, 0, x);
    RECT from{0, 0, 6, 1};
    RECT to{2, 0, 8, 1};
    ASSERT_EQ(page->Blt(&to, page, &from, kPlain, nullptr), DD_OK);
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(SurfacePixel(page, x, 0), uint32_t(x - 2));
}

TEST_F(BlitRulesTest, RefusedCalls) {
    Open(16);
    IDirectDrawSurface4* page = OffScreen(8, 8);
    IDirectDrawSurface4* plain = OffScreen(4, 4);
    RECT at{0, 0, 4, 4};
    DDBLTFX shortRecord = Effects();
    shortRecord.dwSize = 96;
    shortRecord.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    EXPECT_EQ(page->Blt(&at, plain, nullptr, kPlain | DDBLT_DDFX, &shortRecord),
              DDERR_INVALIDPARAMS);
    EXPECT_EQ(page->Blt(&at, plain, nullptr, kPlain | DDBLT_DDFX, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(page->Blt(&at, plain, nullptr, kKeyed, nullptr), DDERR_COLORKEYNOTSET);
    RECT inverted{4, 0, 0, 4};
    EXPECT_EQ(page->Blt(&inverted, plain, nullptr, kPlain, nullptr), DDERR_INVALIDRECT);
    RECT outside{0, 0, 5, 4};
    EXPECT_EQ(page->Blt(&at, plain, &outside, kPlain, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(page->Blt(&at, plain, nullptr, kPlain | 0x100, nullptr), DDERR_UNSUPPORTED);

    DDCOLORKEY key{0x07E0, 0x07E0};
    EXPECT_EQ(plain->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    EXPECT_EQ(page->Blt(&at, plain, nullptr, kKeyed, nullptr), DD_OK);
}

} // namespace
