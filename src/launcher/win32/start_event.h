// The log's first event of each run: what is running, on what, and how it was started.
#pragma once

#include <string>

namespace cindermoor::win32 {

// "Start: Cindermoor Launcher 2.00 on Windows 10.0.19045 (Wine 9.0), command line: ...".
std::string StartEvent();

}  // namespace cindermoor::win32
