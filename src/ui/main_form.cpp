#include "ui/main_form.h"

#include "external/outside_programs.h"
#include "common/config.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"
#include "ui/program_control.h"

namespace cindermoor {
namespace {

constexpr const char* kSignupQuestion = "Do you want to signup for Cindermoor(c) BuddyList?";
constexpr const char* kSignupTitle = "Notice!";
constexpr const char* kInstallFailed =
    "The tribes:// link handler could not be registered: Windows refused to write it, both for "
    "all users and for you alone. Links will not open Cindermoor Launcher.";
constexpr const char* kInstallFailedTitle = "Error!";

size_t BoxIndex(MainControl box) {
  switch (box) {
    case MainControl::ServerBox: return 0;
    case MainControl::ChannelBox: return 1;
    default: return 2;
  }
}

std::string ProductPage(const std::string& path) {
  return std::string("http://") + config::kProductWebHost + path;
}

}  // namespace

MainForm::MainForm(MainFormServices services, MainFormView& view)
    : services_(std::move(services)), view_(view) {}

void MainForm::SetText(MainControl box, const std::string& text) {
  const size_t index = BoxIndex(box);
  if (texts_[index] == text) return;
  texts_[index] = text;
  view_.SetText(box, text);
  switch (index) {
    case 0: OnServerChanged(); break;
    case 1: OnChannelChanged(); break;
    default: OnPasswordChanged(); break;
  }
}

void MainForm::SetLaunchBox(int value) {
  if (launchBox_ == value) return;
  launchBox_ = value;
  view_.SetChecked(MainControl::LaunchBox, value == 1);
  OnLaunchBoxChanged();
}

void MainForm::SelectCommunityServer() {
  if (communityServer_) return;
  communityServer_ = true;
  ownServer_ = false;
  view_.SetChecked(MainControl::CommunityOption, true);
  view_.SetChecked(MainControl::OwnServerOption, false);
  OnCommunityServerChosen();
}

void MainForm::SelectOwnServer() {
  if (ownServer_) return;
  ownServer_ = true;
  communityServer_ = false;
  view_.SetChecked(MainControl::OwnServerOption, true);
  view_.SetChecked(MainControl::CommunityOption, false);
  OnOwnServerChosen();
}

void MainForm::SetPictureVisible(MainControl picture, bool visible) {
  bool& shown = picture == MainControl::InstallButton ? installButtonVisible_ : uninstallButtonVisible_;
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

const std::string& MainForm::Text(MainControl box) const { return texts_[BoxIndex(box)]; }

bool MainForm::Enabled(MainControl box) const { return enabled_[BoxIndex(box)]; }

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

void MainForm::OnServerChanged() { services_.settings.Write(setting::kServer, texts_[0]); }
void MainForm::OnChannelChanged() { services_.settings.Write(setting::kChannel, texts_[1]); }
void MainForm::OnPasswordChanged() { services_.settings.Write(setting::kPassword, texts_[2]); }

void MainForm::SetBoxesEnabled(bool enabled) {
  for (MainControl box : {MainControl::ServerBox, MainControl::ChannelBox, MainControl::PasswordBox}) {
    enabled_[BoxIndex(box)] = enabled;
    view_.SetEnabled(box, enabled);
  }
}

void MainForm::ShowInstallButton(bool installShown) {
  if (installShown) {
    SetPictureVisible(MainControl::InstallButton, true);
    SetPictureVisible(MainControl::UninstallButton, false);
  } else {
    SetPictureVisible(MainControl::InstallButton, false);
    SetPictureVisible(MainControl::UninstallButton, true);
  }
}

void MainForm::OnLogoClicked() { services_.programs.OpenWebPage(ProductPage("/")); }

void MainForm::OnOkClicked() {
  services_.protocol.ReregisterProtocol();
  Hide();
  services_.program.EndProgram();
}

// Un-Install asks nothing and swaps the buttons back.
void MainForm::OnUninstallClicked() {
  services_.protocol.UninstallProtocol();
  ShowInstallButton(true);
}

// Install offers the buddy list sign-up, then swaps the buttons. When Windows refused every
// write the buttons stay, so Install is offered again.
void MainForm::OnInstallClicked() {
  if (!services_.protocol.InstallProtocol()) {
    services_.dialogs.ShowMessage(kInstallFailed, kInstallFailedTitle);
    return;
  }
  if (services_.dialogs.AskYesNo(kSignupQuestion, kSignupTitle, true)) {
    services_.programs.OpenWebPage(ProductPage("/index.php?t=register"));
  }
  ShowInstallButton(false);
}

void MainForm::OnChangeFolderClicked() {
  Hide();
  services_.showLocatorWindow();
}

}  // namespace cindermoor
