// UTF-8 inside the program, UTF-16 at every Windows call.
#pragma once

#include <string>
#include <string_view>

namespace cindermoor::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// "<the system's reason> (error N)" for a GetLastError() or LSTATUS code.
std::string SystemReason(unsigned long code);
// "<what>: <the system's reason> (error N)".
std::string DescribeError(const std::string& what, unsigned long code);

}  // namespace cindermoor::win32
