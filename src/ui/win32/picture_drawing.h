// Draws the picture buttons and the logos with GDI, into any device context.
#pragma once

#include <windows.h>

#include "ui/pictures.h"

namespace cindermoor::win32 {

// The picture's bitmap size at the given resolution (the design size at 96 DPI).
SIZE PictureSize(Picture picture, int dpi);

// Draws the whole picture, ground included, with its top-left corner at (0, 0).
void DrawPicture(HDC dc, Picture picture, int dpi);

}  // namespace cindermoor::win32
