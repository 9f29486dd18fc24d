// A child window that shows one drawn picture and works as a button by mouse click only.
#pragma once

#include <windows.h>

#include "ui/pictures.h"

namespace cindermoor::win32 {

// Creates a visible picture at (x, y) pixels in the parent's client area, at the picture's
// size for dpi. A left click anywhere on it sends WM_COMMAND (id, BN_CLICKED) to the parent.
// Throws FatalError when the window cannot be made.
HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi);

}  // namespace cindermoor::win32
