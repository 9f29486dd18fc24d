// Who opens mumble:// links on this system: a Windows URL class, or, under Wine, a Linux
// desktop entry that Wine's browser bridge can hand the link to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "desktop/unix_desktop.h"
#include "state/registry.h"

namespace cindermoor {

enum class MumbleRoad { None, WindowsClass, LinuxDesktop };

// Whether a desktop entry's text says it opens mumble:// links (and is not hidden).
bool DeclaresMumbleLinks(std::string_view desktopEntry);

class MumbleHandlers {
 public:
  MumbleHandlers(Registry& registry, UnixDesktop& unixDesktop);

  // A Windows class is asked afresh each time, and the Linux desktop until an entry is found:
  // the user may install Mumble while the launcher runs, and a served link asks three times
  // (installed? does the URL fit? open), each of which would read the desktop's files again.
  MumbleRoad Find();
  // The command of the Windows class that Find found; "" without one.
  std::string WindowsClassCommand();

 private:
  bool HasWindowsClass(RegRoot root);
  bool HasLinuxEntry();
  std::vector<std::string> ApplicationFolders();

  Registry& registry_;
  UnixDesktop& unixDesktop_;
  bool linuxEntryFound_ = false;
};

}  // namespace cindermoor
