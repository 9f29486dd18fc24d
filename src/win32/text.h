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
// A Windows call the program cannot go on without failed: throws FatalError naming what
// failed and the system's reason. Take the code from GetLastError() before making the text.
[[noreturn]] void ThrowFatal(const std::string& what, unsigned long code);

}  // namespace cindermoor::win32
