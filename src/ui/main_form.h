// The main window's behaviour: its controls' values and the handlers they raise. A value
// changed from code raises the same handler as the user's change, so both roads store alike;
// only the ShowStored… methods, which show what is stored already, raise none.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/outcome.h"
#include "state/launcher_settings.h"
#include "ui/dialogs.h"
#include "ui/main_form_view.h"
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

struct MainFormServices {
  LauncherSettings& settings;
  ProtocolHandler& protocol;
  OutsidePrograms& programs;
  Dialogs& dialogs;
  ProgramControl& program;
  VoiceClients& voiceClients;
  std::function<void()> showLocatorWindow;
  std::function<void()> showServersWindow;
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

  // Control values, set from code or by the user; each change raises the control's handler.
  void SetText(EntryBox box, const std::string& text);
  void SetLaunchBox(int value);
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

  const std::string& Text(EntryBox box) const;
  bool Enabled(EntryBox box) const;
  int LaunchBox() const { return launchBox_; }
  bool CommunityServerSelected() const { return communityServer_; }
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
  void SelectServer(bool community);
  void OnLaunchBoxChanged();
  void OnCommunityServerChosen();
  void OnOwnServerChosen();
  void OnServerChanged();
  void OnChannelChanged();
  void OnPasswordChanged();
  void ShowVoiceClient(std::size_t client);
  void ShowInstallButton(bool installShown);
  // Shows a failure's reason, if any.
  void ShowIfFailed(const Outcome& outcome);

  MainFormServices services_;
  MainFormView& view_;
  std::array<std::string, 3> texts_;
  std::array<bool, 3> enabled_{true, true, true};
  int launchBox_ = 0;
  bool communityServer_ = true;
  bool ownServer_ = false;
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
