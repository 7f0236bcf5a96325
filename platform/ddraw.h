// DirectDraw 6 interfaces as the game uses them: one 640x480 page in 16, 24 or
// 32 bits per pixel, a flip chain or a system-memory page, off-screen surfaces
// with a source colour key, blits (keyed, mirrored, colour fill), lost surfaces.
//
// Pixel layouts: 16 bits 5-6-5; 24 bits B, G, R bytes; 32 bits 0x00RRGGBB.
// Colour keys and fill colours are raw pixel values of the surface's layout.
#pragma once

#include "platform/win32.h"

#define _FACDD 0x876
#define MAKE_DDHRESULT(code) ((HRESULT)((1UL << 31) | (_FACDD << 16) | (code)))

#define DD_OK S_OK
#define DDERR_GENERIC E_FAIL
#define DDERR_UNSUPPORTED E_NOTIMPL
#define DDERR_OUTOFMEMORY E_OUTOFMEMORY
#define DDERR_INVALIDPARAMS E_INVALIDARG
#define DDERR_NOTINITIALIZED ((HRESULT)0x800401F0L)
#define DDERR_INVALIDCAPS MAKE_DDHRESULT(100)
#define DDERR_INVALIDMODE MAKE_DDHRESULT(120)
#define DDERR_INVALIDOBJECT MAKE_DDHRESULT(130)
#define DDERR_INVALIDPIXELFORMAT MAKE_DDHRESULT(145)
#define DDERR_INVALIDRECT MAKE_DDHRESULT(150)
#define DDERR_NOCOOPERATIVELEVELSET MAKE_DDHRESULT(212)
#define DDERR_NOEXCLUSIVEMODE MAKE_DDHRESULT(225)
#define DDERR_NOFLIPHW MAKE_DDHRESULT(230)
#define DDERR_NOTFOUND MAKE_DDHRESULT(255)
#define DDERR_OUTOFVIDEOMEMORY MAKE_DDHRESULT(380)
#define DDERR_COLORKEYNOTSET MAKE_DDHRESULT(400)
#define DDERR_SURFACEBUSY MAKE_DDHRESULT(430)
#define DDERR_SURFACELOST MAKE_DDHRESULT(450)
#define DDERR_TOOBIGSIZE MAKE_DDHRESULT(480)
#define DDERR_WASSTILLDRAWING MAKE_DDHRESULT(540)
#define DDERR_NOCLIPPERATTACHED MAKE_DDHRESULT(568)
#define DDERR_NOHWND MAKE_DDHRESULT(569)
#define DDERR_HWNDALREADYSET MAKE_DDHRESULT(571)
#define DDERR_NOTFLIPPABLE MAKE_DDHRESULT(582)
#define DDERR_CANTCREATEDC MAKE_DDHRESULT(585)
#define DDERR_NODC MAKE_DDHRESULT(586)
#define DDERR_WRONGMODE MAKE_DDHRESULT(587)
#define DDERR_DCALREADYCREATED MAKE_DDHRESULT(620)

// Cooperative levels.
#define DDSCL_FULLSCREEN 0x00000001L
#define DDSCL_NORMAL 0x00000008L
#define DDSCL_EXCLUSIVE 0x00000010L

// Surface description flags.
#define DDSD_CAPS 0x00000001L
#define DDSD_HEIGHT 0x00000002L
#define DDSD_WIDTH 0x00000004L
#define DDSD_PITCH 0x00000008L
#define DDSD_BACKBUFFERCOUNT 0x00000020L
#define DDSD_PIXELFORMAT 0x00001000L
#define DDSD_CKSRCBLT 0x00010000L

// Surface capabilities.
#define DDSCAPS_BACKBUFFER 0x00000004L
#define DDSCAPS_COMPLEX 0x00000008L
#define DDSCAPS_FLIP 0x00000010L
#define DDSCAPS_FRONTBUFFER 0x00000020L
#define DDSCAPS_OFFSCREENPLAIN 0x00000040L
#define DDSCAPS_PRIMARYSURFACE 0x00000200L
#define DDSCAPS_SYSTEMMEMORY 0x00000800L
#define DDSCAPS_VIDEOMEMORY 0x00004000L

// Blits.
#define DDBLT_ASYNC 0x00000200L
#define DDBLT_COLORFILL 0x00000400L
#define DDBLT_DDFX 0x00000800L
#define DDBLT_KEYSRC 0x00008000L
#define DDBLT_WAIT 0x01000000L
#define DDBLTFX_MIRRORLEFTRIGHT 0x00000002L
#define DDBLTFX_MIRRORUPDOWN 0x00000004L
#define DDBLTFAST_NOCOLORKEY 0x00000000
#define DDBLTFAST_SRCCOLORKEY 0x00000001
#define DDBLTFAST_WAIT 0x00000010
#define DDFLIP_WAIT 0x00000001L
#define DDCKEY_SRCBLT 0x00000008L
#define DDPF_RGB 0x00000040L

