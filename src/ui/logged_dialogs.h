// The message boxes with each message and question, and its answer, written to the log.
#pragma once

#include "log/event_log.h"
#include "ui/dialogs.h"

namespace cindermoor {

class LoggedDialogs : public Dialogs {
 public:
  LoggedDialogs(Dialogs& dialogs, EventLog& log) : dialogs_(dialogs), log_(log) {}
  bool AskYesNo(const std::string& text, const std::string& title, bool yesIsDefault) override;
  void ShowMessage(const std::string& text, const std::string& title) override;

 private:
  Dialogs& dialogs_;
  EventLog& log_;
};

}  // namespace cindermoor
