// Stands in for the voice client and the game in tests: records how it was started and
// exits. Each run appends one line to the file named by CINDERMOOR_STANDIN_LOG:
// program file name, current folder, show command ("-" when none was given) and the
// command-line tail, tab-separated, in UTF-8. The tail comes last, so it may hold tabs.
#include <windows.h>

#include <string>

#include "launcher/command_line.h"
#include "win32/environment_variable.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace {

using cindermoor::win32::Narrow;
using cindermoor::win32::UniqueHandle;

std::wstring OwnFileName() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring CurrentFolder() {
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  folder.resize(::GetCurrentDirectoryW(size, folder.data()));
  return folder;
}

std::string ShowCommandGiven() {
  STARTUPINFOW startupInfo{};
  startupInfo.cb = sizeof(startupInfo);
  ::GetStartupInfoW(&startupInfo);
  if (!(startupInfo.dwFlags & STARTF_USESHOWWINDOW)) return "-";
  return std::to_string(startupInfo.wShowWindow);
}

// One write of the whole line to a file opened for appending only, so runs that log at
// the same moment add whole lines and never overwrite each other.
void AppendLine(const std::wstring& logPath, const std::string& line) {
  HANDLE opened = ::CreateFileW(logPath.c_str(), FILE_APPEND_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  UniqueHandle file(opened);
  DWORD written = 0;
  ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring logPath =
      cindermoor::win32::EnvironmentVariable(L"CINDERMOOR_STANDIN_LOG").value_or(L"");
  if (logPath.empty()) return 0;
  const std::string line = Narrow(OwnFileName()) + '\t' + Narrow(CurrentFolder()) + '\t' +
                           ShowCommandGiven() + '\t' +
                           cindermoor::CommandLineTail(Narrow(::GetCommandLineW())) + '\n';
  AppendLine(logPath, line);
  return 0;
}
