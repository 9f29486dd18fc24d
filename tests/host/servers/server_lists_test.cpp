#include "servers/server_lists.h"

#include <gtest/gtest.h>

namespace cindermoor {
namespace {

TEST(ServerAddress, ParsesWhatALinkMayCarry) {
  const struct {
    const char* text;
    std::optional<ServerAddress> address;
  } cases[] = {
      {"10.0.0.1:28005", ServerAddress{"10.0.0.1", 28005}},
      {"play.example.org", ServerAddress{"play.example.org", 28001}},
      {"host:65535", ServerAddress{"host", 65535}},
      {"", std::nullopt},
      {":28001", std::nullopt},
      {"host:", std::nullopt},
      {"host:0", std::nullopt},
      {"host:65536", std::nullopt},
      {"host:12x", std::nullopt},
      {"-host", std::nullopt},
      {"host name", std::nullopt},
      {"host/+exec", std::nullopt},
      {"h\"ost", std::nullopt},
      {"h\xC3\xA9st", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAddress(c.text, 28001), c.address) << c.text;
  EXPECT_EQ(AddressText({"10.0.0.1", 28005}), "10.0.0.1:28005");
}

TEST(ServerLists, ReadWhatCanBeReadAndWriteBack) {
  const auto list = ParseServerList("a:1  junk!! b\tc:2\r\na:1 -x d:99999 e", 30);
  EXPECT_EQ(list, (std::vector<ServerAddress>{{"a", 1}, {"b", 28001}, {"c", 2}, {"e", 28001}}));
  EXPECT_EQ(FormatServerList(list), "a:1 b:28001 c:2 e:28001");
  EXPECT_EQ(ParseServerList("a b c", 2).size(), 2u);
  // Only the start of an over-long value is read.
  EXPECT_EQ(ParseServerList("a:1 " + std::string(1'000'000, 'x') + " b:1", 30),
            (std::vector<ServerAddress>{{"a", 1}}));
  std::string many;
  for (int i = 1; i <= 5000; ++i) many += "h:" + std::to_string(i) + " ";
  EXPECT_EQ(ParseServerList(many, 100000).size(), kMaxStoredServers);
}

TEST(ServerLists, RecentPutsTheJoinedFirstAndKeepsThirty) {
  std::vector<ServerAddress> list;
  for (int i = 1; i <= 30; ++i) list = WithRecent(list, {"h", static_cast<std::uint16_t>(i)});
  EXPECT_EQ(list.size(), 30u);
  list = WithRecent(list, {"h", 10});
  EXPECT_EQ(list.front(), (ServerAddress{"h", 10}));
  EXPECT_EQ(list[1], (ServerAddress{"h", 30}));
  EXPECT_EQ(std::count(list.begin(), list.end(), ServerAddress{"h", 10}), 1);
  list = WithRecent(list, {"h", 31});
  EXPECT_EQ(list.size(), 30u);
  EXPECT_EQ(list.back(), (ServerAddress{"h", 2}));
}

TEST(ServerLists, MastersDefaultToTheCommunitys) {
  EXPECT_EQ(ParseMasters("m1 m2:27999"),
            (std::vector<ServerAddress>{{"m1", 28000}, {"m2", 27999}}));
  for (const char* unreadable : {"", "  ", "!!"}) {
    const auto masters = ParseMasters(unreadable);
    ASSERT_FALSE(masters.empty());
    EXPECT_EQ(masters.front(), (ServerAddress{"t1m1.pu.net", 28000}));
  }
}

}  // namespace
}  // namespace cindermoor
