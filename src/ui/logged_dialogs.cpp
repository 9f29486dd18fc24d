// The log is written out before a box shows: whoever looks while it is up finds the message,
// and the time it takes is lost in the player's reading.
#include "ui/logged_dialogs.h"

namespace cindermoor {

bool LoggedDialogs::AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) {
  log_.Write("Question shown: " + title + ": " + text);
  log_.Flush();
  const bool yes = dialogs_.AskYesNo(text, title, yesIsDefault);
  log_.Write(yes ? "Answered Yes" : "Answered No");
  return yes;
}

void LoggedDialogs::ShowMessage(const std::string& text, const std::string& title) {
  log_.Write("Message shown: " + title + ": " + text);
  log_.Flush();
  dialogs_.ShowMessage(text, title);
}

}  // namespace cindermoor
