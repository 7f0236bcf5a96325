// What the three text overlays share: making their surface, and the steps
// around drawing their text into it. Every failure is fatal, reported under
// the overlay's caption with the DirectDraw result.
#pragma once

#include "platform/ddraw.h"
#include "platform/gdi.h"

// A new off-screen plain surface (plus extraCaps) whose source colour key is
// colourKey, low and high. Without DirectDraw or a surface the program ends.
IDirectDrawSurface4* CreateOverlaySurface(IDirectDraw4* directDraw, DWORD width, DWORD height,
                                          DWORD extraCaps, DWORD colourKey, const char* caption);

// Restores the surface if it was lost, fills it with the colour key and
// answers its device context with a transparent background.
HDC BeginOverlayDrawing(IDirectDrawSurface4*& surface, DWORD colourKey, const char* caption);
void EndOverlayDrawing(IDirectDrawSurface4* surface, HDC dc);

// Puts the stock system font back into dc and deletes font.
void DropOverlayFont(HDC dc, HFONT font);

void ReleaseOverlaySurface(IDirectDrawSurface4*& surface);
