#include "external/win32/mumble_opener_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

constexpr const char* kNoHandler =
    "Mumble cannot be started: nothing on this system opens mumble:// links. Install Mumble, "
    "or choose Roger Wilco as the voice client.";

// One argument on a command line as CommandLineToArgvW and the C runtime read it back. A quote
// gets a backslash, and the backslashes just before a quote (or before the closing quote) are
// doubled; other backslashes stay as they are.
std::wstring CommandLineArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::string CannotOpen(const std::string& url, DWORD error) {
  return DescribeError("Mumble cannot be started with " + url, error);
}

// No shell dialog of its own: the caller tells the user once. The shell returns once the
// handler has started, without waiting for Mumble.
Outcome OpenThroughShell(const std::string& url) {
  const std::wstring wideUrl = Widen(url);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = wideUrl.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!::ShellExecuteExW(&info)) return Outcome::Failure(CannotOpen(url, ::GetLastError()));
  return Outcome::Success();
}

// Wine's winebrowser gives a link it has no Windows class for to the desktop's opener
// (xdg-open), which starts the Linux Mumble.
Outcome OpenThroughWineBrowser(const std::string& url) {
  std::wstring folder(MAX_PATH, L'\0');
  const UINT length = ::GetSystemDirectoryW(folder.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return Outcome::Failure(CannotOpen(url, ::GetLastError()));
  folder.resize(length);
  const std::wstring program = folder + L"\\winebrowser.exe";
  std::wstring commandLine = CommandLineArgument(program) + L" " + CommandLineArgument(Widen(url));
  STARTUPINFOW startupInfo{};
  startupInfo.cb = sizeof(startupInfo);
  PROCESS_INFORMATION processInfo{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startupInfo, &processInfo)) {
    return Outcome::Failure(CannotOpen(url, ::GetLastError()));
  }
  // Not watched: closing the handles lets it run on by itself.
  UniqueHandle process(processInfo.hProcess);
  UniqueHandle thread(processInfo.hThread);
  return Outcome::Success();
}

}  // namespace

MumbleOpenerWin32::MumbleOpenerWin32(Registry& registry, UnixDesktop& unixDesktop)
    : handlers_(registry, unixDesktop) {}

bool MumbleOpenerWin32::Available() { return handlers_.Find() != MumbleRoad::None; }

Outcome MumbleOpenerWin32::Open(const std::string& url) {
  switch (handlers_.Find()) {
    case MumbleRoad::WindowsClass:
      return OpenThroughShell(url);
    case MumbleRoad::LinuxDesktop:
      return OpenThroughWineBrowser(url);
    case MumbleRoad::None:
      break;
  }
  return Outcome::Failure(kNoHandler);
}

}  // namespace cindermoor::win32
