// The program's log: one line per event, held in memory until the link is served, never
// showing a password.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "log/log_file.h"

namespace cindermoor {

class EventLog {
 public:
  explicit EventLog(LogFile& file) : file_(file) {}
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;
  ~EventLog() { Flush(); }

  // A value never to be written: wherever it turns up when it has 4 characters or more,
  // where a password stands when shorter.
  void KeepSecret(std::string_view value);
  // Stamped now; held while holding, written straight away after the first Flush.
  void Write(std::string_view event);
  // Writes what is held and stops holding.
  void Flush();

 private:
  struct Event {
    LocalTime time;
    std::string text;
  };

  LogFile& file_;
  std::vector<std::string> secrets_;
  std::vector<Event> held_;
  bool holding_ = true;
};

}  // namespace cindermoor
