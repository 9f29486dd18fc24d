// A log file in memory: the current and the older file's text, a fixed clock.
#pragma once

#include <string>

#include "log/log_file.h"

namespace cindermoor {

class MemoryLogFile : public LogFile {
 public:
  LocalTime Now() override { return {2026, 12, 8, 17, 5, 9, 42}; }
  unsigned long ProcessId() override { return 4242; }
  std::uint64_t Size() override { return current.size(); }
  void Rotate() override { older = std::move(current), current.clear(); }
  void Append(std::string_view text) override { current += text; }

  std::string current;
  std::string older;
};

}  // namespace cindermoor
