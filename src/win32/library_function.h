// Functions of Windows' own libraries looked up at run time: those only some runs need, loaded
// on first use so that a served link's start does not wait for them, and Wine's own, which
// Windows does not have.
#pragma once

#include <windows.h>

namespace cindermoor::win32 {

// Null when the library or the function is missing. The library stays loaded for the run, as
// what it hands out may live in its code.
template <typename Function>
Function LibraryFunction(const wchar_t* library, const char* name) {
  const HMODULE module = ::LoadLibraryW(library);
  if (!module) return nullptr;
  // Through void*: a FARPROC is cast to the function's real type, which only the name tells.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// A single-threaded COM apartment for this thread, as CoInitializeEx enters it; E_NOTIMPL when
// ole32 cannot be loaded.
HRESULT EnterComApartment();
// Leaves the apartment an EnterComApartment that succeeded entered.
void LeaveComApartment();

}  // namespace cindermoor::win32
