// The log's file: %LOCALAPPDATA%\Cindermoor\Launcher\launcher.log, the older one beside it.
#pragma once

#include <string>

#include "log/log_file.h"

namespace cindermoor::win32 {

// The log's full path; "" when Windows names no local application data folder.
std::string LogFilePlace();
// An error message whose last line says where the log is, for the player to send for help.
std::string WithLogPlace(const std::string& message);

class LogFileWin32 : public LogFile {
 public:
  LogFileWin32();

  LocalTime Now() override;
  unsigned long ProcessId() override;
  std::uint64_t Size() override;
  void Rotate() override;
  void Append(std::string_view text) override;

 private:
  std::wstring folder_;  // "" when there is nowhere to write
};

}  // namespace cindermoor::win32
