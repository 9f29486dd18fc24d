// What the main window's behaviour asks of its face on screen.
#pragma once

#include <cstddef>
#include <string>

#include "voice/voice_client.h"

namespace cindermoor {

enum class MainControl {
  ServerBox,
  ChannelBox,
  PasswordBox,
  LaunchBox,
  CommunityOption,
  OwnServerOption,
  InstallButton,
  UninstallButton,
  GameFolderLabel,
  VoiceNameBox,
  VoiceClientNote,
  Count,  // not a control: how many there are
};

class MainFormView {
 public:
  virtual ~MainFormView() = default;
  // Entry boxes and the folder label.
  virtual void SetText(MainControl control, const std::string& text) = 0;
  virtual void SetEnabled(MainControl control, bool enabled) = 0;
  // Check box and option buttons.
  virtual void SetChecked(MainControl control, bool checked) = 0;
  // Picture buttons.
  virtual void SetVisible(MainControl control, bool visible) = 0;
  // The check boxes of flag settings, by their place in MainFormServices::settingBoxes.
  virtual void SetSettingBox(std::size_t box, bool ticked) = 0;
  // Checks the chosen client's option (by its place in the list of clients) and speaks of
  // it: the frame, the launch question, the server options, the notice, and the Name box with
  // its hint only for a client that takes a name.
  virtual void ShowVoiceClient(std::size_t chosen, const VoiceTexts& texts) = 0;
  virtual void Compact() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace cindermoor
