// Opens web pages in the user's browser through the shell.
#pragma once

#include <windows.h>

#include "external/program_starter.h"

namespace cindermoor::win32 {

class WebOpenerWin32 : public WebOpener {
 public:
  // The main window exists only after the opener is made, so its handle comes later.
  void SetOwner(HWND owner) { owner_ = owner; }
  void OpenWebPage(const std::string& url) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace cindermoor::win32
