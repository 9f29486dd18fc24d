// Every voice client through the one shape: whether it is found, what the window says of it,
// what a served community link starts, what the quit click does, and that the log shows no
// password of what it starts.
#include "voice/voice_clients.h"

#include <gtest/gtest.h>

#include "host/voice/voice_desk.h"

namespace cindermoor {
namespace {

TEST(VoiceClientsTest, EachClientThroughTheOneShape) {
  const struct {
    const char* stored;
    bool foundByAppPaths;  // Roger Wilco's installer entry
    const char* scheme;    // the links whose opener finds it; "" for none
    VoiceTexts texts;
    std::vector<std::string> linkStarts;
    std::vector<std::string> quitStarts;
  } cases[] = {
      {"RogerWilco",
       true,
       "",
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
       "mumble",
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
      {"TeamSpeak",
       false,
       "ts3server",
       {"TeamSpeak", 1215, "TeamSpeak Settings", "Launch TeamSpeak on game connection?",
        "Use Cindermoor TeamSpeak server.", "Use your own TeamSpeak server.",
        "To use the TeamSpeak features of Cindermoor Launcher, you must have installed TeamSpeak.  "
        "Download it at https://teamspeak.com/en/downloads/ or, on Linux, install your "
        "distribution's or Flathub's TeamSpeak package.",
        "TeamSpeak is not installed.",
        "Your nickname in TeamSpeak. Left empty, TeamSpeak uses the one set in it.", ""},
       {"ts3server://teamspeak.cindermoor.example?port=9987&nickname=Ann&channel=1000128001"},
       {}},
  };
  const GameLink link{"10.0.0.1:28001", std::nullopt, std::nullopt};
  const std::string password = "s3cr:e@t&x=1 2";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    VoiceDesk nothing, appPaths, otherScheme, ownScheme, desk;
    for (VoiceDesk* withRogerWilco : {&appPaths, &desk}) withRogerWilco->InstallRogerWilco();
    for (VoiceDesk* d : {&nothing, &appPaths}) d->urls.schemes.clear();
    otherScheme.urls.schemes = {"x"};
    ownScheme.urls.schemes = {c.scheme};
    EXPECT_FALSE(nothing.Client(c.stored).Installed());
    EXPECT_FALSE(otherScheme.Client(c.stored).Installed());
    EXPECT_EQ(appPaths.Client(c.stored).Installed(), c.foundByAppPaths);
    EXPECT_EQ(ownScheme.Client(c.stored).Installed(), *c.scheme != '\0');

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
    EXPECT_EQ(texts.optionWidth, c.texts.optionWidth);

    std::optional<std::string> start;
    ASSERT_TRUE(client.PlanStart(link, {VoiceMode::Community, {}, "Ann"}, start).Succeeded());
    ASSERT_TRUE(start);
    EXPECT_TRUE(client.Start(*start).Succeeded());
    EXPECT_EQ(desk.Started(), c.linkStarts);
    client.Quit();
    EXPECT_EQ(desk.Started(), c.quitStarts);

    // The own server's password, in whatever shape the client starts it with, is never logged
    // nor shown, though the log was not told the value.
    ASSERT_TRUE(client.PlanStart(link, {VoiceMode::OwnServer, {"h", "c", password}, "Ann"}, start)
                    .Succeeded());
    ASSERT_TRUE(client.Start(*start).Succeeded());
    desk.log.Write("Started: " + *start + " and more");
    desk.log.Flush();
    EXPECT_EQ(desk.logFile.current.find("s3cr"), std::string::npos) << desk.logFile.current;
    EXPECT_NE(desk.logFile.current.find(std::string(kMasked)), std::string::npos);
    for (const std::string& shown : desk.urls.shown) {
      EXPECT_EQ(shown.find("s3cr"), std::string::npos) << shown;
    }
  }
}

}  // namespace
}  // namespace cindermoor
