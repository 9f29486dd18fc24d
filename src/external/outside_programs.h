// Finding, starting and stopping the voice client and the game, and opening web pages.
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

  // "" when no voice client is installed.
  std::string VoiceClientFolder();
  // The folder the game's installer recorded; "" when there is none.
  std::string DetectedGameFolder();

  void StartVoiceClient(const std::string& voiceArgs);
  // Does nothing when no voice client is installed.
  void StopVoiceClient();
  // Starts the game from the TribesPath folder.
  void StartGame(const std::string& gameArgs);
  // Whether StartGame can work; when not, why, naming the path.
  Outcome CheckGameCanStart();

  void OpenWebPage(const std::string& url);

 private:
  std::string ReadInstallFolder(const std::string& subKey);
  void StartVoiceCommand(const std::string& folder, const std::string& commandLine,
                         ShowCommand show);

  Registry& registry_;
  LauncherSettings& settings_;
  ProgramStarter& starter_;
  WebOpener& webOpener_;
};

}  // namespace cindermoor
