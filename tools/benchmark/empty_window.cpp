// The smallest Win32 window program: the yardstick for the launcher's memory use. Given a
// program and its command line, it starts that program once its window is shown: the least a
// link handler can do, the yardstick for the launcher's time from link to game.
// Usage: empty_window [<program> <command line>]
#include <windows.h>

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"EmptyWindow";
  ::RegisterClassW(&windowClass);
  // Handing a link on, it shows a window without title bar, as the launcher's quit window.
  const bool handler = __argc == 3;
  HWND window =
      ::CreateWindowW(L"EmptyWindow", L"Empty", handler ? WS_POPUP : WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  ::UpdateWindow(window);
  if (handler) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(__wargv[1], __wargv[2], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
      return 1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
  }
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
