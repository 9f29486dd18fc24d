// Opens mumble:// links through the shell where Windows has a class for them, and under Wine
// without one through winebrowser, which hands them to the Linux desktop.
#pragma once

#include "external/mumble_handlers.h"
#include "external/mumble_opener.h"

namespace cindermoor::win32 {

class MumbleOpenerWin32 : public MumbleOpener {
 public:
  MumbleOpenerWin32(Registry& registry, UnixDesktop& unixDesktop);
  bool Available() override;
  Outcome Open(const std::string& url) override;

 private:
  MumbleHandlers handlers_;
};

}  // namespace cindermoor::win32
