// Opens URLs through the shell where Windows has a class for their scheme, and under Wine
// without one through the Linux desktop's own opener, xdg-open, started directly.
#pragma once

#include <optional>
#include <string>

#include "desktop/win32/unix_desktop_win32.h"
#include "external/scheme_handlers.h"
#include "external/url_opener.h"

namespace cindermoor::win32 {

class UrlOpenerWin32 : public UrlOpener {
 public:
  UrlOpenerWin32(Registry& registry, UnixDesktopWin32& unixDesktop);
  bool Opens(const std::string& scheme) override;
  Outcome CheckCarries(const UrlToOpen& url) override;
  Outcome Open(const UrlToOpen& url) override;

 private:
  // The program and command line that hand the URL to the Linux desktop; nullopt when Wine
  // does not name a way to start a Linux program.
  struct Start {
    std::wstring program;
    std::wstring commandLine;
  };
  std::optional<Start> LinuxOpenerStart(const std::string& url);
  Outcome OpenThroughLinuxOpener(const UrlToOpen& url);

  UnixDesktopWin32& unixDesktop_;
  SchemeHandlers handlers_;
};

}  // namespace cindermoor::win32
