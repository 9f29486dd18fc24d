// Reading and writing the user's own files on the Linux side through Wine, so that each stays
// the kind of file the user keeps.
#pragma once

#include <windows.h>

#include <string>

#include "common/outcome.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

// CreateFileW without security attributes; the owner holds nullptr for a file not opened.
UniqueHandle OpenOwned(const std::wstring& path, DWORD access, DWORD share, DWORD disposition);

// Reads from where the handle stands to the end; false with the error left in GetLastError().
bool ReadWhole(HANDLE file, std::string& bytes);

// Writes bytes as the whole content of the file path names, which Windows calls reach;
// messages name it as shownPath. A symlink stays a link and its file is written; a file keeps
// its permissions and hard links; and the old content is never lost on the way. Files made on
// the way have names of their own, and none is left behind: one that a write killed half-way
// left goes with the next write.
Outcome WriteKeepingTheFile(const std::wstring& path, const std::string& bytes,
                            const std::string& shownPath);

}  // namespace cindermoor::win32
