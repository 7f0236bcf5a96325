// GDI fonts sized in points, the way the text overlays ask for them.
#pragma once

#include "platform/gdi.h"

// Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out. Height and width
// are in tenths of a point; width 0 keeps the face's own proportions. Inches
// are the screen's (HORZRES / HORZSIZE) unless useLogicalInches asks for
// LOGPIXELSX / LOGPIXELSY.
HFONT CreatePointFont(HDC dc, const char* faceName, int height, int width, int style,
                      bool useLogicalInches);
