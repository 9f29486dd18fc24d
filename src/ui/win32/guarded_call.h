// Runs a handler and turns any failure into a message that names it, then ends the run:
// exceptions must not unwind through Windows' own frames.
#pragma once

#include <windows.h>

#include <exception>

#include "win32/text.h"

namespace cindermoor::win32 {

inline void ReportFailureAndEnd(HWND owner, const char* what) {
  ::MessageBoxW(owner, Widen(what).c_str(), L"Cindermoor Launcher",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
  ::PostQuitMessage(1);
}

template <typename Handler>
void GuardedCall(HWND owner, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& failure) {
    ReportFailureAndEnd(owner, failure.what());
  }
}

}  // namespace cindermoor::win32
