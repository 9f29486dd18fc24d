#include "external/mumble_url.h"

#include <gtest/gtest.h>

#include <utility>

namespace cindermoor {
namespace {

constexpr const char* kCommunity = "mumble.cindermoor.example:64738";

struct UrlCase {
  const char* server;
  const char* channel;
  const char* password;
  const char* name;
  const char* url;  // nullptr: the Server box is refused
};

// Every own-server case goes through the boxes as the main window holds them.
TEST(MumbleUrlTest, OwnServerBoxesBecomeOneUrlOrARefusal) {
  const UrlCase cases[] = {
      {"voice.example.org", "Lobby", "", "p1", "mumble://p1@voice.example.org/Lobby?version=1.2.0"},
      {" 127.0.0.1:64739\t", "Lobby", "", "p1", "mumble://p1@127.0.0.1:64739/Lobby?version=1.2.0"},
      {"localhost:1", "", "", "p1", "mumble://p1@localhost:1/?version=1.2.0"},
      {"[::1]:65535", "A", "", "p", "mumble://p@[::1]:65535/A?version=1.2.0"},
      {"[2001:DB8::ffff:10.0.0.1]", "A", "", "p",
       "mumble://p@[2001:DB8::ffff:10.0.0.1]/A?version=1.2.0"},
      {"[1:2:3:4:5:6:7:8]", "A", "", "p", "mumble://p@[1:2:3:4:5:6:7:8]/A?version=1.2.0"},
      {"h", "Games/Tribes/Team 1", "", "p", "mumble://p@h/Games/Tribes/Team%201?version=1.2.0"},
      {"h", "/Games//Tribes/", "", "p", "mumble://p@h/Games/Tribes?version=1.2.0"},
      {"h", "Kan\xC3\xA4le/a?b#c&d=e%", "", "p",
       "mumble://p@h/Kan%C3%A4le/a%3Fb%23c%26d%3De%25?version=1.2.0"},
      {"h", "x", "a:b@c/d e", "tom@home:x/y",
       "mumble://tom%40home%3Ax%2Fy:a%3Ab%40c%2Fd%20e@h/x?version=1.2.0"},
      {"h", "x", "", "Zo\xC3\xAB_-.~", "mumble://Zo%C3%AB_-.~@h/x?version=1.2.0"},
      {"h", "x", "secret", "", "mumble://h/x?version=1.2.0"},
      {"a-b.c0m", "x", "", "", "mumble://a-b.c0m/x?version=1.2.0"},
  };
  const char* refused[] = {"",
                           "  ",
                           "h:",
                           "h:0",
                           "h:65536",
                           "h:123456",
                           "h:+1",
                           "h:1x",
                           "h:port",
                           "h:1:2",
                           "a b",
                           "ex_ample.org",
                           "-a.org",
                           "a-.org",
                           "a..b",
                           ".a",
                           "a.",
                           "10.0.0.300",
                           "10.0.0",
                           "010.0.0.1",
                           "1.2.3.4.5",
                           "::1",
                           "[::1",
                           "[::1]x",
                           "[::1]:",
                           "[1:2:3:4:5:6:7:8:9]",
                           "[1:2:3:4:5:6:7:8::]",
                           "[1::2::3]",
                           "[fe80::1%eth0]",
                           "[host]",
                           "[12345::]",
                           "[]",
                           "u@h",
                           "h/x",
                           "h?x",
                           "h#x",
                           "b\xC3\xBC"
                           "cher.de"};
  std::vector<UrlCase> all(std::begin(cases), std::end(cases));
  for (const char* box : refused) all.push_back({box, "x", "", "p", nullptr});
  const std::string longLabel = std::string(64, 'a') + ".org";
  all.push_back({longLabel.c_str(), "x", "", "p", nullptr});

  for (const UrlCase& c : all) {
    SCOPED_TRACE(std::string("Server box: \"") + c.server + "\"");
    MumbleJoin join;
    const Outcome built = OwnServerMumbleJoin(c.server, c.channel, c.password, c.name, join);
    if (!c.url) {
      ASSERT_FALSE(built.Succeeded());
      EXPECT_NE(built.Reason().find("1 to 65535"), std::string::npos) << built.Reason();
      continue;
    }
    ASSERT_TRUE(built.Succeeded()) << built.Reason();
    EXPECT_EQ(MumbleUrl(join), c.url);
  }
}

TEST(MumbleUrlTest, CommunityJoinsTheGameServersChannelOnTheCommunityServer) {
  EXPECT_EQ(MumbleUrl(CommunityMumbleJoin("100128001", "p 1")),
            std::string("mumble://p%201@") + kCommunity + "/100128001?version=1.2.0");
  EXPECT_EQ(MumbleUrl(CommunityMumbleJoin("gameexamplecom28001", "")),
            std::string("mumble://") + kCommunity + "/gameexamplecom28001?version=1.2.0");
}

TEST(MumbleUrlTest, ARefusalQuotesTheBoxOrSaysItIsEmpty) {
  MumbleServer server;
  EXPECT_NE(ParseMumbleServer("h:99999", server).Reason().find("\"h:99999\""), std::string::npos);
  EXPECT_NE(ParseMumbleServer(" ", server).Reason().find("is empty"), std::string::npos);
}

// Only the password between the name's ":" and the "@" goes; a host's colons stay.
TEST(MumbleUrlTest, MessagesShowNoPasswordAndNoCutLink) {
  const std::pair<const char*, const char*> shown[] = {
      {"mumble://t:p%3Aw@[::1]:2/a?version=1.2.0", "mumble://t:****@[::1]:2/a?version=1.2.0"},
      {"mumble://t@[::1]:2/a%40b:c?version=1.2.0", nullptr},
      {"mumble://[::1]:2/a?x=b:c@d", nullptr},
  };
  for (const auto& [url, masked] : shown) EXPECT_EQ(UrlForMessages(url), masked ? masked : url);
  EXPECT_TRUE(CheckCommandLineCarries(32766).Succeeded());
  EXPECT_NE(CheckCommandLineCarries(32767).Reason().find("too long"), std::string::npos);
}

}  // namespace
}  // namespace cindermoor
