#include "text/win32/windows_language.h"

#include <windows.h>

namespace cindermoor::win32 {

std::uint16_t WindowsDisplayLanguage() { return ::GetUserDefaultUILanguage(); }

}  // namespace cindermoor::win32
