// What the start-up sequence asks of the three windows. The main window's values come from
// the stored settings and are shown without raising the handlers that store a user's change.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "link/command_lines.h"
#include "voice/voice_client.h"

namespace cindermoor {

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
  // The chosen client and the name in voice; installed tells which clients this system has,
  // in the order of the list of clients.
  virtual void ShowVoiceClient(std::size_t chosen, const std::string& name,
                               const std::vector<bool>& installed) = 0;
  virtual void Compact() = 0;
  virtual void HideMainWindow() = 0;

  // The other two windows.
  virtual void ShowLocatorWindow() = 0;
  virtual void ShowQuitWindow() = 0;
};

}  // namespace cindermoor
