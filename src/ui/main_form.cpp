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
    case MainControl::Text1: return 0;
    case MainControl::Text2: return 1;
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
    case 0: Text1_Change(); break;
    case 1: Text2_Change(); break;
    default: Text3_Change(); break;
  }
}

void MainForm::SetCheck1(int value) {
  if (check1_ == value) return;
  check1_ = value;
  view_.SetChecked(MainControl::Check1, value == 1);
  Check1_Click();
}

void MainForm::SelectOption1() {
  if (option1_) return;
  option1_ = true;
  option2_ = false;
  view_.SetChecked(MainControl::Option1, true);
  view_.SetChecked(MainControl::Option2, false);
  Option1_Click();
}

void MainForm::SelectOption2() {
  if (option2_) return;
  option2_ = true;
  option1_ = false;
  view_.SetChecked(MainControl::Option2, true);
  view_.SetChecked(MainControl::Option1, false);
  Option2_Click();
}

void MainForm::SetPictureVisible(MainControl picture, bool visible) {
  bool& shown = picture == MainControl::Image5 ? image5Visible_ : image4Visible_;
  shown = visible;
  view_.SetVisible(picture, visible);
}

void MainForm::SetLabel8(const std::string& caption) {
  label8_ = caption;
  view_.SetText(MainControl::Label8, caption);
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
  return picture == MainControl::Image5 ? image5Visible_ : image4Visible_;
}

void MainForm::Check1_Click() {
  services_.settings.Write(setting::kRogerWilcoLaunch, std::to_string(check1_));
}

void MainForm::Option1_Click() {
  SetBoxesEnabled(false);
  services_.settings.Write(setting::kUseTWRW, "1");
}

void MainForm::Option2_Click() {
  SetBoxesEnabled(true);
  services_.settings.Write(setting::kUseTWRW, "0");
}

void MainForm::Text1_Change() { services_.settings.Write(setting::kServer, texts_[0]); }
void MainForm::Text2_Change() { services_.settings.Write(setting::kChannel, texts_[1]); }
void MainForm::Text3_Change() { services_.settings.Write(setting::kPassword, texts_[2]); }

void MainForm::SetBoxesEnabled(bool enabled) {
  for (MainControl box : {MainControl::Text1, MainControl::Text2, MainControl::Text3}) {
    enabled_[BoxIndex(box)] = enabled;
    view_.SetEnabled(box, enabled);
  }
}

void MainForm::ShowInstallButton(bool installShown) {
  if (installShown) {
    SetPictureVisible(MainControl::Image5, true);
    SetPictureVisible(MainControl::Image4, false);
  } else {
    SetPictureVisible(MainControl::Image5, false);
    SetPictureVisible(MainControl::Image4, true);
  }
}

void MainForm::Image1_Click() { services_.programs.OpenWebPage(ProductPage("/")); }

void MainForm::Image2_Click() {
  services_.protocol.ReregisterProtocol();
  Hide();
  services_.program.EndProgram();
}

// Un-Install asks nothing and swaps the buttons back.
void MainForm::Image4_Click() {
  services_.protocol.UninstallProtocol();
  ShowInstallButton(true);
}

// Install offers the buddy list sign-up, then swaps the buttons. When Windows refused every
// write the buttons stay, so Install is offered again.
void MainForm::Image5_Click() {
  if (!services_.protocol.InstallProtocol()) {
    services_.dialogs.ShowMessage(kInstallFailed, kInstallFailedTitle);
    return;
  }
  if (services_.dialogs.AskYesNo(kSignupQuestion, kSignupTitle, true)) {
    services_.programs.OpenWebPage(ProductPage("/index.php?t=register"));
  }
  ShowInstallButton(false);
}

void MainForm::Image6_Click() {
  Hide();
  services_.showLocatorWindow();
}

}  // namespace cindermoor
