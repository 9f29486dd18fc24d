// The main window's handlers: what each stores, and the Install / Un-Install swap.
#include <gtest/gtest.h>

#include "host/ui/forms_world.h"

namespace cindermoor {
namespace {

using fakes::FormsWorld;

class MainFormTest : public ::testing::Test {
 protected:
  FormsWorld w;
  MainForm& form = w.form;
};

TEST_F(MainFormTest, EveryKeystrokeStoresTheWholeText) {
  form.SelectOwnServer();
  for (const std::string text : {"a", "ab", "abc"}) {
    form.SetText(EntryBox::Server, text);
    EXPECT_EQ(w.settings.Read(setting::kServer), text);
  }
  form.SetText(EntryBox::Server, "");
  EXPECT_TRUE(w.Stored(setting::kServer));
  EXPECT_EQ(w.settings.Read(setting::kServer), "");
}

TEST_F(MainFormTest, EachBoxStoresItsOwnSetting) {
  const struct {
    EntryBox box;
    const char* key;
  } cases[] = {{EntryBox::Server, setting::kServer},
               {EntryBox::Channel, setting::kChannel},
               {EntryBox::Password, setting::kPassword}};
  for (const auto& c : cases) {
    form.SetText(c.box, std::string("value of ") + c.key);
    EXPECT_EQ(w.settings.Read(c.key), std::string("value of ") + c.key);
    EXPECT_EQ(w.view.texts[ControlOf(c.box)], std::string("value of ") + c.key);
  }
}

// The choice and the name store exactly what the user gave, only when it changes, and the
// note follows the choice.
TEST_F(MainFormTest, VoiceClientChoiceAndNameStoreTheirSettings) {
  const size_t rogerWilco = w.Client("RogerWilco");
  const size_t mumble = w.Client("Mumble");
  form.ShowStoredVoiceClient(rogerWilco, "", {true, false, false});
  form.SelectVoiceClient(rogerWilco);
  form.SetVoiceName("");
  EXPECT_FALSE(w.Stored(setting::kVoiceClient));
  EXPECT_FALSE(w.Stored(setting::kVoiceName));

  form.SelectVoiceClient(mumble);
  form.SetVoiceName(" Zoë@x ");
  EXPECT_EQ(w.settings.Read(setting::kVoiceClient), "Mumble");
  EXPECT_EQ(w.settings.Read(setting::kVoiceName), " Zoë@x ");
  EXPECT_EQ(w.view.voiceClient, mumble);
  EXPECT_EQ(w.view.voiceTexts.frameCaption, "Mumble Settings");
  EXPECT_EQ(w.view.texts[MainControl::VoiceClientNote], "Mumble is not installed.");

  form.SelectVoiceClient(rogerWilco);
  EXPECT_EQ(w.settings.Read(setting::kVoiceClient), "RogerWilco");
  EXPECT_EQ(w.view.voiceTexts.frameCaption, "Roger Wilco Settings");
  EXPECT_EQ(w.view.texts[MainControl::VoiceClientNote], "");
}

TEST_F(MainFormTest, TheSameTextAgainStoresNothing) {
  form.SetText(EntryBox::Channel, "");
  EXPECT_FALSE(w.Stored(setting::kChannel));
}

TEST_F(MainFormTest, OptionsSwitchTheBoxesAndStoreTheMode) {
  form.SetText(EntryBox::Server, "voice.example:3782");
  form.SelectOwnServer();
  EXPECT_EQ(w.settings.Read(setting::kUseTWRW), "0");
  EXPECT_TRUE(form.Enabled(EntryBox::Password));
  EXPECT_TRUE(w.view.checked_[MainControl::OwnServerOption]);
  EXPECT_FALSE(w.view.checked_[MainControl::CommunityOption]);

  form.SelectCommunityServer();
  EXPECT_EQ(w.settings.Read(setting::kUseTWRW), "1");
  for (EntryBox box : kEntryBoxes) {
    EXPECT_FALSE(form.Enabled(box));
    EXPECT_FALSE(w.view.enabled_[ControlOf(box)]);
  }
  EXPECT_EQ(form.Text(EntryBox::Server), "voice.example:3782");
  EXPECT_EQ(w.settings.Read(setting::kServer), "voice.example:3782");
}

TEST_F(MainFormTest, ChoosingTheSelectedOptionAgainStoresNothing) {
  form.SelectCommunityServer();
  EXPECT_FALSE(w.Stored(setting::kUseTWRW));
}

TEST_F(MainFormTest, LaunchBoxStoresZeroOrOne) {
  form.SetLaunchBox(1);
  EXPECT_EQ(w.settings.Read(setting::kLaunchVoiceClient), "1");
  form.SetLaunchBox(0);
  EXPECT_EQ(w.settings.Read(setting::kLaunchVoiceClient), "0");
}

TEST_F(MainFormTest, InstallAnsweredNoWritesTheClassOpensNothingAndSwaps) {
  w.dialogs.answers = {false};
  form.OnInstallClicked();
  EXPECT_EQ(w.registry.GetRegString(RegRoot::LocalMachine, "Software\\CLASSES\\tribes", "", ""),
            "URL: Tribes Protocol");
  EXPECT_EQ(w.settings.Read(setting::kInstalled), "1");
  ASSERT_EQ(w.dialogs.questions.size(), 1u);
  EXPECT_EQ(w.dialogs.questions[0].text, "Do you want to signup for Cindermoor(c) BuddyList?");
  EXPECT_EQ(w.dialogs.questions[0].title, "Notice!");
  EXPECT_TRUE(w.dialogs.yesWasDefault[0]);
  EXPECT_TRUE(w.web.urls.empty());
  EXPECT_FALSE(form.PictureVisible(MainControl::InstallButton));
  EXPECT_TRUE(form.PictureVisible(MainControl::UninstallButton));
}

TEST_F(MainFormTest, InstallAnsweredYesOpensTheRegistrationPage) {
  w.dialogs.answers = {true};
  form.OnInstallClicked();
  ASSERT_EQ(w.web.urls.size(), 1u);
  EXPECT_EQ(w.web.urls[0], "http://www.cindermoor.example/index.php?t=register");
}

// A check box of a flag setting stores "1" or "0" when it changes, and a stored value shown
// stores nothing. The launch box's setting stands in for a row of the window's layout.
TEST(MainFormSettingBoxTest, ABoxStoresItsFlagOnlyWhenItChanges) {
  const main_layout::SettingBox boxes[] = {{setting::kLaunchVoiceClient, "main.caption", {}}};
  FormsWorld w{boxes};
  w.form.ShowStoredSettingBox(0, true);
  w.form.SetSettingBox(0, true);
  EXPECT_TRUE(w.view.settingBoxes[0]);
  EXPECT_FALSE(w.Stored(setting::kLaunchVoiceClient));
  for (const bool ticked : {false, true}) {
    w.form.SetSettingBox(0, ticked);
    EXPECT_EQ(w.form.SettingBoxTicked(0), ticked);
    EXPECT_EQ(w.view.settingBoxes[0], ticked);
    EXPECT_EQ(w.settings.Read(setting::kLaunchVoiceClient), ticked ? "1" : "0");
  }
}

TEST_F(MainFormTest, InstallResetsTheStoredModeButNotTheScreen) {
  form.SelectOwnServer();
  form.OnInstallClicked();
  EXPECT_EQ(w.settings.Read(setting::kUseTWRW), "1");
  EXPECT_TRUE(form.OwnServerSelected());
  EXPECT_TRUE(form.Enabled(EntryBox::Server));
}

TEST_F(MainFormTest, InstallRefusedEverywhereSaysSoAndKeepsInstallOffered) {
  w.registry.SetRefusesWrites(RegRoot::LocalMachine, true);
  w.registry.SetRefusesWrites(RegRoot::CurrentUser, true);
  form.SetPictureVisible(MainControl::UninstallButton, false);
  form.OnInstallClicked();
  ASSERT_EQ(w.dialogs.messages.size(), 1u);
  EXPECT_NE(w.dialogs.messages[0].text.find("could not be registered"), std::string::npos);
  EXPECT_TRUE(w.dialogs.questions.empty());
  EXPECT_FALSE(w.Stored(setting::kInstalled));
  EXPECT_TRUE(form.PictureVisible(MainControl::InstallButton));
  EXPECT_FALSE(form.PictureVisible(MainControl::UninstallButton));
}

// Under Wine the class is written and Installed is set even when the Linux desktop could not
// be set up: Un-Install is offered and the one message says what is missing.
TEST_F(MainFormTest, InstallWithoutTheLinuxDesktopSaysSoAndSwaps) {
  w.unixDesktop.underWine = true;  // and Wine tells nothing of its Linux side
  form.OnInstallClicked();
  ASSERT_EQ(w.dialogs.messages.size(), 1u);
  EXPECT_NE(w.dialogs.messages[0].text.find("Linux desktop"), std::string::npos);
  EXPECT_EQ(w.settings.Read(setting::kInstalled), "1");
  EXPECT_TRUE(form.PictureVisible(MainControl::UninstallButton));

  form.OnUninstallClicked();
  EXPECT_EQ(w.dialogs.messages.size(), 2u);
  EXPECT_TRUE(form.PictureVisible(MainControl::InstallButton));
}

TEST_F(MainFormTest, UninstallThenInstallSwapsBackAndForth) {
  form.OnInstallClicked();
  form.OnUninstallClicked();
  EXPECT_TRUE(form.PictureVisible(MainControl::InstallButton));
  EXPECT_FALSE(form.PictureVisible(MainControl::UninstallButton));
  EXPECT_FALSE(w.Stored(setting::kInstalled));
  EXPECT_FALSE(w.registry.KeyExists(RegRoot::LocalMachine, "Software\\CLASSES\\tribes"));
  EXPECT_EQ(w.dialogs.questions.size(), 1u);  // Un-Install asks nothing
  form.OnInstallClicked();
  EXPECT_FALSE(form.PictureVisible(MainControl::InstallButton));
  EXPECT_TRUE(form.PictureVisible(MainControl::UninstallButton));
}

// A standard user pressing Un-Install on an administrator's machine-wide class.
TEST_F(MainFormTest, UninstallRefusedSaysSoAndKeepsUninstallOffered) {
  form.OnInstallClicked();
  w.registry.SetRefusesWrites(RegRoot::LocalMachine, true);
  form.OnUninstallClicked();
  ASSERT_EQ(w.dialogs.messages.size(), 1u);
  EXPECT_NE(w.dialogs.messages[0].text.find("could not be removed"), std::string::npos);
  EXPECT_EQ(w.settings.Read(setting::kInstalled), "1");
  EXPECT_FALSE(form.PictureVisible(MainControl::InstallButton));
  EXPECT_TRUE(form.PictureVisible(MainControl::UninstallButton));
}

TEST_F(MainFormTest, OkReregistersAndEndsTheProgram) {
  ASSERT_TRUE(w.protocol.InstallProtocol().Succeeded());
  w.settings.Write(setting::kTribesPath, "D:\\Tribes");
  form.Show();
  form.OnOkClicked();
  EXPECT_EQ(w.registry.GetRegString(RegRoot::LocalMachine, "Software\\CLASSES\\tribes\\DefaultIcon",
                                    "", ""),
            "D:\\Tribes\\tribes.exe,0");
  EXPECT_EQ(w.registry.GetRegString(RegRoot::LocalMachine, fakes::kCommandKey, "", ""),
            "C:\\Games\\Cindermoor\\launcher.exe %1");
  EXPECT_EQ(w.program.ends, 1);
  EXPECT_FALSE(w.view.shown);
}

TEST_F(MainFormTest, LogoOpensTheHomePageChangeTheLocatorAndServersTheServersWindow) {
  form.OnLogoClicked();
  ASSERT_EQ(w.web.urls.size(), 1u);
  EXPECT_EQ(w.web.urls[0], "http://www.cindermoor.example/");

  form.Show();
  form.OnChangeFolderClicked();
  EXPECT_FALSE(form.IsVisible());
  EXPECT_EQ(w.locatorShows, 1);

  form.Show();
  form.OnServersClicked();
  EXPECT_TRUE(form.IsVisible());
  EXPECT_EQ(w.serversShows, 1);
}

}  // namespace
}  // namespace cindermoor
