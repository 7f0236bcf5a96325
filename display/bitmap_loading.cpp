#include "display/display_interface.h"
#include "platform/gdi.h"

namespace {

// Pure green (0, 255, 0) as a raw pixel of the display's format.
constexpr DWORD kGreenKey16 = 0x07E0;
constexpr DWORD kGreenKeyTrueColor = 0x00FF00;

} // namespace

IDirectDrawSurface4* DisplayInterface::LoadBitmapSurface(const char* path, LONG& width,
                                                         LONG& height) {
    HDC memoryDc = nullptr;
    const HBITMAP bitmap = OpenBitmap(path, memoryDc);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;

    IDirectDrawSurface4* surface = nullptr;
    const HRESULT result = TryCreateKeyedSurface(width, height, &surface);
    if (FAILED(result)) {
        DeleteDC(memoryDc);
        DeleteObject(bitmap);
        Fail(result);
    }
    CopyBitmap(memoryDc, bitmap, surface, width, height, true);
    return surface;
}

IDirectDrawSurface4* DisplayInterface::CreateKeyedSurface(LONG width, LONG height) {
    IDirectDrawSurface4* surface = nullptr;
    const HRESULT result = TryCreateKeyedSurface(width, height, &surface);
    if (FAILED(result)) {
        Fail(result);
    }
    return surface;
}

void DisplayInterface::ReloadBitmap(const char* path, IDirectDrawSurface4* surface, LONG width,
                                    LONG height) {
    const HRESULT result = surface->Restore();
    if (FAILED(result)) {
        Fail(result);
    }
    HDC memoryDc = nullptr;
    const HBITMAP bitmap = OpenBitmap(path, memoryDc);
    CopyBitmap(memoryDc, bitmap, surface, width, height, false);
}

HRESULT DisplayInterface::TryCreateKeyedSurface(LONG width, LONG height,
                                                IDirectDrawSurface4** surface) {
    const DWORD key = is16Bit ? kGreenKey16 : kGreenKeyTrueColor;
    DDSURFACEDESC2 description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_CKSRCBLT;
    description.dwWidth = static_cast<DWORD>(width);
    description.dwHeight = static_cast<DWORD>(height);
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    description.ddckCKSrcBlt.dwColorSpaceLowValue = key;
    description.ddckCKSrcBlt.dwColorSpaceHighValue = key;
    const HRESULT result = directDraw4->CreateSurface(&description, surface, nullptr);
    if (FAILED(result)) {
        *surface = nullptr;
    }
    return result;
}

HBITMAP DisplayInterface::OpenBitmap(const char* path, HDC& memoryDc) {
    const HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        FailWithMessage("Couldn't load file resource.");
    }
    memoryDc = CreateCompatibleDC(nullptr);
    SelectObject(memoryDc, bitmap);
    return bitmap;
}

void DisplayInterface::CopyBitmap(HDC memoryDc, HBITMAP bitmap, IDirectDrawSurface4* surface,
                                  LONG width, LONG height, bool newSurface) {
    HDC surfaceDc = nullptr;
    const HRESULT result = surface->GetDC(&surfaceDc);
    const bool copied = SUCCEEDED(result) &&
                        BitBlt(surfaceDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY) != FALSE;
    if (surfaceDc != nullptr) {
        surface->ReleaseDC(surfaceDc);
    }
    DeleteDC(memoryDc);
    DeleteObject(bitmap);
    if (copied) {
        return;
    }
    // Nobody else holds a surface made for this load; it goes before DirectDraw.
    if (newSurface) {
        surface->Release();
    }
    if (FAILED(result)) {
        Fail(result);
    }
    FailWithMessage("Blt failed.");
}
