#include "display/display_interface.h"

#include "shell/error_handler.h"
#include "shell/globals.h"

namespace {

constexpr DWORD kPageWidth = 640;
constexpr DWORD kPageHeight = 480;
constexpr LONG kHighlightWidth = 230;
constexpr LONG kHighlightHeight = 24;
// Pale yellow at 24 and 32 bits; at 16 bits only 0xFFA6 counts.
constexpr DWORD kHighlightColor = 0xFFFFA6;

DDSURFACEDESC2 EmptyDescription() {
    DDSURFACEDESC2 description = {};
    description.dwSize = sizeof description;
    return description;
}

DDBLTFX EmptyEffects() {
    DDBLTFX effects = {};
    effects.dwSize = sizeof effects;
    return effects;
}

} // namespace

DisplayInterface::DisplayInterface()
    : window(nullptr), instance(nullptr), driver(nullptr), name("DisplayInterface"),
      directDraw(nullptr), directDraw4(nullptr), primary(nullptr), backBuffer(nullptr),
      clipper(nullptr), offscreen(nullptr), is16Bit(false), flipMode(true), clearEachFrame(false),
      highlightVisible(false), highlightBox{0, 0, 0, 0} {}

DisplayInterface::~DisplayInterface() {
    // The clipper goes while the DirectDraw that made it is still there.
    if (clipper != nullptr) {
        clipper->Release();
        clipper = nullptr;
    }
    ReleaseAll();
    // Left over only when Init failed before the newer interface was obtained.
    if (directDraw != nullptr) {
        directDraw->Release();
        directDraw = nullptr;
    }
}

void DisplayInterface::SetWindow(HWND owner) {
    window = owner;
}

void DisplayInterface::SetInstance(HINSTANCE programInstance) {
    instance = programInstance;
}

void DisplayInterface::SetDriver(GUID* driverGuid) {
    driver = driverGuid;
}

void DisplayInterface::Init() {
    HRESULT result = DirectDrawCreate(driver, &directDraw, nullptr);
    if (FAILED(result)) {
        Fail(result);
    }
    result = directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    if (FAILED(result)) {
        Fail(result);
    }
    result = directDraw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&directDraw4));
    if (FAILED(result)) {
        directDraw4 = nullptr;
        Fail(result);
    }
    directDraw->Release();
    directDraw = nullptr;

    is16Bit = true;
    result = directDraw4->SetDisplayMode(kPageWidth, kPageHeight, 16, 0, 0);
    if (FAILED(result)) {
        is16Bit = false;
        result = directDraw4->SetDisplayMode(kPageWidth, kPageHeight, 24, 0, 0);
        if (FAILED(result)) {
            result = directDraw4->SetDisplayMode(kPageWidth, kPageHeight, 32, 0, 0);
            if (FAILED(result)) {
                Fail(result);
            }
        }
    }

    if (!TryFlipChain(2) && !TryFlipChain(1)) {
        DDSURFACEDESC2 description = EmptyDescription();
        description.dwFlags = DDSD_CAPS;
        description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        result = directDraw4->CreateSurface(&description, &primary, nullptr);
        if (FAILED(result)) {
            primary = nullptr;
            Fail(result);
        }
        flipMode = false;
    }
    if (!flipMode) {
        DDSURFACEDESC2 description = EmptyDescription();
        description.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
        description.dwWidth = kPageWidth;
        description.dwHeight = kPageHeight;
        description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        result = directDraw4->CreateSurface(&description, &offscreen, nullptr);
        if (FAILED(result)) {
            offscreen = nullptr;
            Fail(result);
        }
    }

    result = directDraw4->CreateClipper(0, &clipper, nullptr);
    if (FAILED(result)) {
        clipper = nullptr;
        Fail(result);
    }
    result = clipper->SetHWnd(0, window);
    if (FAILED(result)) {
        Fail(result);
    }
    result = DrawSurface()->SetClipper(clipper);
    if (FAILED(result)) {
        Fail(result);
    }
}

