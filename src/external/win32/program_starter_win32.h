// Starts programs with CreateProcessW from their own folder.
#pragma once

#include "external/program_starter.h"

namespace cindermoor::win32 {

class ProgramStarterWin32 : public ProgramStarter {
 public:
  void Start(const ProgramStart& start) override;
  bool FileExists(const std::string& path) override;
};

}  // namespace cindermoor::win32
