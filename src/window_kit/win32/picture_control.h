// A child window that shows one drawn picture and works as a push button: by mouse click,
// and from the keyboard once Tab has brought the focus to it.
#pragma once

#include <windows.h>

#include "window_kit/pictures.h"

namespace cindermoor::win32 {

// Creates a visible picture at (x, y) pixels in the parent's client area, at the picture's
// size for dpi, as the parent's next tab stop. A left click anywhere on it, Space while it has
// the focus, and Enter through the dialog manager send WM_COMMAND (id, BN_CLICKED) to the
// parent. Throws FatalError when the window cannot be made.
HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi);

}  // namespace cindermoor::win32
