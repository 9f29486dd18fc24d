// Tells the end-to-end tests what a window's controls say, which the screen alone cannot: one
// line per child of the visible top-level window with the given title, as
// "id<TAB>visible (0 or 1)<TAB>left,top,right,bottom<TAB>text" in UTF-8, the place in the
// window's client pixels. Exits 1 when no such window is found.
#include <windows.h>

#include <string>

#include "win32/text.h"

namespace {

using cindermoor::win32::Narrow;

BOOL CALLBACK WriteChild(HWND child, LPARAM parent) {
  RECT place{};
  ::GetWindowRect(child, &place);
  ::MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&place), 2);
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(child)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(child, text.data(), static_cast<int>(text.size()))));
  const std::string line =
      std::to_string(::GetDlgCtrlID(child)) + "\t" + (::IsWindowVisible(child) ? "1" : "0") + "\t" +
      std::to_string(place.left) + "," + std::to_string(place.top) + "," +
      std::to_string(place.right) + "," + std::to_string(place.bottom) + "\t" + Narrow(text) + "\n";
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()),
              &written, nullptr);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const HWND window = ::FindWindowW(nullptr, argv[1]);
  if (!window) return 1;
  ::EnumChildWindows(window, WriteChild, reinterpret_cast<LPARAM>(window));
  return 0;
}
