// The windows' one text face: an 8-point sans-serif font, as every control uses it, in the
// character set of the language in use.
#pragma once

#include <windows.h>

#include "text/language.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

inline constexpr wchar_t kWindowFace[] = L"MS Sans Serif";

inline UniqueHfont CreateDefaultFont(int dpi) {
  return UniqueHfont(::CreateFontW(-::MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   static_cast<BYTE>(LanguageCharacterSet(LanguageInUse())),
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, kWindowFace));
}

}  // namespace cindermoor::win32
