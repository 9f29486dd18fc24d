// The process's environment, as Windows hands it out.
#pragma once

#include <optional>
#include <string>

namespace cindermoor::win32 {

// The variable's value; none when it is not set, or changed while being read.
std::optional<std::wstring> EnvironmentVariable(const wchar_t* name);

}  // namespace cindermoor::win32
