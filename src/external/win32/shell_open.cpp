#include "external/win32/shell_open.h"

#include <objbase.h>

namespace cindermoor::win32 {
namespace {

using ShellExecuteExFunction = decltype(&::ShellExecuteExW);

// Loaded once and kept for the run, as the shell's handlers may stay in it.
ShellExecuteExFunction ShellExecuteEx() {
  static const ShellExecuteExFunction function = []() -> ShellExecuteExFunction {
    const HMODULE shell = ::LoadLibraryW(L"shell32.dll");
    if (!shell) return nullptr;
    return reinterpret_cast<ShellExecuteExFunction>(
        reinterpret_cast<void*>(::GetProcAddress(shell, "ShellExecuteExW")));
  }();
  return function;
}

}  // namespace

BOOL ShellOpen(SHELLEXECUTEINFOW& info) {
  const ShellExecuteExFunction execute = ShellExecuteEx();
  if (!execute) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const BOOL opened = execute(&info);
  const DWORD error = ::GetLastError();
  if (SUCCEEDED(com)) ::CoUninitialize();
  ::SetLastError(error);
  return opened;
}

}  // namespace cindermoor::win32
