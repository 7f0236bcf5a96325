// The screen: a full-screen 640x480 DirectDraw mode, the page being drawn and
// the page shown, sprite blits onto the page, the per-frame clear switch and
// the highlight box, and turning bitmap files into sprite surfaces.
#pragma once

#include "platform/ddraw.h"
#include "platform/win32.h"

class DisplayInterface {
  public:
    DisplayInterface();
    ~DisplayInterface();
    DisplayInterface(const DisplayInterface&) = delete;
    DisplayInterface& operator=(const DisplayInterface&) = delete;

    void SetWindow(HWND owner);
    void SetInstance(HINSTANCE programInstance);
    void SetDriver(GUID* driverGuid);
    // Sets the mode and creates the page surfaces; any failure is fatal.
    void Init();

    HWND GetWindow() const { return window; }
    // Null before Init and after ReleaseAll.
    IDirectDraw4* GetDirectDraw() const { return directDraw4; }

    // Copies the whole source surface into the rectangle of the page being
    // drawn: keyed leaves the source's key colour out, mirrored flips it.
    void Blit(LONG left, LONG top, LONG right, LONG bottom, IDirectDrawSurface4* source, bool keyed,
              bool mirrored);
    // The part of a full-page overlay inside area, keyed, to the same place.
    void BlitPart(const RECT& area, IDirectDrawSurface4* source);
    // Shows the finished page.
    void Present();
    void ClearDrawSurface();

    // The box is always 230x24 with its top-left corner at (x, y).
    void SetHighlightBox(LONG x, LONG y);
    void FillHighlight();
    void SetHighlightVisible(bool visible) { highlightVisible = visible; }
    bool IsHighlightVisible() const { return highlightVisible; }
    void SetClearEachFrame(bool clear) { clearEachFrame = clear; }
    bool IsClearEachFrame() const { return clearEachFrame; }

    // Releases the page surfaces and DirectDraw; harmless before Init and twice.
    void ReleaseAll();

    // A new system-memory surface holding the bitmap file, with the green key;
    // its size is written to width and height. Fatal when the file won't load.
    IDirectDrawSurface4* LoadBitmapSurface(const char* path, LONG& width, LONG& height);
    // A new system-memory surface of that size with the green key.
    IDirectDrawSurface4* CreateKeyedSurface(LONG width, LONG height);
    // Restores a lost surface and copies the file's top-left width x height into it.
    void ReloadBitmap(const char* path, IDirectDrawSurface4* surface, LONG width, LONG height);

    // What Init chose.
    bool Is16Bit() const { return is16Bit; }
    bool IsFlipMode() const { return flipMode; }
    const RECT& GetHighlightBox() const { return highlightBox; }

  private:
    IDirectDrawSurface4* DrawSurface() const { return flipMode ? backBuffer : offscreen; }
    bool TryFlipChain(DWORD backBufferCount);
    // Fatal unless the page was lost, which is survived by restoring it.
    void SurviveLoss(HRESULT result);
    void RecoverSurfaces();
    void ColorFill(LPRECT area, DWORD color);
    HRESULT TryCreateKeyedSurface(LONG width, LONG height, IDirectDrawSurface4** surface);
    // Loads the file and selects it into a new memory DC; fatal when it won't load.
    HBITMAP OpenBitmap(const char* path, HDC& memoryDc);
    // Copies the selected bitmap into the surface and gives the GDI objects back;
    // on failure also the surface when it is a new one (newSurface), then fatal.
    void CopyBitmap(HDC memoryDc, HBITMAP bitmap, IDirectDrawSurface4* surface, LONG width,
                    LONG height, bool newSurface);
    [[noreturn]] void Fail(HRESULT result);
    [[noreturn]] void FailWithMessage(const char* text);

    HWND window;
    HINSTANCE instance;
    GUID* driver;
    const char* name;
    IDirectDraw* directDraw;
    IDirectDraw4* directDraw4;
    IDirectDrawSurface4* primary;
    IDirectDrawSurface4* backBuffer;
    IDirectDrawClipper* clipper;
    IDirectDrawSurface4* offscreen;
    bool is16Bit;
    bool flipMode;
    bool clearEachFrame;
    bool highlightVisible;
    RECT highlightBox;
};