bool DisplayInterface::TryFlipChain(DWORD backBufferCount) {
    DDSURFACEDESC2 description = EmptyDescription();
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.dwBackBufferCount = backBufferCount;
    description.ddsCaps.dwCaps =
        DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_VIDEOMEMORY;
    if (FAILED(directDraw4->CreateSurface(&description, &primary, nullptr))) {
        primary = nullptr;
        return false;
    }
    DDSCAPS2 caps = {};
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    const HRESULT result = primary->GetAttachedSurface(&caps, &backBuffer);
    if (FAILED(result)) {
        backBuffer = nullptr;
        Fail(result);
    }
    return true;
}

void DisplayInterface::Blit(LONG left, LONG top, LONG right, LONG bottom,
                            IDirectDrawSurface4* source, bool keyed, bool mirrored) {
    RECT destination = {left, top, right, bottom};
    DWORD flags = DDBLT_WAIT | DDBLT_ASYNC;
    if (keyed) {
        flags |= DDBLT_KEYSRC;
    }
    DDBLTFX effects = EmptyEffects();
    LPDDBLTFX effectsUsed = nullptr;
    if (mirrored) {
        flags |= DDBLT_DDFX;
        effects.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
        effectsUsed = &effects;
    }
    // A lost page is not drawn again: the thing is missing from this frame only.
    SurviveLoss(DrawSurface()->Blt(&destination, source, nullptr, flags, effectsUsed));
}

void DisplayInterface::BlitPart(const RECT& area, IDirectDrawSurface4* source) {
    RECT destination = area;
    RECT from = area;
    SurviveLoss(DrawSurface()->Blt(&destination, source, &from,
                                   DDBLT_WAIT | DDBLT_ASYNC | DDBLT_KEYSRC, nullptr));
}

void DisplayInterface::Present() {
    SurviveLoss(flipMode ? primary->Flip(nullptr, DDFLIP_WAIT)
                         : primary->BltFast(0, 0, offscreen, nullptr, DDBLTFAST_WAIT));
}

void DisplayInterface::SurviveLoss(HRESULT result) {
    if (SUCCEEDED(result))
        return;
    if (result != DDERR_SURFACELOST)
        Fail(result);
    RecoverSurfaces();
}

void DisplayInterface::RecoverSurfaces() {
    // Results ignored: a surface still lost is recovered again on its next use.
    primary->Restore();
    if (flipMode) {
        backBuffer->Restore();
    } else {
        offscreen->Restore();
    }
}

void DisplayInterface::ClearDrawSurface() {
    ColorFill(nullptr, 0);
}

void DisplayInterface::SetHighlightBox(LONG x, LONG y) {
    highlightBox = {x, y, x + kHighlightWidth, y + kHighlightHeight};
}

void DisplayInterface::FillHighlight() {
    ColorFill(&highlightBox, kHighlightColor);
}

void DisplayInterface::ColorFill(LPRECT area, DWORD color) {
    DDBLTFX effects = EmptyEffects();
    effects.dwFillColor = color;
    const HRESULT result =
        DrawSurface()->Blt(area, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &effects);
    // A page lost while another program had the screen is survived here as in
    // Blit; the next frame fills it again.
    SurviveLoss(result);
}

void DisplayInterface::ReleaseAll() {
    if (directDraw4 == nullptr) {
        return;
    }
    if (primary != nullptr) {
        primary->Release();
        primary = nullptr;
    }
    // Went with the primary chain.
    backBuffer = nullptr;
    if (offscreen != nullptr) {
        offscreen->Release();
        offscreen = nullptr;
    }
    directDraw4->Release();
    directDraw4 = nullptr;
}

void DisplayInterface::Fail(HRESULT result) {
    ReleaseAll();
    errorHandler.SetError(nullptr, result, name);
    errorHandler.ReportDirectDraw();
}

void DisplayInterface::FailWithMessage(const char* text) {
    ReleaseAll();
    errorHandler.SetError(text, 0, name);
    errorHandler.ReportDirectDraw();
}
