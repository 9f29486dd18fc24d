#include "win32/library_function.h"

#include <objbase.h>

namespace cindermoor::win32 {

HRESULT EnterComApartment() {
  static const auto enter =
      LibraryFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  return enter ? enter(nullptr, COINIT_APARTMENTTHREADED) : E_NOTIMPL;
}

void LeaveComApartment() {
  static const auto leave =
      LibraryFunction<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
  if (leave) leave();
}

}  // namespace cindermoor::win32
