// A child window that shows one drawn picture and works as a button by mouse click only.
#pragma once

#include <windows.h>

#include "ui/pictures.h"

namespace cindermoor::win32 {

inline constexpr wchar_t kPictureControlClass[] = L"CindermoorPicture";

// Registers the window class once per process; later calls do nothing. False on failure,
// with GetLastError() telling why.
bool RegisterPictureControlClass();

// Creates a visible picture at (x, y) pixels in the parent's client area, at the picture's
// size for dpi. A left click anywhere on it sends WM_COMMAND (id, BN_CLICKED) to the parent.
// Returns nullptr on failure, with GetLastError() telling why.
HWND CreatePictureControl(HWND parent, int id, Picture picture, int x, int y, int dpi);

}  // namespace cindermoor::win32
