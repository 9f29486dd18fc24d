#include <gtest/gtest.h>

#include <algorithm>

#include "answer_bytes.h"
#include "servers/server_status.h"
#include "servers/server_text.h"

namespace cindermoor {
namespace {

TEST(StatusAnswer, ReadsEveryField) {
  const auto status = ParseStatusAnswer(TwoPlayerAnswer());
  ASSERT_TRUE(status);
  EXPECT_EQ(status->gameName, "Tribes");
  EXPECT_EQ(status->version, "1.11");
  EXPECT_EQ(status->name, "Alpha");
  EXPECT_TRUE(status->dedicated);
  EXPECT_TRUE(status->needsPassword);
  EXPECT_EQ(status->players, 2);
  EXPECT_EQ(status->maxPlayers, 32);
  EXPECT_EQ(status->cpuSpeed, 1000);
  EXPECT_EQ(status->mod, "base");
  EXPECT_EQ(status->gameType, "CTF");
  EXPECT_EQ(status->map, "Raindance");
  EXPECT_EQ(status->description, "Good game");
  EXPECT_EQ(status->teams, (std::vector<TeamStatus>{{"Blood Eagle", 12}, {"Diamond Sword", -4}}));
  EXPECT_EQ(status->playerList,
            (std::vector<PlayerStatus>{{"Kim", "Blood Eagle", 7, 120, 1}, {"Lee", "", -3, 60, 0}}));
}

TEST(StatusAnswer, ReadsOneTeamAndNoPlayers) {
  const Bytes answer = Bytes{0x63, 0x2A, 0x2A, 0x62} + Str("Tribes") + Str("1.11") + Str("B") +
                       Bytes{0, 0, 0, 8, 0, 0} + Str("") + Str("DM") + Str("M") + Str("") +
                       Bytes{1} + Str("") + Str("") + Str("All") + Bytes{5};
  const auto status = ParseStatusAnswer(answer);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->teams, (std::vector<TeamStatus>{{"All", 5}}));
  EXPECT_TRUE(status->playerList.empty());
}

TEST(StatusAnswer, RefusesEveryKindOfBadAnswer) {
  const Bytes good = TwoPlayerAnswer();
  Bytes garbled = good;
  garbled[0] = 'x';
  Bytes lengthPastEnd = good;
  lengthPastEnd[4] = 200;  // the game name's length
  Bytes errorTeams = StatusAnswer({}, 0);
  const std::string description = "Good game";  // the team count follows it
  *(std::search(errorTeams.begin(), errorTeams.end(), description.begin(), description.end()) +
    description.size()) = 255;
  ASSERT_TRUE(ParseStatusAnswer(StatusAnswer({}, 0)));
  const struct {
    const char* what;
    Bytes answer;
  } cases[] = {
      {"empty", {}},
      {"the start only", Bytes{0x63, 0x2A, 0x2A, 0x62}},
      {"the short answer", Bytes{0x61, 0x2A, 0x2A, 0x62} + Bytes(good.begin() + 4, good.end())},
      {"garbled start", garbled},
      {"cut inside a string", Bytes(good.begin(), good.begin() + 30)},
      {"cut inside a player", Bytes(good.begin(), good.end() - 3)},
      {"a length past the end", lengthPastEnd},
      {"255 players claimed", StatusAnswer({{30, 1, 0, "Kim", 7}}, 255)},
      {"more players claimed than listed", StatusAnswer({{30, 1, 0, "Kim", 7}}, 2)},
      {"more listed than claimed", StatusAnswer({{30, 1, 0, "Kim", 7}, {1, 1, 1, "X", 1}}, 1)},
      {"a team that is not there", StatusAnswer({{30, 1, 7, "Kim", 7}}, 1)},
      {"the server's error", errorTeams},
      {"over-long", good + Bytes(8200, 0)},
  };
  for (const auto& c : cases) EXPECT_FALSE(ParseStatusAnswer(c.answer)) << c.what;
}

TEST(ServerText, ShowsWindows1252AsPlainText) {
  const struct {
    std::string bytes, shown;
  } cases[] = {
      {"Plain [Tag] <b>x</b>", "Plain [Tag] <b>x</b>"},
      {"\xE9t\xE9 \x80 \x99", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xE2\x84\xA2"},
      {std::string("a\0b\tc\r\nd\x7F"
                   "e\x1B",
                   11),
       "abcde"},
      {"un\x81\x8D\x8F\x90\x9Dset", "unset"},
      {"soft\xADhyphen", "softhyphen"},
      // A right-to-left mark sent as UTF-8 is three Windows-1252 characters, shown as such.
      {"\xE2\x80\x8F", "\xC3\xA2\xE2\x82\xAC"},
  };
  for (const auto& c : cases) EXPECT_EQ(ServerText(c.bytes), c.shown) << c.shown;
}

}  // namespace
}  // namespace cindermoor
