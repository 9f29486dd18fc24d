// Finding and starting programs, the game among them, and opening web pages.
#pragma once

#include <string>

#include "common/outcome.h"
#include "external/program_starter.h"
#include "state/launcher_settings.h"
#include "state/registry.h"

namespace cindermoor {

class OutsidePrograms {
 public:
  OutsidePrograms(Registry& registry, LauncherSettings& settings, ProgramStarter& starter,
                  WebOpener& webOpener);

  // The folder an installer recorded in the machine's key (its "Path" value); "" when there is
  // none.
  std::string InstallFolder(const std::string& subKey);
  // The folder the game's installer recorded; "" when there is none.
  std::string DetectedGameFolder();

  void StartProgram(const ProgramStart& start) { starter_.Start(start); }
  // Starts the game from the TribesPath folder.
  void StartGame(const std::string& gameArgs);
  // Whether StartGame can work; when not, why, naming the path.
  Outcome CheckGameCanStart();

  void OpenWebPage(const std::string& url);

 private:
  Registry& registry_;
  LauncherSettings& settings_;
  ProgramStarter& starter_;
  WebOpener& webOpener_;
};

}  // namespace cindermoor
