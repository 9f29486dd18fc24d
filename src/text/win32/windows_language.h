// Windows' display language, which under Wine follows LC_ALL, LC_MESSAGES or LANG.
#pragma once

#include <cstdint>

namespace cindermoor::win32 {

std::uint16_t WindowsDisplayLanguage();

}  // namespace cindermoor::win32
