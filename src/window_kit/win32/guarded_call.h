// The one way a failure that ends the program reaches the user: a message naming it. Start-up
// reports through it directly; every window procedure through GuardedCall, because exceptions
// must not unwind through Windows' own frames.
#pragma once

#include <windows.h>

#include <exception>

#include "log/win32/log_file_win32.h"
#include "win32/text.h"

namespace cindermoor::win32 {

inline void ReportFatalError(HWND owner, const char* what) {
  ::MessageBoxW(owner, Widen(WithLogPlace(what)).c_str(), L"Cindermoor Launcher",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

// Runs a window's handling of one message. A failure is reported over the window's top-level
// window and ends the program; the message then counts as handled with 0, which also makes a
// failed WM_NCCREATE end the window's creation.
template <typename Handler>
LRESULT GuardedCall(HWND window, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (const std::exception& failure) {
    ReportFatalError(::GetAncestor(window, GA_ROOT), failure.what());
  } catch (...) {
    ReportFatalError(::GetAncestor(window, GA_ROOT),
                     "An unexpected error stopped Cindermoor Launcher.");
  }
  ::PostQuitMessage(1);
  return 0;
}

}  // namespace cindermoor::win32
