// Every failure here is dropped on purpose (the one exception to the error rule): the log is
// a help for later, and a folder that cannot be written or a full disk must not cost the
// player a message, a delay or a served link.
#include "log/win32/log_file_win32.h"

#include <windows.h>

#include "text/text.h"
#include "win32/environment_variable.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

constexpr const wchar_t* kFolders[] = {L"\\Cindermoor", L"\\Launcher"};
constexpr const wchar_t* kFileName = L"\\launcher.log";
constexpr const wchar_t* kOlderFileName = L"\\launcher.1.log";

std::wstring LocalAppDataFolder() { return EnvironmentVariable(L"LOCALAPPDATA").value_or(L""); }

std::wstring LogFolder() {
  std::wstring folder = LocalAppDataFolder();
  if (folder.empty()) return {};
  for (const wchar_t* part : kFolders) folder += part;
  return folder;
}

// Made on each write, not at start: a start that writes nothing touches nothing, and a folder
// removed while the program runs comes back.
void MakeLogFolder() {
  std::wstring path = LocalAppDataFolder();
  for (const wchar_t* part : kFolders) {
    path += part;
    ::CreateDirectoryW(path.c_str(), nullptr);
  }
}

}  // namespace

std::string LogFilePlace() {
  const std::wstring folder = LogFolder();
  return folder.empty() ? std::string() : Narrow(folder + kFileName);
}

std::string WithLogPlace(const std::string& message) {
  const std::string place = LogFilePlace();
  if (place.empty()) return message;
  return Text("log.with_place", {{"message", message}, {"place", place}});
}

LogFileWin32::LogFileWin32() : folder_(LogFolder()) {}

LocalTime LogFileWin32::Now() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

unsigned long LogFileWin32::ProcessId() { return ::GetCurrentProcessId(); }

std::uint64_t LogFileWin32::Size() {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (folder_.empty() ||
      !::GetFileAttributesExW((folder_ + kFileName).c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void LogFileWin32::Rotate() {
  if (folder_.empty()) return;
  ::MoveFileExW((folder_ + kFileName).c_str(), (folder_ + kOlderFileName).c_str(),
                MOVEFILE_REPLACE_EXISTING);
}

// Appending, and sharing writes, lets two launchers running at once add whole lines each.
void LogFileWin32::Append(std::string_view text) {
  if (folder_.empty()) return;
  MakeLogFolder();
  const HANDLE opened = ::CreateFileW((folder_ + kFileName).c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return;
  const UniqueHandle file(opened);
  DWORD written = 0;
  ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace cindermoor::win32
