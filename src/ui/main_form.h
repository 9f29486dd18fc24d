// The main window's behaviour: its controls' values and the handlers they raise. A value
// changed from code raises the same handler as the user's change, so both roads store alike;
// only the ShowStored… methods, which show what is stored already, raise none. The form holds
// the window's one state: each control is shown from it as it changes, and all of them when
// the window is made (ShowEveryControl).
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "common/outcome.h"
#include "state/launcher_settings.h"
#include "ui/dialogs.h"
#include "ui/main_form_view.h"
#include "ui/main_window_layout.h"
#include "voice/voice_clients.h"

namespace cindermoor {

class ProtocolHandler;
class OutsidePrograms;
class ProgramControl;

// The three entry boxes of the voice settings, in their order on screen.
enum class EntryBox { Server, Channel, Password };
inline constexpr EntryBox kEntryBoxes[] = {EntryBox::Server, EntryBox::Channel, EntryBox::Password};

constexpr MainControl ControlOf(EntryBox box) {
  switch (box) {
    case EntryBox::Server:
      return MainControl::ServerBox;
    case EntryBox::Channel:
      return MainControl::ChannelBox;
    case EntryBox::Password:
      return MainControl::PasswordBox;
  }
  return MainControl::ServerBox;  // not reached: every box is named above
}

// The setting each box stores.
constexpr const char* SettingOf(EntryBox box) {
  switch (box) {
    case EntryBox::Server:
      return setting::kServer;
    case EntryBox::Channel:
      return setting::kChannel;
    case EntryBox::Password:
      return setting::kPassword;
  }
  return setting::kServer;  // not reached: every box is named above
}

struct MainFormServices {
  LauncherSettings& settings;
  ProtocolHandler& protocol;
  OutsidePrograms& programs;
  Dialogs& dialogs;
  ProgramControl& program;
  VoiceClients& voiceClients;
  std::function<void()> showLocatorWindow;
  std::function<void()> showServersWindow;
  std::span<const main_layout::SettingBox> settingBoxes = main_layout::kSettingBoxes;
};

class MainForm {
 public:
  MainForm(MainFormServices services, MainFormView& view);

  // Stored values shown as they are: no handler is raised, so nothing is written back.
  void ShowStoredText(EntryBox box, const std::string& text);
  void ShowStoredLaunchBox(int value);
  // Selects the own-server option (else the community one) and enables the boxes with it.
  void ShowStoredVoiceMode(bool ownServer);
  // The chosen voice client (its place in the list of clients), the name in voice, and which
  // clients this system has, in the list's order: the note beside the choice tells when the
  // chosen one is missing but another is there.
  void ShowStoredVoiceClient(std::size_t chosen, const std::string& name,
                             const std::vector<bool>& installed);
  // A check box of a flag setting (its place in the services' settingBoxes).
  void ShowStoredSettingBox(std::size_t box, bool ticked);
  // Un-Install while the tribes class is installed, else Install.
  void ShowStoredInstallState(bool installed);
  // Shows every control from the form's state, as the window is made.
  void ShowEveryControl();

  // Control values, set from code or by the user; each change raises the control's handler.
  void SetText(EntryBox box, const std::string& text);
  void SetLaunchBox(int value);
  // Stores the box's setting, "1" or "0".
  void SetSettingBox(std::size_t box, bool ticked);
  void SelectCommunityServer();
  void SelectOwnServer();
  // The window speaks of the chosen client from this moment on.
  void SelectVoiceClient(std::size_t client);
  void SetVoiceName(const std::string& name);
  void SetPictureVisible(MainControl picture, bool visible);
  // Enables or disables the server, channel and password boxes, in that order.
  void SetBoxesEnabled(bool enabled);
  void ShowGameFolder(const std::string& caption);
  void Compact();
  void Show();
  void Hide();
  // The game locator takes the main window's place.
  void LeaveForLocator();

  const std::string& Text(EntryBox box) const;
  bool Enabled(EntryBox) const { return boxesEnabled_; }
  int LaunchBox() const { return launchBox_; }
  std::span<const main_layout::SettingBox> SettingBoxes() const { return services_.settingBoxes; }
  bool SettingBoxTicked(std::size_t box) const { return settingBoxes_[box]; }
  bool CommunityServerSelected() const { return !ownServer_; }
  bool OwnServerSelected() const { return ownServer_; }
  const VoiceClients& Clients() const { return services_.voiceClients; }
  std::size_t ChosenVoiceClient() const { return voiceClient_; }
  const std::string& VoiceName() const { return voiceName_; }
  const std::string& VoiceClientNote() const { return voiceClientNote_; }
  bool PictureVisible(MainControl picture) const;
  const std::string& GameFolder() const { return gameFolder_; }
  bool IsCompact() const { return compact_; }
  bool IsVisible() const { return visible_; }

  // Clicks on the picture buttons.
  void OnLogoClicked();
  void OnOkClicked();
  void OnUninstallClicked();
  void OnInstallClicked();
  void OnChangeFolderClicked();
  // The servers window opens beside this one, which stays.
  void OnServersClicked();

 private:
  void ShowControl(MainControl control);
  void SelectServer(bool community);
  void OnLaunchBoxChanged();
  void OnCommunityServerChosen();
  void OnOwnServerChosen();
  void ShowVoiceClient(std::size_t client);
  // Shows a failure's reason, if any.
  void ShowIfFailed(const Outcome& outcome);

  MainFormServices services_;
  MainFormView& view_;
  std::array<std::string, 3> texts_;
  bool boxesEnabled_ = true;
  int launchBox_ = 0;
  std::vector<bool> settingBoxes_;
  bool ownServer_ = false;  // else the community server's option is chosen
  std::size_t voiceClient_ = 0;
  std::string voiceName_;
  std::vector<bool> installed_;
  std::string voiceClientNote_;
  bool installButtonVisible_ = true;
  bool uninstallButtonVisible_ = true;
  std::string gameFolder_;
  bool compact_ = false;
  bool visible_ = false;
};

}  // namespace cindermoor
