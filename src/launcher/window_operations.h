// What the start-up sequence asks of the three windows. The main window's values come from
// the stored settings and are shown without raising the handlers that store a user's change.
#pragma once

#include <string>

#include "link/command_lines.h"
#include "state/launcher_settings.h"

namespace cindermoor {

struct VoiceFields {
  std::string server;
  std::string channel;
  std::string password;
};

class WindowOperations {
 public:
  virtual ~WindowOperations() = default;

  // Main window.
  virtual void ShowGameFolder(const std::string& folder) = 0;
  virtual void FillVoiceFields(const VoiceFields& fields) = 0;
  virtual void SetLaunchBox(int value) = 0;
  // Community or OwnServer; the start-up sequence leaves the options alone for None.
  virtual void SelectVoiceMode(VoiceMode mode) = 0;
  virtual void ShowInstallState(bool installed) = 0;
  virtual void ShowVoiceClient(VoiceClient client, const std::string& name, bool rogerWilcoFound,
                               bool mumbleFound) = 0;
  virtual void Compact() = 0;
  virtual void HideMainWindow() = 0;

  // The other two windows.
  virtual void ShowLocatorWindow() = 0;
  virtual void ShowQuitWindow() = 0;
};

}  // namespace cindermoor
