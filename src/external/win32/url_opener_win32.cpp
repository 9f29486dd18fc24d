#include "external/win32/url_opener_win32.h"

#include <windows.h>

#include "external/win32/shell_open.h"
#include "text/text.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

namespace {

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

std::string CannotOpen(const UrlToOpen& url, DWORD error) {
  return DescribeError(Text("url.cannot_open", {{"program", url.program}, {"url", url.shown}}),
                       error);
}

std::string NoLinuxRoad(const UrlToOpen& url) {
  return Text("url.no_linux_road", {{"program", url.program}, {"scheme", SchemeOf(url.url)}});
}

// No shell dialog of its own: the caller tells the user once. The shell returns once the
// handler has started, without waiting for the program.
Outcome OpenThroughShell(const UrlToOpen& url) {
  const std::wstring wideUrl = Widen(url.url);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = wideUrl.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellOpen(info)) return Outcome::Failure(CannotOpen(url, ::GetLastError()));
  return Outcome::Success();
}

}  // namespace

UrlOpenerWin32::UrlOpenerWin32(Registry& registry, UnixDesktopWin32& unixDesktop)
    : unixDesktop_(unixDesktop), handlers_(registry, unixDesktop) {}

bool UrlOpenerWin32::Opens(const std::string& scheme) {
  return handlers_.Find(scheme) != SchemeRoad::None;
}

// The shell puts the URL in the class's command in place of its "%1" (or after it), so the
// command's length and the URL's bound the line the handler gets.
Outcome UrlOpenerWin32::CheckCarries(const UrlToOpen& url) {
  const std::string scheme = SchemeOf(url.url);
  switch (handlers_.Find(scheme)) {
    case SchemeRoad::WindowsClass:
      return CheckCommandLineCarries(
          handlers_.WindowsClassCommand(scheme).size() + 1 + url.url.size(), url.program);
    case SchemeRoad::LinuxDesktop:
      if (const std::optional<Start> start = LinuxOpenerStart(url.url)) {
        return CheckCommandLineCarries(start->commandLine.size(), url.program);
      }
      return Outcome::Failure(NoLinuxRoad(url));
    case SchemeRoad::None:
      break;
  }
  return Outcome::Success();
}

Outcome UrlOpenerWin32::Open(const UrlToOpen& url) {
  const std::string scheme = SchemeOf(url.url);
  switch (handlers_.Find(scheme)) {
    case SchemeRoad::WindowsClass:
      return OpenThroughShell(url);
    case SchemeRoad::LinuxDesktop:
      return OpenThroughLinuxOpener(url);
    case SchemeRoad::None:
      break;
  }
  return Outcome::Failure(Text("url.no_handler", {{"program", url.program}, {"scheme", scheme}}));
}

// Wine starts a Linux program named by its Windows path as it is, with the arguments the
// command line holds. env finds xdg-open on the Linux PATH that Wine hands on. winebrowser is
// not used: it rebuilds the URL, dropping a bracketed IPv6 host that has a port and "." and
// ".." path segments.
std::optional<UrlOpenerWin32::Start> UrlOpenerWin32::LinuxOpenerStart(const std::string& url) {
  const std::optional<std::wstring> program = unixDesktop_.WindowsPath("/usr/bin/env");
  if (!program) return std::nullopt;
  return Start{*program,
               CommandLineArgument(*program) + L" xdg-open " + CommandLineArgument(Widen(url))};
}

Outcome UrlOpenerWin32::OpenThroughLinuxOpener(const UrlToOpen& url) {
  std::optional<Start> start = LinuxOpenerStart(url.url);
  if (!start) return Outcome::Failure(NoLinuxRoad(url));
  STARTUPINFOW startupInfo{};
  startupInfo.cb = sizeof(startupInfo);
  PROCESS_INFORMATION processInfo{};
  if (!::CreateProcessW(start->program.c_str(), start->commandLine.data(), nullptr, nullptr, FALSE,
                        0, nullptr, nullptr, &startupInfo, &processInfo)) {
    return Outcome::Failure(CannotOpen(url, ::GetLastError()));
  }
  // Not watched: closing the handles lets it run on by itself.
  UniqueHandle process(processInfo.hProcess);
  UniqueHandle thread(processInfo.hThread);
  return Outcome::Success();
}

}  // namespace cindermoor::win32
