#include "ui/main_form.h"

#include "common/config.h"
#include "external/outside_programs.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"
#include "text/text.h"
#include "ui/program_control.h"

namespace cindermoor {
namespace {

// Said only when choosing another client would help; with none the voice part is hidden.
bool ChosenMissingAndAnotherThere(std::size_t chosen, const std::vector<bool>& installed) {
  if (chosen < installed.size() && installed[chosen]) return false;
  for (std::size_t index = 0; index < installed.size(); ++index) {
    if (index != chosen && installed[index]) return true;
  }
  return false;
}

size_t IndexOf(EntryBox box) { return static_cast<size_t>(box); }

std::string ProductPage(const std::string& path) {
  return std::string("http://") + config::kProductWebHost + path;
}

}  // namespace

MainForm::MainForm(MainFormServices services, MainFormView& view)
    : services_(std::move(services)), view_(view), settingBoxes_(services_.settingBoxes.size()) {}

// The one place that turns the form's state into what a control shows. A control added to
// MainControl and missing here is a compiler warning (a switch over every value).
void MainForm::ShowControl(MainControl control) {
  switch (control) {
    case MainControl::ServerBox:
    case MainControl::ChannelBox:
    case MainControl::PasswordBox:
      for (EntryBox box : kEntryBoxes) {
        if (ControlOf(box) == control) view_.SetText(control, texts_[IndexOf(box)]);
      }
      view_.SetEnabled(control, boxesEnabled_);
      return;
    case MainControl::LaunchBox:
      view_.SetChecked(control, launchBox_ == 1);
      return;
    case MainControl::CommunityOption:
      view_.SetChecked(control, !ownServer_);
      return;
    case MainControl::OwnServerOption:
      view_.SetChecked(control, ownServer_);
      return;
    case MainControl::InstallButton:
      view_.SetVisible(control, installButtonVisible_);
      return;
    case MainControl::UninstallButton:
      view_.SetVisible(control, uninstallButtonVisible_);
      return;
    case MainControl::GameFolderLabel:
      view_.SetText(control, gameFolder_);
      return;
    case MainControl::VoiceNameBox:
      view_.SetText(control, voiceName_);
      return;
    // The note speaks of the chosen client, and is shown with it.
    case MainControl::VoiceClientNote:
      view_.ShowVoiceClient(voiceClient_, services_.voiceClients.At(voiceClient_).Texts());
      view_.SetText(control, voiceClientNote_);
      return;
    case MainControl::Count:
      return;
  }
}

void MainForm::ShowEveryControl() {
  for (int control = 0; control < static_cast<int>(MainControl::Count); ++control) {
    ShowControl(static_cast<MainControl>(control));
  }
  for (std::size_t box = 0; box < settingBoxes_.size(); ++box) {
    view_.SetSettingBox(box, settingBoxes_[box]);
  }
  if (compact_) view_.Compact();
}

void MainForm::ShowStoredSettingBox(std::size_t box, bool ticked) {
  settingBoxes_[box] = ticked;
  view_.SetSettingBox(box, ticked);
}

void MainForm::SetSettingBox(std::size_t box, bool ticked) {
  if (settingBoxes_[box] == ticked) return;
  ShowStoredSettingBox(box, ticked);
  services_.settings.Write(services_.settingBoxes[box].setting, ticked ? "1" : "0");
}

void MainForm::ShowStoredText(EntryBox box, const std::string& text) {
  texts_[IndexOf(box)] = text;
  ShowControl(ControlOf(box));
}

void MainForm::ShowStoredLaunchBox(int value) {
  launchBox_ = value;
  ShowControl(MainControl::LaunchBox);
}

void MainForm::ShowStoredVoiceMode(bool ownServer) {
  ownServer_ = ownServer;
  ShowControl(MainControl::OwnServerOption);
  ShowControl(MainControl::CommunityOption);
  SetBoxesEnabled(ownServer);
}

void MainForm::ShowStoredVoiceClient(std::size_t chosen, const std::string& name,
                                     const std::vector<bool>& installed) {
  installed_ = installed;
  voiceName_ = name;
  ShowControl(MainControl::VoiceNameBox);
  ShowVoiceClient(chosen);
}

void MainForm::ShowStoredInstallState(bool installed) {
  SetPictureVisible(MainControl::InstallButton, !installed);
  SetPictureVisible(MainControl::UninstallButton, installed);
}

void MainForm::ShowVoiceClient(std::size_t client) {
  voiceClient_ = client;
  const VoiceClient& chosen = services_.voiceClients.At(client);
  voiceClientNote_ = ChosenMissingAndAnotherThere(client, installed_) ? chosen.Texts().missing : "";
  ShowControl(MainControl::VoiceClientNote);
}

void MainForm::SelectVoiceClient(std::size_t client) {
  if (voiceClient_ == client) return;
  ShowVoiceClient(client);
  services_.settings.Write(setting::kVoiceClient, services_.voiceClients.At(client).StoredName());
}

void MainForm::SetVoiceName(const std::string& name) {
  if (voiceName_ == name) return;
  voiceName_ = name;
  ShowControl(MainControl::VoiceNameBox);
  services_.settings.Write(setting::kVoiceName, name);
}

void MainForm::SetText(EntryBox box, const std::string& text) {
  if (texts_[IndexOf(box)] == text) return;
  ShowStoredText(box, text);
  services_.settings.Write(SettingOf(box), text);
}

void MainForm::SetLaunchBox(int value) {
  if (launchBox_ == value) return;
  ShowStoredLaunchBox(value);
  OnLaunchBoxChanged();
}

void MainForm::SelectCommunityServer() { SelectServer(true); }

void MainForm::SelectOwnServer() { SelectServer(false); }

// The two options are one group: choosing one clears the other, and choosing the one already
// chosen changes nothing.
void MainForm::SelectServer(bool community) {
  if (ownServer_ != community) return;
  ownServer_ = !community;
  ShowControl(MainControl::CommunityOption);
  ShowControl(MainControl::OwnServerOption);
  if (community) {
    OnCommunityServerChosen();
  } else {
    OnOwnServerChosen();
  }
}

void MainForm::SetPictureVisible(MainControl picture, bool visible) {
  bool& shown =
      picture == MainControl::InstallButton ? installButtonVisible_ : uninstallButtonVisible_;
  shown = visible;
  ShowControl(picture);
}

void MainForm::ShowGameFolder(const std::string& caption) {
  gameFolder_ = caption;
  ShowControl(MainControl::GameFolderLabel);
}

void MainForm::Compact() {
  compact_ = true;
  view_.Compact();
}

void MainForm::Show() {
  visible_ = true;
  view_.Show();
}

void MainForm::Hide() {
  visible_ = false;
  view_.Hide();
}

void MainForm::LeaveForLocator() {
  Hide();
  services_.showLocatorWindow();
}

const std::string& MainForm::Text(EntryBox box) const { return texts_[IndexOf(box)]; }

bool MainForm::PictureVisible(MainControl picture) const {
  return picture == MainControl::InstallButton ? installButtonVisible_ : uninstallButtonVisible_;
}

void MainForm::OnLaunchBoxChanged() {
  services_.settings.Write(setting::kLaunchVoiceClient, std::to_string(launchBox_));
}

void MainForm::OnCommunityServerChosen() {
  SetBoxesEnabled(false);
  services_.settings.Write(setting::kUseTWRW, "1");
}

void MainForm::OnOwnServerChosen() {
  SetBoxesEnabled(true);
  services_.settings.Write(setting::kUseTWRW, "0");
}

void MainForm::SetBoxesEnabled(bool enabled) {
  boxesEnabled_ = enabled;
  for (EntryBox box : kEntryBoxes) ShowControl(ControlOf(box));
}

void MainForm::OnLogoClicked() { services_.programs.OpenWebPage(ProductPage("/")); }

// OK leaves even when the handler could not be re-pointed; the user is told first.
void MainForm::OnOkClicked() {
  ShowIfFailed(services_.protocol.ReregisterProtocol());
  Hide();
  services_.program.EndProgram();
}

// Un-Install asks nothing and swaps the buttons back, unless a class is left that still
// opens links: then the user is told why and Un-Install stays offered. What the Linux desktop
// kept under Wine is told too, but the Windows class decides the buttons.
void MainForm::OnUninstallClicked() {
  ShowIfFailed(services_.protocol.UninstallProtocol());
  if (services_.protocol.IsInstalled()) return;
  ShowStoredInstallState(false);
}

// Install offers the buddy list sign-up, then swaps the buttons. When Windows refused every
// write the buttons stay, so Install is offered again; a class written with a Linux desktop
// that could not be set up is installed, and the user is told about the desktop.
void MainForm::OnInstallClicked() {
  ShowIfFailed(services_.protocol.InstallProtocol());
  if (!services_.protocol.IsInstalled()) return;
  if (services_.dialogs.AskYesNo(cindermoor::Text("main.signup_question"),
                                 cindermoor::Text("main.signup_title"), true)) {
    services_.programs.OpenWebPage(ProductPage("/index.php?t=register"));
  }
  ShowStoredInstallState(true);
}

void MainForm::ShowIfFailed(const Outcome& outcome) {
  if (!outcome.Succeeded())
    services_.dialogs.ShowMessage(outcome.Reason(), cindermoor::Text("main.error_title"));
}

void MainForm::OnChangeFolderClicked() { LeaveForLocator(); }

void MainForm::OnServersClicked() { services_.showServersWindow(); }

}  // namespace cindermoor
