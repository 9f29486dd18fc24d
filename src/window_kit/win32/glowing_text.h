// Text and shapes with a soft darker halo, as the launcher's pictures draw them.
#pragma once

#include <windows.h>

#include <string_view>

#include "win32/unique_handle.h"

namespace cindermoor::win32 {

struct FontRequest {
  int capitalHeight;  // pixels from the baseline to the top of a capital H
  int weight;         // FW_NORMAL, FW_BOLD, ...
  // When not empty, the font is widened or narrowed so this text is fillWidth pixels wide.
  std::wstring_view fillText;
  int fillWidth;
};

// A sans-serif font whose capitals are the requested height on this device context.
UniqueHfont CreateCapitalFont(HDC dc, const FontRequest& request);

// The colour at a fraction (0..1) of the given colour's brightness: the halo around drawings.
COLORREF Dimmed(COLORREF colour, double fraction);

// Draws text with its ink centred on centreX and its baseline at baseline, over a halo of
// haloRadius pixels.
void DrawGlowingText(HDC dc, HFONT font, int centreX, int baseline, std::wstring_view text,
                     COLORREF colour, int haloRadius);

// Fills a polygon over a halo of haloRadius pixels.
void FillGlowingPolygon(HDC dc, const POINT* points, int count, COLORREF colour, int haloRadius);

}  // namespace cindermoor::win32
