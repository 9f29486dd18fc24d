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
    : services_(std::move(services)), view_(view) {}

void MainForm::ShowStoredText(EntryBox box, const std::string& text) {
  texts_[IndexOf(box)] = text;
  view_.SetText(ControlOf(box), text);
}

void MainForm::ShowStoredLaunchBox(int value) {
  launchBox_ = value;
  view_.SetChecked(MainControl::LaunchBox, value == 1);
}

void MainForm::ShowStoredVoiceMode(bool ownServer) {
  ownServer_ = ownServer;
  communityServer_ = !ownServer;
  view_.SetChecked(MainControl::OwnServerOption, ownServer);
  view_.SetChecked(MainControl::CommunityOption, !ownServer);
  SetBoxesEnabled(ownServer);
}

void MainForm::ShowStoredVoiceClient(std::size_t chosen, const std::string& name,
                                     const std::vector<bool>& installed) {
  installed_ = installed;
  voiceName_ = name;
  view_.SetText(MainControl::VoiceNameBox, name);
  ShowVoiceClient(chosen);
}

void MainForm::ShowVoiceClient(std::size_t client) {
  voiceClient_ = client;
  const VoiceClient& chosen = services_.voiceClients.At(client);
  view_.ShowVoiceClient(client, chosen.Texts());
  voiceClientNote_ = ChosenMissingAndAnotherThere(client, installed_) ? chosen.Texts().missing : "";
  view_.SetText(MainControl::VoiceClientNote, voiceClientNote_);
}

void MainForm::SelectVoiceClient(std::size_t client) {
  if (voiceClient_ == client) return;
  ShowVoiceClient(client);
  services_.settings.Write(setting::kVoiceClient, services_.voiceClients.At(client).StoredName());
}

void MainForm::SetVoiceName(const std::string& name) {
  if (voiceName_ == name) return;
  voiceName_ = name;
  view_.SetText(MainControl::VoiceNameBox, name);
  services_.settings.Write(setting::kVoiceName, name);
}

void MainForm::SetText(EntryBox box, const std::string& text) {
  if (texts_[IndexOf(box)] == text) return;
  ShowStoredText(box, text);
  switch (box) {
    case EntryBox::Server:
      OnServerChanged();
      break;
    case EntryBox::Channel:
      OnChannelChanged();
      break;
    case EntryBox::Password:
      OnPasswordChanged();
      break;
  }
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
  if (community ? communityServer_ : ownServer_) return;
  communityServer_ = community;
  ownServer_ = !community;
  view_.SetChecked(MainControl::CommunityOption, community);
  view_.SetChecked(MainControl::OwnServerOption, !community);
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
  view_.SetVisible(picture, visible);
}

void MainForm::ShowGameFolder(const std::string& caption) {
  gameFolder_ = caption;
  view_.SetText(MainControl::GameFolderLabel, caption);
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

const std::string& MainForm::Text(EntryBox box) const { return texts_[IndexOf(box)]; }

bool MainForm::Enabled(EntryBox box) const { return enabled_[IndexOf(box)]; }

bool MainForm::PictureVisible(MainControl picture) const {
  return picture == MainControl::InstallButton ? installButtonVisible_ : uninstallButtonVisible_;
}

void MainForm::OnLaunchBoxChanged() {
  services_.settings.Write(setting::kRogerWilcoLaunch, std::to_string(launchBox_));
}

void MainForm::OnCommunityServerChosen() {
  SetBoxesEnabled(false);
  services_.settings.Write(setting::kUseTWRW, "1");
}

void MainForm::OnOwnServerChosen() {
  SetBoxesEnabled(true);
  services_.settings.Write(setting::kUseTWRW, "0");
}

void MainForm::OnServerChanged() {
  services_.settings.Write(setting::kServer, texts_[IndexOf(EntryBox::Server)]);
}
void MainForm::OnChannelChanged() {
  services_.settings.Write(setting::kChannel, texts_[IndexOf(EntryBox::Channel)]);
}
void MainForm::OnPasswordChanged() {
  services_.settings.Write(setting::kPassword, texts_[IndexOf(EntryBox::Password)]);
}

void MainForm::SetBoxesEnabled(bool enabled) {
  for (EntryBox box : kEntryBoxes) {
    enabled_[IndexOf(box)] = enabled;
    view_.SetEnabled(ControlOf(box), enabled);
  }
}

void MainForm::ShowInstallButton(bool installShown) {
  SetPictureVisible(MainControl::InstallButton, installShown);
  SetPictureVisible(MainControl::UninstallButton, !installShown);
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
  ShowInstallButton(true);
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
  ShowInstallButton(false);
}

void MainForm::ShowIfFailed(const Outcome& outcome) {
  if (!outcome.Succeeded())
    services_.dialogs.ShowMessage(outcome.Reason(), cindermoor::Text("main.error_title"));
}

void MainForm::OnChangeFolderClicked() {
  Hide();
  services_.showLocatorWindow();
}

void MainForm::OnServersClicked() { services_.showServersWindow(); }

}  // namespace cindermoor
