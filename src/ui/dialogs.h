// The main window's modal message boxes, as the windows' behaviour and start-up ask for them.
#pragma once

#include <string>

namespace cindermoor {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Yes/No without icon; true for Yes.
  virtual bool AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) = 0;
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
};

}  // namespace cindermoor
