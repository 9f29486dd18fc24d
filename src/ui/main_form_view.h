// What the main window's behaviour asks of its face on screen.
#pragma once

#include <string>

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
  RogerWilcoOption,
  MumbleOption,
  VoiceNameBox,
  VoiceClientNote,
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
  virtual void Compact() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace cindermoor
