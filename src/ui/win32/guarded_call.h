// The one way a failure that ends the program reaches the user: a message naming it. Start-up
// reports through it directly; window handlers through GuardedCall, because exceptions must
// not unwind through Windows' own frames.
#pragma once

#include <windows.h>

#include <exception>

#include "win32/text.h"

namespace cindermoor::win32 {

inline void ReportFatalError(HWND owner, const char* what) {
  ::MessageBoxW(owner, Widen(what).c_str(), L"Cindermoor Launcher",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

template <typename Handler>
void GuardedCall(HWND owner, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& failure) {
    ReportFatalError(owner, failure.what());
    ::PostQuitMessage(1);
  }
}

}  // namespace cindermoor::win32
