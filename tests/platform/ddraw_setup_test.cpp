// Bringing DirectDraw up as the display does: modes and their refusals, the
// surfaces it can make, and who keeps whom alive.
#include "ddraw_fixture.h"
#include "platform/faults.h"
#include "platform/testing.h"

using platform::faults::Apply;
using platform::testhooks::LiveDirectDrawCount;
using platform::testhooks::LiveSurfaceCount;
using vbtest::Description;
using vbtest::TestWindow;

namespace {

constexpr DWORD kChainCaps =
    DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;

class DirectDrawSetupTest : public vbtest::DirectDrawTest {
  protected:
    HRESULT CreateChain(DWORD backBuffers, IDirectDrawSurface4** primary) {
        DDSURFACEDESC2 description = Description(DDSD_CAPS | DDSD_BACKBUFFERCOUNT, kChainCaps);
        description.dwBackBufferCount = backBuffers;
        *primary = nullptr;
        HRESULT result = dd4_->CreateSurface(&description, primary, nullptr);
        Keep(*primary);
        return result;
    }
};

TEST_F(DirectDrawSetupTest, DisplayModesAndTheirRefusal) {
    Open(16);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 24, 0, 0), DD_OK);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 32, 0, 0), DD_OK);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 8, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd4_->SetDisplayMode(800, 600, 16, 0, 0), DDERR_INVALIDMODE);
    ASSERT_TRUE(Apply("refuse-depth 16"));
    ASSERT_TRUE(Apply("refuse-depth 24"));
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 16, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 24, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 32, 0, 0), DD_OK);
    ASSERT_TRUE(Apply("fail SetDisplayMode 0x88760078 1"));
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 32, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 32, 0, 0), DD_OK);
}

TEST_F(DirectDrawSetupTest, CooperativeLevelComesFirst) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_EQ(dd->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&dd4_)), DD_OK);
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 16, 0, 0), DDERR_NOEXCLUSIVEMODE);
    DDSURFACEDESC2 primary = Description(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE);
    IDirectDrawSurface4* surface = nullptr;
    EXPECT_EQ(dd4_->CreateSurface(&primary, &surface, nullptr), DDERR_NOCOOPERATIVELEVELSET);
    EXPECT_EQ(dd->SetCooperativeLevel(TestWindow(), DDSCL_EXCLUSIVE), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
              DDERR_INVALIDPARAMS);
    ASSERT_TRUE(Apply("fail SetCooperativeLevel 5"));
    EXPECT_EQ(dd->SetCooperativeLevel(TestWindow(), 0x11), DD_OK); // that one is the mouse's
    ASSERT_TRUE(Apply("fail IDirectDraw::SetCooperativeLevel 0x80004001 1"));
    EXPECT_EQ(dd->SetCooperativeLevel(TestWindow(), 0x11), DDERR_UNSUPPORTED);
    EXPECT_EQ(dd->SetCooperativeLevel(TestWindow(), 0x11), DD_OK);
    dd->Release();
    // The level set through the first interface holds for the second.
    EXPECT_EQ(dd4_->SetDisplayMode(640, 480, 16, 0, 0), DD_OK);

    void* unknown = &unknown;
    const IID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(dd4_->QueryInterface(other, &unknown), E_NOINTERFACE);
    EXPECT_EQ(unknown, nullptr);
}

TEST_F(DirectDrawSetupTest, FaultsOnCreation) {
    IDirectDraw* dd = nullptr;
    ASSERT_TRUE(Apply("fail DirectDrawCreate 0x80004005"));
    EXPECT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DDERR_GENERIC);
    platform::faults::Reset();
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_TRUE(Apply("fail QueryInterface 0x80004002"));
    EXPECT_EQ(dd->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&dd4_)), E_NOINTERFACE);
    dd->Release();
    EXPECT_EQ(LiveDirectDrawCount(), 0);
}

TEST_F(DirectDrawSetupTest, FlipChainsAndTheirRefusal) {
    Open(16);
    IDirectDrawSurface4* primary = nullptr;
    ASSERT_TRUE(Apply("refuse-backbuffers 2"));
    EXPECT_EQ(CreateChain(2, &primary), DDERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(primary, nullptr);
    ASSERT_EQ(CreateChain(1, &primary), DD_OK);

    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    ASSERT_EQ(primary->GetSurfaceDesc(&description), DD_OK);
    EXPECT_EQ(description.dwWidth, 640u);
    EXPECT_EQ(description.dwHeight, 480u);
    EXPECT_EQ(description.lPitch, 1280);
    EXPECT_EQ(description.dwBackBufferCount, 1u);
    EXPECT_EQ(description.ddpfPixelFormat.dwRGBBitCount, 16u);
    EXPECT_EQ(description.ddpfPixelFormat.dwGBitMask, 0x07E0u);

    DDSCAPS2 caps{DDSCAPS_BACKBUFFER, 0, 0, 0};
    IDirectDrawSurface4* back = nullptr;
    ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetAttachedSurface(&caps, &back), DDERR_NOTFOUND);

    ASSERT_TRUE(Apply("refuse-backbuffers any"));
    IDirectDrawSurface4* refused = nullptr;
    EXPECT_EQ(CreateChain(1, &refused), DDERR_NOFLIPHW);
    DDSURFACEDESC2 plain = Description(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE);
    IDirectDrawSurface4* screen = nullptr;
    EXPECT_EQ(dd4_->CreateSurface(&plain, &screen, nullptr), DD_OK);
    Keep(screen);
}