typedef struct _DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
} DDCOLORKEY, *LPDDCOLORKEY;

typedef struct _DDSCAPS2 {
    DWORD dwCaps;
    DWORD dwCaps2;
    DWORD dwCaps3;
    DWORD dwCaps4;
} DDSCAPS2, *LPDDSCAPS2;

typedef struct _DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwFourCC;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask;
    DWORD dwGBitMask;
    DWORD dwBBitMask;
    DWORD dwRGBAlphaBitMask;
} DDPIXELFORMAT;

// 124 bytes, as on the system the game was written for. The slot that held the
// surface memory pointer is kept as a plain word: no caller locks surfaces.
typedef struct _DDSURFACEDESC2 {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    LONG lPitch;
    DWORD dwBackBufferCount;
    DWORD dwMipMapCount;
    DWORD dwAlphaBitDepth;
    DWORD dwReserved;
    DWORD dwSurfaceSlot;
    DDCOLORKEY ddckCKDestOverlay;
    DDCOLORKEY ddckCKDestBlt;
    DDCOLORKEY ddckCKSrcOverlay;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS2 ddsCaps;
    DWORD dwTextureStage;
} DDSURFACEDESC2, *LPDDSURFACEDESC2;
static_assert(sizeof(DDSURFACEDESC2) == 124, "surface description layout");

// 100 bytes; the pointer members of its unions are never used and stay words.
typedef struct _DDBLTFX {
    DWORD dwSize;
    DWORD dwDDFX;
    DWORD dwROP;
    DWORD dwDDROP;
    DWORD dwRotationAngle;
    DWORD dwZBufferOpCode;
    DWORD dwZBufferLow;
    DWORD dwZBufferHigh;
    DWORD dwZBufferBaseDest;
    DWORD dwZDestConstBitDepth;
    DWORD dwZDestConst;
    DWORD dwZSrcConstBitDepth;
    DWORD dwZSrcConst;
    DWORD dwAlphaEdgeBlendBitDepth;
    DWORD dwAlphaEdgeBlend;
    DWORD dwReserved;
    DWORD dwAlphaDestConstBitDepth;
    DWORD dwAlphaDestConst;
    DWORD dwAlphaSrcConstBitDepth;
    DWORD dwAlphaSrcConst;
    DWORD dwFillColor;
    DDCOLORKEY ddckDestColorkey;
    DDCOLORKEY ddckSrcColorkey;
} DDBLTFX, *LPDDBLTFX;
static_assert(sizeof(DDBLTFX) == 100, "blit effects layout");

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    virtual ~IUnknown() = default;
};

struct IDirectDrawClipper : IUnknown {
    virtual HRESULT SetHWnd(DWORD flags, HWND window) = 0;
};

struct IDirectDrawSurface4 : IUnknown {
    virtual HRESULT Blt(LPRECT destination, IDirectDrawSurface4* source, LPRECT sourceRect,
                        DWORD flags, LPDDBLTFX effects) = 0;
    virtual HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface4* source, LPRECT sourceRect,
                            DWORD transfer) = 0;
    virtual HRESULT Flip(IDirectDrawSurface4* targetOverride, DWORD flags) = 0;
    virtual HRESULT GetAttachedSurface(LPDDSCAPS2 caps, IDirectDrawSurface4** attached) = 0;
    virtual HRESULT SetClipper(IDirectDrawClipper* clipper) = 0;
    virtual HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) = 0;
    virtual HRESULT GetSurfaceDesc(LPDDSURFACEDESC2 description) = 0;
    virtual HRESULT IsLost() = 0;
    virtual HRESULT Restore() = 0;
    virtual HRESULT GetDC(HDC* dc) = 0;
    virtual HRESULT ReleaseDC(HDC dc) = 0;
};
typedef IDirectDrawSurface4* LPDIRECTDRAWSURFACE4;

struct IDirectDraw4 : IUnknown {
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel,
                                   DWORD refreshRate, DWORD flags) = 0;
    virtual HRESULT CreateSurface(LPDDSURFACEDESC2 description, IDirectDrawSurface4** surface,
                                  IUnknown* outer) = 0;
    virtual HRESULT CreateClipper(DWORD flags, IDirectDrawClipper** clipper,
                                  IUnknown* outer) = 0;
};
typedef IDirectDraw4* LPDIRECTDRAW4;

struct IDirectDraw : IUnknown {
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
};
typedef IDirectDraw* LPDIRECTDRAW;

extern const IID IID_IDirectDraw;
extern const IID IID_IDirectDraw4;

HRESULT WINAPI DirectDrawCreate(GUID* driver, IDirectDraw** directDraw, IUnknown* outer);
