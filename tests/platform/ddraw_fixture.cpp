#include "ddraw_fixture.h"

#include "platform/faults.h"
#include "platform/host.h"

namespace vbtest {

void StartHeadlessHostOnce() {
    static bool started = [] {
        std::string why;
        platform::HostOptions options;
        options.headless = true;
        bool ok = platform::StartHost(options, &why);
        EXPECT_TRUE(ok) << why;
        return ok;
    }();
    (void)started;
}

HWND TestWindow() {
    return reinterpret_cast<HWND>(uintptr_t(0x10));
}

DDSURFACEDESC2 Description(DWORD flags, DWORD caps) {
    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.ddsCaps.dwCaps = caps;
    return description;
}

DDBLTFX Effects() {
    DDBLTFX effects{};
    effects.dwSize = sizeof effects;
    return effects;
}

void DirectDrawTest::SetUp() {
    StartHeadlessHostOnce();
    platform::faults::Reset();
}

void DirectDrawTest::TearDown() {
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
        (*it)->Release();
    if (dd4_)
        dd4_->Release();
    platform::faults::Reset();
}

void DirectDrawTest::Open(int bitsPerPixel) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_EQ(dd->SetCooperativeLevel(TestWindow(), DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    ASSERT_EQ(dd->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&dd4_)), DD_OK);
    dd->Release();
    ASSERT_EQ(dd4_->SetDisplayMode(640, 480, bitsPerPixel, 0, 0), DD_OK);
}

IDirectDrawSurface4* DirectDrawTest::Keep(IDirectDrawSurface4* surface) {
    if (surface)
        kept_.push_back(surface);
    return surface;
}

IDirectDrawSurface4* DirectDrawTest::OffScreen(int width, int height, bool keyed, DWORD keyLow,
                                               DWORD keyHigh) {
    DDSURFACEDESC2 description =
        Description(DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | (keyed ? DDSD_CKSRCBLT : 0),
                    DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY);
    description.dwWidth = width;
    description.dwHeight = height;
    description.ddckCKSrcBlt = {keyLow, keyHigh};
    IDirectDrawSurface4* surface = nullptr;
    EXPECT_EQ(dd4_->CreateSurface(&description, &surface, nullptr), DD_OK);
    return Keep(surface);
}

void DirectDrawTest::Fill(IDirectDrawSurface4* surface, DWORD raw, RECT* area) {
    DDBLTFX effects = Effects();
    effects.dwFillColor = raw;
    EXPECT_EQ(surface->Blt(area, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &effects), DD_OK);
}

} // namespace vbtest
