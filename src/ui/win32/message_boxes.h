// The main window's modal message boxes.
#pragma once

#include <windows.h>

#include "launcher/window_operations.h"

namespace cindermoor::win32 {

class MessageBoxes : public Dialogs {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  bool AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) override;
  void ShowMessage(const std::string& text, const std::string& title) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace cindermoor::win32
