// Starting another program and opening web pages: the system's two ways to the outside.
#pragma once

#include <string>

#include "common/fatal_error.h"

namespace cindermoor {

// Show commands, with the values Windows gives them.
enum class ShowCommand : int { Normal = 1, Minimized = 6 };

struct ProgramStart {
  std::string programPath;  // full path of the program file; never searched for
  std::string folder;       // made the current folder before the start
  std::string commandLine;  // exactly what the program receives, its own name first
  ShowCommand show = ShowCommand::Normal;
  // Waits a moment for the program to come up before going on, so the starter's own next
  // steps do not slow its start down.
  bool waitUntilReady = false;
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Makes the folder current and starts the program without waiting for it to end.
  // Throws FatalError when either step fails.
  virtual void Start(const ProgramStart& start) = 0;
  virtual bool FileExists(const std::string& path) = 0;
};

class WebOpener {
 public:
  virtual ~WebOpener() = default;
  // Opens the address in the user's browser; the outcome is not reported.
  virtual void OpenWebPage(const std::string& url) = 0;
};

}  // namespace cindermoor
