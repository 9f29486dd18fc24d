// The main window's modal message boxes.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/dialogs.h"

namespace cindermoor::win32 {

class MessageBoxes : public Dialogs {
 public:
  // The owner is the main window, which is created only when first shown.
  explicit MessageBoxes(std::function<HWND()> owner) : owner_(std::move(owner)) {}
  bool AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) override;
  void ShowMessage(const std::string& text, const std::string& title) override;

 private:
  std::function<HWND()> owner_;
};

}  // namespace cindermoor::win32
