#include "launcher/win32/start_event.h"

#include <windows.h>

#include "version.h"
#include "win32/library_function.h"
#include "win32/text.h"

namespace cindermoor::win32 {
namespace {

// ntdll's own answer: GetVersionExW tells a program what its manifest lets it see.
std::string WindowsVersion() {
  using GetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
  const auto getVersion = LibraryFunction<GetVersionCall>(L"ntdll.dll", "RtlGetVersion");
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!getVersion || getVersion(&info) != 0) return "Windows (version unknown)";
  return "Windows " + std::to_string(info.dwMajorVersion) + "." +
         std::to_string(info.dwMinorVersion) + "." + std::to_string(info.dwBuildNumber);
}

// Wine's ntdll alone has wine_get_version, and it is how Wine names its own version.
std::string WineVersion() {
  using WineVersionCall = const char*(CDECL*)();
  const auto wineVersion = LibraryFunction<WineVersionCall>(L"ntdll.dll", "wine_get_version");
  return wineVersion ? std::string(" (Wine ") + wineVersion() + ")" : std::string();
}

}  // namespace

std::string StartEvent() {
  return std::string("Start: Cindermoor Launcher ") + LAUNCHER_VERSION_TEXT + " on " +
         WindowsVersion() + WineVersion() + ", command line: " + Narrow(::GetCommandLineW());
}

}  // namespace cindermoor::win32
