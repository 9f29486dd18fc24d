// Opens web pages in the user's browser through the shell.
#pragma once

#include <windows.h>

#include <functional>

#include "external/program_starter.h"

namespace cindermoor::win32 {

class WebOpenerWin32 : public WebOpener {
 public:
  // The owner is the main window, which is created only when first shown.
  explicit WebOpenerWin32(std::function<HWND()> owner) : owner_(std::move(owner)) {}
  void OpenWebPage(const std::string& url) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace cindermoor::win32
