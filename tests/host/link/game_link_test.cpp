#include "link/game_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cindermoor {
namespace {

struct ParsedLink {
  const char* link;
  const char* address;
  const char* digits;
  const char* gameArgs;
};

TEST(GameLinkTest, AddressDigitsAndGameArgs) {
  const ParsedLink cases[] = {
      {"tribes://10.0.0.1:28001/", "10.0.0.1:28001", "1000128001", " +connect 10.0.0.1:28001"},
      {"tribes://10.0.0.1:28001/p=pw", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password pw"},
      {"tribes://10.0.0.1:28001/pr=pw", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password pw +record"},
      {"tribes://10.0.0.1:28001/p=a&pr=b", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password a&pr=b +password b +record"},
      {"tribes://10.0.0.1:28001/P=pw", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password pw"},
      {"tribes://10.0.0.1:28001/Pr=pw", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password pw +record"},
      {"tribes://10.0.0.1:28001/p=", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password "},
      {"tribes://10.0.0.1:28001/p=pw/", "10.0.0.1:28001", "1000128001",
       " +connect 10.0.0.1:28001 +password pw/"},
      {"tribes:///", "", "", " +connect "},
      {"tribes:///p=x", "", "", " +connect  +password x"},
      {"tribes://game.host.example:28001/", "game.host.example:28001", "gamehostexample28001",
       " +connect game.host.example:28001"},
      // The scheme is skipped unread and never searched for tags.
      {"xxxxp=://h:1/", "h:1", "h1", " +connect h:1"},
      // The address ends at the first slash; later slashes belong to the options part.
      {"tribes://h:1/a/p=x", "h:1", "h1", " +connect h:1 +password x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    EXPECT_EQ(ServerAddressOf(c.link), c.address);
    EXPECT_EQ(ChannelDigitsOf(ServerAddressOf(c.link)), c.digits);
    EXPECT_EQ(BuildGameArgs(c.link), c.gameArgs);
  }
}

TEST(GameLinkTest, LinksWithoutSlashStayHarmless) {
  for (const char* link : {"", "tribes:", "tribes://", "tribes://h:1", "tribes://h:1 p=x"}) {
    SCOPED_TRACE(link);
    EXPECT_EQ(SlashPositionOf(link), 0u);
    EXPECT_EQ(ServerAddressOf(link), "");
    EXPECT_EQ(BuildGameArgs(link), " +connect ");
  }
}

TEST(GameLinkTest, SlashPositionCountsFromTen) {
  EXPECT_EQ(SlashPositionOf("tribes:///"), 10u);
  EXPECT_EQ(SlashPositionOf("tribes://h/"), 11u);
  EXPECT_EQ(SlashPositionOf("a/b/c/d/efg/"), 12u);
}

struct OptionCase {
  const char* link;
  const char* tag;
  std::size_t from;
  std::optional<std::string> value;
};

TEST(GameLinkTest, OptionValueRunsToTheEnd) {
  const OptionCase cases[] = {
      {"tribes://h:1/p=abc", "p=", 13, "abc"},
      {"tribes://h:1/P=abc", "p=", 13, "abc"},
      {"tribes://h:1/PR=abc", "pr=", 13, "abc"},
      {"tribes://h:1/p=a pr=b", "p=", 13, "a pr=b"},
      {"tribes://h:1/p=a pr=b", "pr=", 13, "b"},
      {"tribes://h:1/xp=a", "p=", 13, "a"},
      {"tribes://h:1/p=", "p=", 13, ""},
      {"tribes://h:1/", "p=", 13, std::nullopt},
      {"tribes://h:1/pr=a", "p=", 13, std::nullopt},
      // A tag before `from` is not seen.
      {"p=tribes://h:1/", "p=", 3, std::nullopt},
      {"tribes://h:1/p=a", "p=", 99, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.link) + " " + c.tag);
    EXPECT_EQ(OptionValue(c.link, c.tag, c.from), c.value);
  }
}

struct VoiceCase {
  VoiceMode mode;
  const char* server;
  const char* channel;
  const char* password;
  const char* link;
  const char* voiceArgs;
};

TEST(GameLinkTest, VoiceArgsByMode) {
  const VoiceCase cases[] = {
      {VoiceMode::Community, "ignored", "ignored", "ignored", "tribes://10.0.0.1:28001/",
       " /join1 rw.cindermoor.example/1000128001 vortamb"},
      {VoiceMode::Community, "", "", "", "tribes:///", " /join1 rw.cindermoor.example/ vortamb"},
      {VoiceMode::OwnServer, "voice.example:3782", "lobby", "pw", "tribes://10.0.0.1:28001/",
       " /join1 voice.example:3782/lobby pw"},
      {VoiceMode::OwnServer, "", "", "", "tribes://10.0.0.1:28001/", " /join1 / "},
      {VoiceMode::None, "s", "c", "p", "tribes://10.0.0.1:28001/", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.voiceArgs);
    EXPECT_EQ(BuildVoiceArgs(c.mode, c.server, c.channel, c.password, c.link), c.voiceArgs);
  }
}

TEST(GameLinkTest, VoiceModeIsReadAsANumber) {
  const std::pair<const char*, VoiceMode> cases[] = {
      {"", VoiceMode::Community},    {"1", VoiceMode::Community},   {"01", VoiceMode::Community},
      {" 1 ", VoiceMode::Community}, {"1.0", VoiceMode::Community}, {"+1", VoiceMode::Community},
      {"0", VoiceMode::OwnServer},   {"00", VoiceMode::OwnServer},  {"0.0", VoiceMode::OwnServer},
      {"2", VoiceMode::None},        {"-1", VoiceMode::None},       {"0.5", VoiceMode::None},
      {"yes", VoiceMode::Community}, {"0x", VoiceMode::Community},  {"1 1", VoiceMode::Community},
      {"nan", VoiceMode::Community},
  };
  for (const auto& [text, mode] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseVoiceMode(text), mode);
  }
}

TEST(GameLinkTest, CommandsPutTheProgramNameFirst) {
  EXPECT_EQ(GameCommand(" +connect h:1"), "tribes.exe +connect h:1");
  EXPECT_EQ(VoiceCommand(""), "roger.exe");
  EXPECT_EQ(VoiceCommand(" /join1 / "), "roger.exe /join1 / ");
}

}  // namespace
}  // namespace cindermoor
