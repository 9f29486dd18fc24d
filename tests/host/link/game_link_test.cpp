#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "link/command_lines.h"

namespace cindermoor {
namespace {

// The link's parts, and the game's argument tail built from them.
struct ParsedParts {
  const char* link;
  const char* address;
  std::optional<std::string> password;
  std::optional<std::string> recordPassword;
  const char* gameArgs;
};

TEST(GameLinkTest, PartsAndGameArgs) {
  using std::nullopt;
  const ParsedParts cases[] = {
      {"tribes://10.0.0.1:28001/", "10.0.0.1:28001", nullopt, nullopt, " +connect 10.0.0.1:28001"},
      {"tribes://10.0.0.1:28001/p=pw", "10.0.0.1:28001", "pw", nullopt,
       " +connect 10.0.0.1:28001 +password pw"},
      {"tribes://10.0.0.1:28001/pr=pw", "10.0.0.1:28001", nullopt, "pw",
       " +connect 10.0.0.1:28001 +password pw +record"},
      // Each value runs to the end of the link, so the first holds the second.
      {"tribes://10.0.0.1:28001/p=a&pr=b", "10.0.0.1:28001", "a&pr=b", "b",
       " +connect 10.0.0.1:28001 +password a&pr=b +password b +record"},
      {"tribes://h:1/pr=a&p=b", "h:1", "b", "a&p=b",
       " +connect h:1 +password b +password a&p=b +record"},
      {"tribes://10.0.0.1:28001/P=pw", "10.0.0.1:28001", "pw", nullopt,
       " +connect 10.0.0.1:28001 +password pw"},
      {"TRIBES://10.0.0.1:28001/Pr=pw", "10.0.0.1:28001", nullopt, "pw",
       " +connect 10.0.0.1:28001 +password pw +record"},
      {"tribes://10.0.0.1:28001/p=", "10.0.0.1:28001", "", nullopt,
       " +connect 10.0.0.1:28001 +password "},
      {"tribes://10.0.0.1:28001/p=pw/", "10.0.0.1:28001", "pw/", nullopt,
       " +connect 10.0.0.1:28001 +password pw/"},
      {"tribes://h:1/xp=a", "h:1", "a", nullopt, " +connect h:1 +password a"},
      {"tribes:///", "", nullopt, nullopt, " +connect "},
      {"tribes:///p=x", "", "x", nullopt, " +connect  +password x"},
      {"tribes://game.host.example:28001/", "game.host.example:28001", nullopt, nullopt,
       " +connect game.host.example:28001"},
      // The address ends at the first slash; later slashes belong to the options part.
      {"tribes://h:1/a/p=x", "h:1", "x", nullopt, " +connect h:1 +password x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    const LinkParse parsed = ParseGameLink(c.link);
    ASSERT_TRUE(parsed.link) << parsed.refusal;
    EXPECT_EQ(parsed.link->serverAddress, c.address);
    EXPECT_EQ(parsed.link->password, c.password);
    EXPECT_EQ(parsed.link->recordPassword, c.recordPassword);
    EXPECT_EQ(BuildGameArgs(*parsed.link), c.gameArgs);
  }
}

TEST(GameLinkTest, MessagesShowNoPassword) {
  const std::pair<const char*, const char*> cases[] = {
      {"tribes://h:1/", "tribes://h:1/"},
      {"tribes://h:1/p=secret", "tribes://h:1/p=****"},
      {"TRIBES://h:1/PR=se cret\"x", "TRIBES://h:1/PR=****"},
      {"tribes://h:1p=no-slash", "tribes://h:1p=****"},
      {"http://h/pr=a&p=b", "http://h/pr=****"},
  };
  for (const auto& [link, shown] : cases) EXPECT_EQ(LinkForMessages(link), shown);
}

TEST(GameLinkTest, ChannelDigitsDropDotsAndColons) {
  EXPECT_EQ(ChannelDigitsOf("10.0.0.1:28001"), "1000128001");
  EXPECT_EQ(ChannelDigitsOf("game.host.example:28001"), "gamehostexample28001");
  EXPECT_EQ(ChannelDigitsOf(""), "");
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

TEST(GameLinkTest, TheGamesCommandPutsTheProgramNameFirst) {
  EXPECT_EQ(GameCommand(" +connect h:1"), "tribes.exe +connect h:1");
}

}  // namespace
}  // namespace cindermoor
