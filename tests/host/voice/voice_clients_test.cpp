// Every voice client through the one shape: whether it is found, what the window says of it,
// what a served community link starts and what the quit click does.
#include "voice/voice_clients.h"

#include <gtest/gtest.h>

#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/recording_mumble_opener.h"
#include "doubles/recording_programs.h"
#include "external/outside_programs.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

struct Desk {
  MemoryRegistry registry;
  MemorySettingsStore store;
  LauncherSettings settings{store};
  RecordingStarter starter;
  RecordingWebOpener web;
  OutsidePrograms programs{registry, settings, starter, web};
  RecordingMumbleOpener mumble;
  VoiceClients clients{{programs, mumble}};

  void InstallRogerWilco() {
    registry.PutString(RegRoot::LocalMachine,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe", "Path",
                       "C:\\RogerWilco", RegView::Bit32);
  }
  VoiceClient& Client(const char* stored) { return clients.At(clients.Chosen(stored)); }

  // What the system was asked to start or open, in order, and forgotten.
  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const ProgramStart& start : starter.starts) started.push_back(start.commandLine);
    started.insert(started.end(), mumble.urls.begin(), mumble.urls.end());
    starter.starts.clear();
    mumble.urls.clear();
    return started;
  }
};

TEST(VoiceClientsTest, EachClientThroughTheOneShape) {
  const struct {
    const char* stored;
    bool foundByAppPaths;    // Roger Wilco's installer entry
    bool foundByLinkOpener;  // something opens mumble:// links
    VoiceTexts texts;
    std::vector<std::string> linkStarts;
    std::vector<std::string> quitStarts;
  } cases[] = {
      {"RogerWilco",
       true,
       false,
       {"Roger Wilco", 1335, "Roger Wilco Settings", "Launch RogerWilco on game connection?",
        "Use Cindermoor RW server.", "Use your own RogerWilco server.",
        "In order to use the Roger Wilco features of Cindermoor Launcher, you must have installed "
        "a working copy of RogerWilco.  You can download RogerWilco at "
        "http://rogerwilco.example/download or any of its various mirrors.",
        "Roger Wilco is not installed.", "", "Shutting down RogerWilco . . ."},
       {"roger.exe /join1 rw.cindermoor.example/1000128001 vortamb"},
       {"roger.exe /shutdown"}},
      {"Mumble",
       false,
       true,
       {"Mumble", 975, "Mumble Settings", "Launch Mumble on game connection?",
        "Use Cindermoor Mumble server.", "Use your own Mumble server.",
        "In order to use the Mumble features of Cindermoor Launcher, you must have installed "
        "Mumble.  You can download Mumble at https://www.mumble.info/ or, on Linux, install "
        "your distribution's mumble package.",
        "Mumble is not installed.",
        "Your name in Mumble. Left empty, Mumble asks for one and the password cannot go along.",
        ""},
       {"mumble://Ann@mumble.cindermoor.example:64738/1000128001?version=1.2.0"},
       {}},
  };
  const GameLink link{"10.0.0.1:28001", std::nullopt, std::nullopt};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Desk nothing, appPaths, linkOpener, desk;
    for (Desk* withRogerWilco : {&appPaths, &desk}) withRogerWilco->InstallRogerWilco();
    nothing.mumble.available = appPaths.mumble.available = false;
    EXPECT_FALSE(nothing.Client(c.stored).Installed());
    EXPECT_EQ(appPaths.Client(c.stored).Installed(), c.foundByAppPaths);
    EXPECT_EQ(linkOpener.Client(c.stored).Installed(), c.foundByLinkOpener);

    VoiceClient& client = desk.Client(c.stored);
    EXPECT_STREQ(client.StoredName(), c.stored);
    const VoiceTexts& texts = client.Texts();
    for (const auto& [shown, expected] : {std::pair{texts.option, c.texts.option},
                                          {texts.frameCaption, c.texts.frameCaption},
                                          {texts.launchQuestion, c.texts.launchQuestion},
                                          {texts.communityOption, c.texts.communityOption},
                                          {texts.ownServerOption, c.texts.ownServerOption},
                                          {texts.notice, c.texts.notice},
                                          {texts.missing, c.texts.missing},
                                          {texts.nameHint, c.texts.nameHint},
                                          {texts.shuttingDown, c.texts.shuttingDown}}) {
      EXPECT_EQ(shown, expected);
    }

    std::optional<std::string> start;
    ASSERT_TRUE(client.PlanStart(link, {VoiceMode::Community, {}, "Ann"}, start).Succeeded());
    ASSERT_TRUE(start);
    EXPECT_TRUE(client.Start(*start).Succeeded());
    EXPECT_EQ(desk.Started(), c.linkStarts);
    client.Quit();
    EXPECT_EQ(desk.Started(), c.quitStarts);
  }
}

}  // namespace
}  // namespace cindermoor
