// A frame's drawing next to the cheapest thing a frame can do: 40 keyed
// 64x64 sprites blitted onto a 640x480 16-bit back buffer and the page shown
// by a flip, against one plain copy of a 640x480 16-bit page.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench.h"
#include "platform/ddraw.h"

namespace bench {

namespace {

constexpr int kRuns = 300;
constexpr int kSprites = 40;
constexpr int kSpriteSide = 64;
constexpr DWORD kGreen = 0x07E0;

void Check(HRESULT result, const char* what) {
    if (result != DD_OK) {
        std::fprintf(stderr, "vocabuloon-bench: %s failed (0x%08X)\n", what, unsigned(result));
        std::exit(1);
    }
}

struct Display {
    IDirectDraw4* dd4 = nullptr;
    IDirectDrawSurface4* primary = nullptr;
    IDirectDrawSurface4* back = nullptr;
    IDirectDrawSurface4* sprite = nullptr;

    Display() {
        IDirectDraw* dd = nullptr;
        Check(DirectDrawCreate(nullptr, &dd, nullptr), "DirectDrawCreate");
        Check(dd->SetCooperativeLevel(reinterpret_cast<HWND>(uintptr_t(1)),
                                      DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN),
              "SetCooperativeLevel");
        Check(dd->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&dd4)),
              "QueryInterface");
        dd->Release();
        Check(dd4->SetDisplayMode(640, 480, 16, 0, 0), "SetDisplayMode");
        DDSURFACEDESC2 chain{};
        chain.dwSize = sizeof chain;
        chain.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        chain.ddsCaps.dwCaps =
            DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;
        chain.dwBackBufferCount = 2;
        Check(dd4->CreateSurface(&chain, &primary, nullptr), "CreateSurface (page)");
        DDSCAPS2 caps{DDSCAPS_BACKBUFFER, 0, 0, 0};
        Check(primary->GetAttachedSurface(&caps, &back), "GetAttachedSurface");

        DDSURFACEDESC2 keyed{};
        keyed.dwSize = sizeof keyed;
        keyed.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_CKSRCBLT;
        keyed.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        keyed.dwWidth = keyed.dwHeight = kSpriteSide;
        keyed.ddckCKSrcBlt = {kGreen, kGreen};
        Check(dd4->CreateSurface(&keyed, &sprite, nullptr), "CreateSurface (sprite)");
        // A disc on green, as the game's pictures are: about a fifth transparent.
        DDBLTFX fill{};
        fill.dwSize = sizeof fill;
        fill.dwFillColor = kGreen;
        Check(sprite->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill), "fill");
        for (int y = 0; y < kSpriteSide; ++y) {
            int dy = y - kSpriteSide / 2;
            int half = 0;
            while ((half + 1) * (half + 1) + dy * dy <= (kSpriteSide / 2) * (kSpriteSide / 2))
                ++half;
            RECT row{kSpriteSide / 2 - half, y, kSpriteSide / 2 + half, y + 1};
            fill.dwFillColor = 0xF800 | (y & 0x3F) << 5;
            if (row.right > row.left)
                Check(sprite->Blt(&row, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill),
                      "fill");
        }
    }

    ~Display() {
        sprite->Release();
        primary->Release();
        dd4->Release();
    }

    void DrawSprites() {
        for (int i = 0; i < kSprites; ++i) {
            LONG x = (i * 83) % (640 - kSpriteSide), y = (i * 47) % (480 - kSpriteSide);
            RECT at{x, y, x + kSpriteSide, y + kSpriteSide};
            Check(back->Blt(&at, sprite, nullptr, DDBLT_WAIT | DDBLT_ASYNC | DDBLT_KEYSRC, nullptr),
                  "Blt");
        }
    }

    void Show() { Check(primary->Flip(nullptr, DDFLIP_WAIT), "Flip"); }
};

} // namespace

void BlitFigures() {
    Display display;
    const double frame = MedianMicroseconds(kRuns, [&] {
        display.DrawSprites();
        display.Show();
    });
    const double sprites = MedianMicroseconds(kRuns, [&] { display.DrawSprites(); });
    const double show = MedianMicroseconds(kRuns, [&] { display.Show(); });

    const size_t pageBytes = size_t(640) * 480 * 2;
    std::vector<uint8_t> from(pageBytes, 0x5A), to(pageBytes, 0);
    const double copy = MedianMicroseconds(kRuns, [&] {
        std::memcpy(to.data(), from.data(), pageBytes);
        // Keeps the copy from being optimised away.
        from[to[pageBytes / 2] % pageBytes] ^= 1;
    });

    PrintFigure("40 keyed 64x64 Blts + page show (640x480, 16 bits)", frame);
    PrintFigure("  of which the 40 keyed Blts", sprites);
    PrintFigure("  of which the page show (Flip)", show);
    PrintFigure("plain copy of one 640x480 16-bit page (memcpy)", copy);
    PrintRatio("ratio: frame / page copy", frame / copy);
}

} // namespace bench
