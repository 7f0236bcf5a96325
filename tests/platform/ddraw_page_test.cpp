// Pages reaching the screen: flips of double and triple chains, copies onto a
// primary without a chain, and surfaces lost and restored.
#include "ddraw_fixture.h"
#include "platform/faults.h"
#include "platform/host.h"
#include "platform/pixel_format.h"
#include "platform/testing.h"

using platform::LastShownPage;
using platform::testhooks::SurfaceColour;
using vbtest::Description;

namespace {

constexpr DWORD kChainCaps =
    DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;

uint32_t ShownColour(int x, int y) {
    const std::vector<uint8_t>& page = LastShownPage();
    size_t at = (size_t(y) * 640 + x) * 3;
    if (page.size() < at + 3)
        return 0xDEADBEEF;
    return (uint32_t(page[at]) << 16) | (page[at + 1] << 8) | page[at + 2];
}

class PageTest : public vbtest::DirectDrawTest {
  protected:
    void OpenChain(int bits, DWORD backBuffers) {
        Open(bits);
        DDSURFACEDESC2 chain = Description(DDSD_CAPS | DDSD_BACKBUFFERCOUNT, kChainCaps);
        chain.dwBackBufferCount = backBuffers;
        ASSERT_EQ(dd4_->CreateSurface(&chain, &primary_, nullptr), DD_OK);
        Keep(primary_);
        DDSCAPS2 caps{DDSCAPS_BACKBUFFER, 0, 0, 0};
        ASSERT_EQ(primary_->GetAttachedSurface(&caps, &back_), DD_OK);
    }

    void OpenBlitMode(int bits) {
        Open(bits);
        DDSURFACEDESC2 screen = Description(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE);
        ASSERT_EQ(dd4_->CreateSurface(&screen, &primary_, nullptr), DD_OK);
        Keep(primary_);
        back_ = OffScreen(640, 480);
    }

    IDirectDrawSurface4* primary_ = nullptr;
    IDirectDrawSurface4* back_ = nullptr;
};

TEST_F(PageTest, FlipShowsTheBackBufferAndHandsBackTheOldFront) {
    OpenChain(16, 1);
    Fill(back_, 0xF800);
    ASSERT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    EXPECT_EQ(ShownColour(0, 0), 0xFF0000u);
    EXPECT_EQ(ShownColour(639, 479), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(primary_, 5, 5), 0xFF0000u);
    EXPECT_EQ(SurfaceColour(back_, 5, 5), 0u); // the front before the flip

    Fill(back_, 0x001F);
    RECT box{100, 100, 110, 110};
    Fill(back_, 0x07E0, &box);
    ASSERT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    EXPECT_EQ(ShownColour(0, 0), 0x0000FFu);
    EXPECT_EQ(ShownColour(105, 105), 0x00FF00u);
    EXPECT_EQ(SurfaceColour(back_, 5, 5), 0xFF0000u);
}

TEST_F(PageTest, TripleBufferingTurnsThreePages) {
    OpenChain(32, 2);
    const uint32_t colours[] = {0x111111, 0x222222, 0x333333};
    for (uint32_t colour : colours) {
        Fill(back_, colour);
        ASSERT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DD_OK);
        EXPECT_EQ(ShownColour(320, 240), colour);
    }
    // The back buffer now holds the page shown two flips ago.
    EXPECT_EQ(SurfaceColour(back_, 0, 0), 0x111111u);
}

class BlitModePageTest : public PageTest, public ::testing::WithParamInterface<int> {};

TEST_P(BlitModePageTest, CopyOntoAPrimaryWithoutAChainShowsIt) {
    const int bits = GetParam();
    OpenBlitMode(bits);
    Fill(back_, platform::PackRgb(bits, 0x00FFFF));
    ASSERT_EQ(primary_->BltFast(0, 0, back_, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(ShownColour(0, 0), 0x00FFFFu);
    Fill(back_, platform::PackRgb(bits, 0xFF00FF));
    ASSERT_EQ(primary_->Blt(nullptr, back_, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(ShownColour(639, 479), 0xFF00FFu);
    EXPECT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DDERR_NOTFLIPPABLE);
}

INSTANTIATE_TEST_SUITE_P(Depths, BlitModePageTest, ::testing::Values(16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

TEST_F(PageTest, LostPagesRefuseWorkUntilRestored) {
    OpenChain(16, 2);
    IDirectDrawSurface4* sprite = OffScreen(8, 8);
    Fill(back_, 0x1234);
    ASSERT_TRUE(platform::faults::Apply("lose-surfaces"));
    RECT at{0, 0, 8, 8};
    EXPECT_EQ(back_->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(back_->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(back_->BltFast(0, 0, sprite, nullptr, DDBLTFAST_WAIT), DDERR_SURFACELOST);
    EXPECT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DDERR_SURFACELOST);
    HDC dc = nullptr;
    EXPECT_EQ(sprite->GetDC(&dc), DDERR_SURFACELOST);
    EXPECT_EQ(dc, nullptr);

    // Surfaces made after the loss are fine; a lost source still refuses the copy.
    IDirectDrawSurface4* fresh = OffScreen(8, 8);
    EXPECT_EQ(fresh->IsLost(), DD_OK);
    EXPECT_EQ(fresh->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DDERR_SURFACELOST);

    // Restoring the front restores the chain; the old content is gone.
    EXPECT_EQ(primary_->Restore(), DD_OK);
    EXPECT_EQ(back_->IsLost(), DD_OK);
    EXPECT_NE(platform::testhooks::SurfacePixel(back_, 0, 0), 0x1234u);
    EXPECT_EQ(sprite->Restore(), DD_OK);
    EXPECT_EQ(sprite->Restore(), DD_OK);
    EXPECT_EQ(back_->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    Fill(back_, 0x07E0);
    EXPECT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    EXPECT_EQ(ShownColour(10, 10), 0x00FF00u);
}

TEST_F(PageTest, RestoredContentIsAVisiblePattern) {
    OpenBlitMode(24);
    Fill(back_, 0);
    platform::faults::LoseSurfaces();
    ASSERT_EQ(back_->Restore(), DD_OK);
    bool magenta = false, black = false;
    for (int x = 0; x < 16; ++x) {
        magenta |= SurfaceColour(back_, x, 0) == 0xFF00FF;
        black |= SurfaceColour(back_, x, 0) == 0;
    }
    EXPECT_TRUE(magenta && black);
}

TEST_F(PageTest, NoFlipWhileADeviceContextIsOut) {
    OpenChain(32, 1);
    HDC dc = nullptr;
    ASSERT_EQ(back_->GetDC(&dc), DD_OK);
    HDC second = nullptr;
    EXPECT_EQ(back_->GetDC(&second), DDERR_DCALREADYCREATED);
    EXPECT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DDERR_SURFACEBUSY);
    EXPECT_EQ(back_->ReleaseDC(reinterpret_cast<HDC>(uintptr_t(4))), DDERR_INVALIDPARAMS);
    EXPECT_EQ(back_->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(back_->ReleaseDC(dc), DDERR_NODC);
    EXPECT_EQ(primary_->Flip(nullptr, DDFLIP_WAIT), DD_OK);
}

} // namespace
