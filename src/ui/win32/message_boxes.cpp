#include "ui/win32/message_boxes.h"

#include "log/win32/log_file_win32.h"
#include "win32/text.h"

namespace cindermoor::win32 {

// No icon: the questions are plain questions.
bool MessageBoxes::AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) {
  const UINT defaultButton = yesIsDefault ? MB_DEFBUTTON1 : MB_DEFBUTTON2;
  return ::MessageBoxW(owner_(), Widen(text).c_str(), Widen(title).c_str(),
                       MB_YESNO | defaultButton | MB_SETFOREGROUND) == IDYES;
}

void MessageBoxes::ShowMessage(const std::string& text, const std::string& title) {
  ::MessageBoxW(owner_(), Widen(WithLogPlace(text)).c_str(), Widen(title).c_str(),
                MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

}  // namespace cindermoor::win32
