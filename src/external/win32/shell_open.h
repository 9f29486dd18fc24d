// The shell's "open" for URLs, with shell32 loaded on first use: a served link that opens
// nothing through the shell does not wait for that library at start.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace cindermoor::win32 {

// ShellExecuteExW in a COM apartment of the calling thread's own, as the shell's handlers may
// expect one. Without shell32 it fails with ERROR_MOD_NOT_FOUND set.
BOOL ShellOpen(SHELLEXECUTEINFOW& info);

}  // namespace cindermoor::win32
