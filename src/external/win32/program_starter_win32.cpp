#include "external/win32/program_starter_win32.h"

#include <windows.h>

#include "text/text.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

// Long enough for a program's start under Wine, short enough that the quit window, filled
// in after it, is not seen empty.
constexpr DWORD kReadyWait = 50;

void MakeFolderCurrent(const std::string& folder) {
  if (!::SetCurrentDirectoryW(Widen(folder).c_str())) {
    const DWORD error = ::GetLastError();
    ThrowFatal(Text("programs.cannot_enter_folder", {{"folder", folder}}), error);
  }
}

}  // namespace

// The program is named by its full path, so CreateProcessW searches nowhere: not the
// PATH and not the launcher's own folder. The folder is also made current for the
// launcher itself, as the programs have always been started from there.
void ProgramStarterWin32::Start(const ProgramStart& start) {
  MakeFolderCurrent(start.folder);

  const std::wstring program = Widen(start.programPath);
  const std::wstring folder = Widen(start.folder);
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring commandLine = Widen(start.commandLine);

  STARTUPINFOW startupInfo{};
  startupInfo.cb = sizeof(startupInfo);
  startupInfo.dwFlags = STARTF_USESHOWWINDOW;
  startupInfo.wShowWindow = static_cast<WORD>(start.show);
  PROCESS_INFORMATION processInfo{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startupInfo, &processInfo)) {
    const DWORD error = ::GetLastError();
    ThrowFatal(Text("programs.cannot_start", {{"program", start.programPath}}), error);
  }
  // The started program is not watched: its handles are closed once it is ready for input
  // (or has ended), or the wait is over.
  UniqueHandle process(processInfo.hProcess);
  UniqueHandle thread(processInfo.hThread);
  if (start.waitUntilReady) ::WaitForInputIdle(process.get(), kReadyWait);
}

bool ProgramStarterWin32::FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace cindermoor::win32
