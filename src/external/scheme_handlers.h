// Who opens links of a scheme on this system: a Windows URL class, or, under Wine, a Linux
// desktop entry for x-scheme-handler/SCHEME.
#pragma once

#include <set>
#include <string>
#include <string_view>

#include "desktop/unix_desktop.h"
#include "state/registry.h"

namespace cindermoor {

enum class SchemeRoad { None, WindowsClass, LinuxDesktop };

// Whether a desktop entry's text says it opens links of the scheme (and is not hidden).
bool DeclaresScheme(std::string_view desktopEntry, std::string_view scheme);

class SchemeHandlers {
 public:
  SchemeHandlers(Registry& registry, UnixDesktop& unixDesktop);

  // A Windows class is asked afresh each time, and the Linux desktop until an entry is found:
  // the user may install a client while the launcher runs, and a served link asks three times
  // (installed? does the URL fit? open), each of which would read the desktop's files again.
  SchemeRoad Find(const std::string& scheme);
  // The command of the scheme's Windows class that Find found; "" without one.
  std::string WindowsClassCommand(const std::string& scheme);

 private:
  bool HasWindowsClass(RegRoot root, const std::string& scheme);
  bool HasLinuxEntry(const std::string& scheme);

  Registry& registry_;
  UnixDesktop& unixDesktop_;
  std::set<std::string> linuxEntriesFound_;  // the schemes a Linux entry was found for
};

}  // namespace cindermoor
