// A control's fixed text kept whole when the face the windows ask for is missing and a wider
// one stands in.
#pragma once

#include <windows.h>

#include "win32/unique_handle.h"

namespace cindermoor::win32 {

// A control's place in its parent's client area.
RECT PlaceInParent(HWND control);

// Widens a static text, check box or option whose text the font would cut off, and lets a
// text that wraps take more lines, into the free room round it that no other control takes;
// English texts fit their design places and never move. True when the text fitted as it was,
// so nothing grew and there is nothing more to fit.
bool GrowToFitText(HWND control, HFONT font);

// A smaller font of the same face for a static text, check box or option whose text the
// given font would cut off at the control's size (after it has grown); null when it fits, or the
// control draws no such text.
UniqueHfont FontFittingText(HWND control, HFONT font);

}  // namespace cindermoor::win32