TEST_F(DirectDrawSetupTest, SurfaceDescriptionsAreChecked) {
    Open(24);
    IDirectDrawSurface4* surface = nullptr;
    DDSURFACEDESC2 description = Description(DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT, 0x840);
    description.dwWidth = 3;
    description.dwHeight = 2;
    description.dwSize = 108;
    EXPECT_EQ(dd4_->CreateSurface(&description, &surface, nullptr), DDERR_INVALIDPARAMS);
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_WIDTH;
    EXPECT_EQ(dd4_->CreateSurface(&description, &surface, nullptr), DDERR_INVALIDPARAMS);
    description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_CKSRCBLT;
    description.ddckCKSrcBlt = {0x00FF00, 0x00FF00};
    ASSERT_EQ(dd4_->CreateSurface(&description, &surface, nullptr), DD_OK);
    Keep(surface);

    DDSURFACEDESC2 read{};
    read.dwSize = sizeof read;
    ASSERT_EQ(surface->GetSurfaceDesc(&read), DD_OK);
    EXPECT_EQ(read.dwWidth, 3u);
    EXPECT_EQ(read.lPitch, 12); // 9 bytes padded to 4
    EXPECT_TRUE(read.dwFlags & DDSD_CKSRCBLT);
    EXPECT_EQ(read.ddckCKSrcBlt.dwColorSpaceLowValue, 0x00FF00u);
    EXPECT_EQ(read.ddsCaps.dwCaps, DWORD(DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY));
    read.dwSize = 0;
    EXPECT_EQ(surface->GetSurfaceDesc(&read), DDERR_INVALIDPARAMS);
}

TEST_F(DirectDrawSetupTest, SurfacesKeepTheirDirectDrawAlive) {
    const int surfacesBefore = LiveSurfaceCount();
    const int directDrawsBefore = LiveDirectDrawCount();
    Open(16);
    IDirectDrawSurface4* primary = nullptr;
    DDSURFACEDESC2 chain = Description(DDSD_CAPS | DDSD_BACKBUFFERCOUNT, kChainCaps);
    chain.dwBackBufferCount = 2;
    ASSERT_EQ(dd4_->CreateSurface(&chain, &primary, nullptr), DD_OK);
    DDSCAPS2 caps{DDSCAPS_BACKBUFFER, 0, 0, 0};
    IDirectDrawSurface4* back = nullptr;
    ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(dd4_->CreateClipper(0, &clipper, nullptr), DD_OK);
    EXPECT_EQ(clipper->SetHWnd(0, TestWindow()), DD_OK);
    EXPECT_EQ(back->SetClipper(clipper), DD_OK);
    clipper->Release();
    IDirectDrawSurface4* sprite = OffScreen(8, 8, true, 0x07E0, 0x07E0);
    kept_.clear();
    EXPECT_EQ(LiveSurfaceCount(), surfacesBefore + 4);

    // Released in the order of a fatal path: the page, then DirectDraw, then a sprite.
    primary->Release(); // the chain goes, although its back buffer was handed out
    EXPECT_EQ(LiveSurfaceCount(), surfacesBefore + 1);
    dd4_->Release();
    dd4_ = nullptr;
    EXPECT_EQ(LiveDirectDrawCount(), directDrawsBefore + 1);
    RECT at{0, 0, 8, 8};
    EXPECT_EQ(sprite->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    sprite->Release();
    EXPECT_EQ(LiveSurfaceCount(), surfacesBefore);
    EXPECT_EQ(LiveDirectDrawCount(), directDrawsBefore);
}

TEST_F(DirectDrawSetupTest, NamedCallsFailOnRequest) {
    Open(32);
    IDirectDrawSurface4* sprite = OffScreen(4, 4);
    ASSERT_TRUE(Apply("fail Blt 0x88760238 2"));
    ASSERT_TRUE(Apply("fail GetDC -2147024882"));
    RECT at{0, 0, 4, 4};
    EXPECT_EQ(sprite->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DDERR_NOCLIPPERATTACHED);
    EXPECT_EQ(sprite->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DDERR_NOCLIPPERATTACHED);
    EXPECT_EQ(sprite->Blt(&at, sprite, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    HDC dc = nullptr;
    EXPECT_EQ(sprite->GetDC(&dc), DDERR_OUTOFMEMORY);
    EXPECT_EQ(sprite->GetDC(&dc), DDERR_OUTOFMEMORY);
    ASSERT_TRUE(Apply("fail CreateClipper 0x80004001"));
    IDirectDrawClipper* clipper = nullptr;
    EXPECT_EQ(dd4_->CreateClipper(0, &clipper, nullptr), DDERR_UNSUPPORTED);
    ASSERT_TRUE(Apply("fail CreateSurface 0x8876017C"));
    IDirectDrawSurface4* surface = nullptr;
    DDSURFACEDESC2 description = Description(DDSD_CAPS, DDSCAPS_PRIMARYSURFACE);
    EXPECT_EQ(dd4_->CreateSurface(&description, &surface, nullptr), DDERR_OUTOFVIDEOMEMORY);
}

} // namespace
