// Where the log's lines go and what stamps them: the outside side of the log.
#pragma once

#include <cstdint>
#include <string_view>

namespace cindermoor {

// The local time of an event, to the millisecond.
struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Nothing here reports a failure: a log that cannot be written must change nothing else.
class LogFile {
 public:
  virtual ~LogFile() = default;
  virtual LocalTime Now() = 0;
  virtual unsigned long ProcessId() = 0;
  // The current file's size in bytes; 0 when it is not there.
  virtual std::uint64_t Size() = 0;
  // The current file becomes the older one, replacing an older one left before.
  virtual void Rotate() = 0;
  virtual void Append(std::string_view text) = 0;
};

}  // namespace cindermoor
