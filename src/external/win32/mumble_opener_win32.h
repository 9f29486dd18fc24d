// Opens mumble:// links through the shell where Windows has a class for them, and under Wine
// without one through the Linux desktop's own opener, xdg-open, started directly.
#pragma once

#include <optional>
#include <string>

#include "desktop/win32/unix_desktop_win32.h"
#include "external/mumble_handlers.h"
#include "external/mumble_opener.h"

namespace cindermoor::win32 {

class MumbleOpenerWin32 : public MumbleOpener {
 public:
  MumbleOpenerWin32(Registry& registry, UnixDesktopWin32& unixDesktop);
  bool Available() override;
  Outcome CheckCarries(const std::string& url) override;
  Outcome Open(const std::string& url) override;

 private:
  // The program and command line that hand the URL to the Linux desktop; nullopt when Wine
  // does not name a way to start a Linux program.
  struct Start {
    std::wstring program;
    std::wstring commandLine;
  };
  std::optional<Start> LinuxOpenerStart(const std::string& url);
  Outcome OpenThroughLinuxOpener(const std::string& url);

  UnixDesktopWin32& unixDesktop_;
  MumbleHandlers handlers_;
};

}  // namespace cindermoor::win32
