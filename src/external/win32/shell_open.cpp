#include "external/win32/shell_open.h"

#include "win32/library_function.h"

namespace cindermoor::win32 {

BOOL ShellOpen(SHELLEXECUTEINFOW& info) {
  static const auto execute =
      LibraryFunction<decltype(&::ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
  if (!execute) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  const HRESULT com = EnterComApartment();
  const BOOL opened = execute(&info);
  const DWORD error = ::GetLastError();
  if (SUCCEEDED(com)) LeaveComApartment();
  ::SetLastError(error);
  return opened;
}

}  // namespace cindermoor::win32
