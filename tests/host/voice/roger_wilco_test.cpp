// Roger Wilco's command lines: what each voice mode starts, how the C runtime splits it for
// every accepted link, and where it is started from.
#include <gtest/gtest.h>

#include <tuple>

#include "host/link/accepted_links.h"
#include "host/link/crt_argv_split.h"
#include "host/voice/roger_wilco_command.h"

namespace cindermoor {
namespace {

using testing::Argv;
using testing::RogerWilcoCommand;
using testing::SplitLikeCrt;

TEST(RogerWilcoTest, CommandLineByVoiceMode) {
  const struct {
    VoiceMode mode;
    VoiceFields own;
    const char* address;
    const char* command;
  } cases[] = {
      {VoiceMode::Community,
       {"ignored", "ignored", "ignored"},
       "10.0.0.1:28001",
       "roger.exe /join1 rw.cindermoor.example/1000128001 vortamb"},
      {VoiceMode::Community, {}, "", "roger.exe /join1 rw.cindermoor.example/ vortamb"},
      {VoiceMode::OwnServer,
       {"voice.example:3782", "lobby", "pw"},
       "10.0.0.1:28001",
       "roger.exe /join1 voice.example:3782/lobby pw"},
      {VoiceMode::OwnServer, {}, "10.0.0.1:28001", "roger.exe /join1 / "},
      {VoiceMode::None, {"s", "c", "p"}, "10.0.0.1:28001", "roger.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(RogerWilcoCommand({c.address, std::nullopt, std::nullopt}, {c.mode, c.own, "n"}),
              c.command);
  }
}

TEST(RogerWilcoTest, AcceptedLinksGiveTheIntendedArguments) {
  for (const auto& accepted : testing::AcceptedLinks()) {
    SCOPED_TRACE(accepted.link);
    const LinkParse parsed = ParseGameLink(accepted.link);
    ASSERT_TRUE(parsed.link) << parsed.refusal;
    EXPECT_EQ(SplitLikeCrt(RogerWilcoCommand(*parsed.link, {VoiceMode::Community, {}, ""})),
              accepted.communityVoice);
  }
  EXPECT_EQ(SplitLikeCrt(RogerWilcoCommand(
                {"h:1", std::nullopt, std::nullopt},
                {VoiceMode::OwnServer, {"voice.example:3782", "lobby", "pw"}, ""})),
            (Argv{"roger.exe", "/join1", "voice.example:3782/lobby", "pw"}));
}

// Started by its full path from the folder its installer recorded, read afresh at each start;
// never by bare name.
TEST(RogerWilcoTest, StartsFromItsOwnFolder) {
  VoiceDesk desk;
  VoiceClient& rogerWilco = desk.Client("RogerWilco");
  rogerWilco.Quit();  // not installed: nothing to shut down
  EXPECT_TRUE(desk.starter.starts.empty());
  EXPECT_THROW((void)rogerWilco.Start(" /join1 a/b c"), FatalError);

  for (const auto& [folder, program] :
       {std::pair{"C:\\Program Files\\Roger Wilco", "C:\\Program Files\\Roger Wilco\\roger.exe"},
        {"E:\\", "E:\\roger.exe"}}) {
    SCOPED_TRACE(folder);
    desk.InstallRogerWilco(folder);
    ASSERT_TRUE(rogerWilco.Start("").Succeeded());
    rogerWilco.Quit();
    ASSERT_EQ(desk.starter.starts.size(), 2u);
    for (const auto& [started, commandLine, show] :
         {std::tuple{desk.starter.starts[0], "roger.exe", ShowCommand::Minimized},
          {desk.starter.starts[1], "roger.exe /shutdown", ShowCommand::Normal}}) {
      EXPECT_EQ(started.programPath, program);
      EXPECT_EQ(started.folder, folder);
      EXPECT_EQ(started.commandLine, commandLine);
      EXPECT_EQ(started.show, show);
    }
    desk.starter.starts.clear();
  }
}

}  // namespace
}  // namespace cindermoor
