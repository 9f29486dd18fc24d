#include "window_kit/win32/wine_window_font.h"

#include <windows.h>

#include "win32/text.h"
#include "window_kit/win32/default_font.h"
#include "window_kit/wine_font_files.h"

namespace cindermoor::win32 {
namespace {

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

}  // namespace

// Enumerating names only the faces there are, where making a font would settle on a
// stand-in and keep it.
bool SystemHasFace(const wchar_t* face) {
  const UniqueHdc dc(::CreateCompatibleDC(nullptr));
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy_s(wanted.lfFaceName, LF_FACESIZE, face, _TRUNCATE);
  bool found = false;
  ::EnumFontFamiliesExW(dc.get(), &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool ProvideFace(const wchar_t* face, const std::vector<std::string>& fontFiles) {
  if (SystemHasFace(face)) return true;
  for (const std::string& file : fontFiles) {
    if (::AddFontResourceExW(Widen(file).c_str(), FR_PRIVATE, nullptr) > 0 && SystemHasFace(face)) {
      return true;
    }
  }
  return false;
}

bool ProvideWindowFace(const std::vector<std::string>& fontFiles) {
  return ProvideFace(kWindowFace, fontFiles);
}

void ProvideWindowFaceUnderWine(UnixDesktop& desktop) {
  if (desktop.UnderWine()) ProvideWindowFace(WineWindowFontFiles(desktop));
}

// Wine draws the title bar's buttons as letters of its Marlett font; without it they show as
// "0 1 r".
void ProvideTitleBarSymbolsUnderWine(UnixDesktop& desktop) {
  if (desktop.UnderWine()) ProvideFace(L"Marlett", WineFontFiles(desktop, "marlett.ttf"));
}

}  // namespace cindermoor::win32
