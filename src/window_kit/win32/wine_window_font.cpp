#include "window_kit/win32/wine_window_font.h"

#include <windows.h>

#include "text/language.h"
#include "win32/text.h"
#include "window_kit/win32/default_font.h"
#include "window_kit/wine_font_files.h"

namespace cindermoor::win32 {
namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

// Wine's bitmap "MS Sans Serif" comes in one file per character set.
const char* WineFontFileFor(BYTE characterSet) {
  switch (characterSet) {
    case EASTEUROPE_CHARSET:
      return "sserifee.fon";
    case RUSSIAN_CHARSET:
      return "sserifer.fon";
    case GREEK_CHARSET:
      return "sserifeg.fon";
    case TURKISH_CHARSET:
      return "sserifet.fon";
    default:
      return "sserife.fon";
  }
}

}  // namespace

// Enumerating names only the faces there are, where making a font would settle on a
// stand-in and keep it.
bool SystemHasFace(const wchar_t* face, BYTE characterSet) {
  const UniqueHdc dc(::CreateCompatibleDC(nullptr));
  LOGFONTW wanted{};
  wanted.lfCharSet = characterSet;
  wcsncpy_s(wanted.lfFaceName, LF_FACESIZE, face, _TRUNCATE);
  bool found = false;
  ::EnumFontFamiliesExW(dc.get(), &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool ProvideFace(const wchar_t* face, const std::vector<std::string>& fontFiles,
                 BYTE characterSet) {
  if (SystemHasFace(face, characterSet)) return true;
  for (const std::string& file : fontFiles) {
    if (::AddFontResourceExW(Widen(file).c_str(), FR_PRIVATE, nullptr) > 0 &&
        SystemHasFace(face, characterSet)) {
      return true;
    }
  }
  return false;
}

bool ProvideWindowFace(const std::vector<std::string>& fontFiles, BYTE characterSet) {
  return ProvideFace(kWindowFace, fontFiles, characterSet);
}

// One language's character set only: each font file costs a served link's start some
// milliseconds, and the program speaks one language a run.
void ProvideWindowFaceUnderWine(UnixDesktop& desktop, std::size_t language) {
  if (!desktop.UnderWine()) return;
  const auto characterSet = static_cast<BYTE>(LanguageCharacterSet(language));
  ProvideWindowFace(WineFontFiles(desktop, WineFontFileFor(characterSet)), characterSet);
}

// Wine draws the title bar's buttons as letters of its Marlett font; without it they show as
// "0 1 r".
void ProvideTitleBarSymbolsUnderWine(UnixDesktop& desktop) {
  if (desktop.UnderWine()) ProvideFace(L"Marlett", WineFontFiles(desktop, "marlett.ttf"));
}

}  // namespace cindermoor::win32
