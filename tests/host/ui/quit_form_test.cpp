#include "ui/quit_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/forms_world.h"

namespace cindermoor {
namespace {

class RecordingQuitView : public QuitFormView {
 public:
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void Show() override { ++showings; }

  std::vector<std::string> captions;
  int showings = 0;
};

class RefusingStarter : public ProgramStarter {
 public:
  void Start(const ProgramStart&) override { throw FatalError("roger.exe cannot be started"); }
  bool FileExists(const std::string&) override { return false; }
};

constexpr const char* kShuttingDown = "Shutting down RogerWilco . . .";
constexpr const char* kThankYou = "Thank-you!";

struct QuitCase {
  const char* launchSetting;
  bool shutsDown;
  const char* voiceClient = "";
  const char* storedByAnotherRun = nullptr;  // RogerWilcoLaunch, once this run has read it
};

class QuitClickTest : public testing::TestWithParam<QuitCase> {
 protected:
  QuitClickTest() { world.InstallVoiceClient("C:\\RogerWilco"); }

  fakes::FormsWorld world;
  RecordingQuitView view;
  QuitForm form{world.settings, world.voiceClients, world.program, view, world.log};
};

TEST_P(QuitClickTest, ShutsTheVoiceClientDownOnlyForOneThenEnds) {
  world.settings.Write(setting::kLaunchVoiceClient, GetParam().launchSetting);
  world.settings.Write(setting::kVoiceClient, GetParam().voiceClient);
  if (const char* other = GetParam().storedByAnotherRun) {
    world.store.WriteSetting(LauncherSettings::kApplication, LauncherSettings::kSection,
                             setting::kLaunchVoiceClient, other);
  }

  form.OnQuitClicked();

  if (GetParam().shutsDown) {
    ASSERT_EQ(world.starter.starts.size(), 1u);
    EXPECT_EQ(world.starter.starts[0].commandLine, "roger.exe /shutdown");
    EXPECT_EQ(world.starter.starts[0].folder, "C:\\RogerWilco");
    EXPECT_EQ(world.starter.starts[0].show, ShowCommand::Normal);
    EXPECT_EQ(view.captions, (std::vector<std::string>{kShuttingDown, kThankYou}));
  } else {
    EXPECT_TRUE(world.starter.starts.empty());
    EXPECT_EQ(view.captions, std::vector<std::string>{kThankYou});
  }
  EXPECT_EQ(form.Caption(), kThankYou);
  EXPECT_EQ(world.program.ends, 1);
}

INSTANTIATE_TEST_SUITE_P(
    RogerWilcoLaunch, QuitClickTest,
    testing::Values(QuitCase{"1", true}, QuitCase{"1.0", true}, QuitCase{"0", false},
                    QuitCase{"", false}, QuitCase{"2", false}, QuitCase{"abc", false},
                    QuitCase{"1abc", false}, QuitCase{"0.5", false}, QuitCase{"0.6", true},
                    QuitCase{"1", true, "", "0"}, QuitCase{"0", false, "", "1"},
                    QuitCase{"1", true, "RogerWilco"}, QuitCase{"1", false, "Mumble"},
                    QuitCase{"1", false, "TeamSpeak"}));

TEST(QuitFormTest, StartsWithItsTextLineAndShowsThroughItsFace) {
  fakes::FormsWorld world;
  RecordingQuitView view;
  QuitForm form(world.settings, world.voiceClients, world.program, view, world.log);

  form.Show();

  EXPECT_EQ(form.Caption(), "Click here to quit.");
  EXPECT_EQ(view.showings, 1);
  EXPECT_EQ(world.program.ends, 0);
}

// Another run may have ticked the box after this one started.
TEST(QuitFormTest, ReadsTheSettingAtTheClick) {
  fakes::FormsWorld world;
  world.InstallVoiceClient("C:\\RogerWilco");
  world.settings.Write(setting::kLaunchVoiceClient, "0");
  RecordingQuitView view;
  QuitForm form(world.settings, world.voiceClients, world.program, view, world.log);
  form.Show();

  world.settings.Write(setting::kLaunchVoiceClient, "1");
  form.OnQuitClicked();

  EXPECT_EQ(world.starter.starts.size(), 1u);
}

// The caller reports the failure and ends the run; the thanks are not shown.
TEST(QuitFormTest, AFailedShutdownStartPropagatesWithoutThanks) {
  fakes::FormsWorld world;
  world.InstallVoiceClient("C:\\RogerWilco");
  world.settings.Write(setting::kLaunchVoiceClient, "1");
  RefusingStarter starter;
  OutsidePrograms programs(world.registry, world.settings, starter, world.web);
  VoiceClients voiceClients({programs, world.urls, world.log});
  RecordingQuitView view;
  QuitForm form(world.settings, voiceClients, world.program, view, world.log);

  EXPECT_THROW(form.OnQuitClicked(), FatalError);

  EXPECT_EQ(view.captions, std::vector<std::string>{kShuttingDown});
  EXPECT_EQ(world.program.ends, 0);
}

}  // namespace
}  // namespace cindermoor
