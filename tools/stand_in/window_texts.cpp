// Prints, in UTF-8, the texts of the controls of every top-level window whose title is the
// first argument, one a line: the end-to-end tests read what a window says with it, in any
// language, where xdotool sees titles only.
#include <windows.h>

#include <cstdio>
#include <string>

#include "win32/text.h"

namespace {

BOOL CALLBACK PrintText(HWND control, LPARAM) {
  // WM_GETTEXT is carried across processes, as a screen reader asks it.
  wchar_t text[4096] = {};
  ::SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
  const std::string line = cindermoor::win32::Narrow(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  for (HWND window = ::FindWindowExW(nullptr, nullptr, nullptr, argv[1]); window;
       window = ::FindWindowExW(nullptr, window, nullptr, argv[1])) {
    ::EnumChildWindows(window, PrintText, 0);
  }
  return 0;
}
