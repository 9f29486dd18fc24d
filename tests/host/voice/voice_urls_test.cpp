// The URLs of the clients that join by URL, from the boxes as the main window holds them:
// each part encoded for its place, a bad Server box or a URL too long refused.
#include <gtest/gtest.h>

#include <utility>

#include "host/voice/voice_desk.h"
#include "voice/url_parts.h"

namespace cindermoor {
namespace {

struct UrlCase {
  const char* client;
  const char* server;
  const char* channel;
  const char* password;
  const char* name;
  const char* url;  // nullptr: the Server box is refused
};

std::string Planned(VoiceDesk& desk, const UrlCase& c, Outcome& planned) {
  std::optional<std::string> url;
  planned = desk.Client(c.client).PlanStart(
      {"10.0.0.1:28001", std::nullopt, std::nullopt},
      {VoiceMode::OwnServer, {c.server, c.channel, c.password}, c.name}, url);
  return url.value_or("");
}

TEST(VoiceUrlsTest, OwnServerBoxesBecomeOneUrlOrARefusal) {
  const UrlCase cases[] = {
      {"Mumble", "voice.example.org", "Lobby", "", "p1",
       "mumble://p1@voice.example.org/Lobby?version=1.2.0"},
      {"Mumble", " 127.0.0.1:64739\t", "Lobby", "", "p1",
       "mumble://p1@127.0.0.1:64739/Lobby?version=1.2.0"},
      {"Mumble", "localhost:1", "", "", "p1", "mumble://p1@localhost:1/?version=1.2.0"},
      {"Mumble", "[::1]:65535", "A", "", "p", "mumble://p@[::1]:65535/A?version=1.2.0"},
      {"Mumble", "[2001:DB8::ffff:10.0.0.1]", "A", "", "p",
       "mumble://p@[2001:DB8::ffff:10.0.0.1]/A?version=1.2.0"},
      {"Mumble", "[1:2:3:4:5:6:7:8]", "A", "", "p", "mumble://p@[1:2:3:4:5:6:7:8]/A?version=1.2.0"},
      {"Mumble", "h", "Games/Tribes/Team 1", "", "p",
       "mumble://p@h/Games/Tribes/Team%201?version=1.2.0"},
      {"Mumble", "h", "/Games//Tribes/", "", "p", "mumble://p@h/Games/Tribes?version=1.2.0"},
      {"Mumble", "h", "Kan\xC3\xA4le/a?b#c&d=e%", "", "p",
       "mumble://p@h/Kan%C3%A4le/a%3Fb%23c%26d%3De%25?version=1.2.0"},
      {"Mumble", "h", "x", "a:b@c/d e", "tom@home:x/y",
       "mumble://tom%40home%3Ax%2Fy:a%3Ab%40c%2Fd%20e@h/x?version=1.2.0"},
      {"Mumble", "h", "x", "", "Zo\xC3\xAB_-.~", "mumble://Zo%C3%AB_-.~@h/x?version=1.2.0"},
      {"Mumble", "h", "x", "secret", "", "mumble://h/x?version=1.2.0"},
      {"Mumble", "a-b.c0m", "x", "", "", "mumble://a-b.c0m/x?version=1.2.0"},
      {"TeamSpeak", "ts.example.org", "Lobby", "", "p1",
       "ts3server://ts.example.org?port=9987&nickname=p1&channel=Lobby"},
      {"TeamSpeak", " 127.0.0.1:9988 ", "", "", "", "ts3server://127.0.0.1?port=9988"},
      {"TeamSpeak", "[2001:db8::1]", "", "pw", "",
       "ts3server://[2001:db8::1]?port=9987&password=pw"},
      {"TeamSpeak", "[::1]:1", "A", "", "", "ts3server://[::1]?port=1&channel=A"},
      {"TeamSpeak", "h", "/Clan//Team 1/", "", "", "ts3server://h?port=9987&channel=Clan/Team%201"},
      {"TeamSpeak", "h", "Kan\xC3\xA4le/a?b#c", "+%", "Zo\xC3\xAB_-.~",
       "ts3server://h?port=9987&nickname=Zo%C3%AB_-.~&password=%2B%25"
       "&channel=Kan%C3%A4le/a%3Fb%23c"},
      // A value holding another parameter stays inside its own.
      {"TeamSpeak", "h", "x&password=y", "a&channel=b", "n&password=z",
       "ts3server://h?port=9987&nickname=n%26password%3Dz&password=a%26channel%3Db"
       "&channel=x%26password%3Dy"},
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
  const std::string longLabel = std::string(64, 'a') + ".org";
  for (const char* client : {"Mumble", "TeamSpeak"}) {
    for (const char* box : refused) all.push_back({client, box, "x", "", "p", nullptr});
    all.push_back({client, longLabel.c_str(), "x", "", "p", nullptr});
  }

  VoiceDesk desk;
  for (const UrlCase& c : all) {
    SCOPED_TRACE(std::string(c.client) + ", Server box: \"" + c.server + "\"");
    Outcome planned = Outcome::Success();
    const std::string url = Planned(desk, c, planned);
    if (!c.url) {
      ASSERT_FALSE(planned.Succeeded());
      EXPECT_NE(planned.Reason().find("1 to 65535"), std::string::npos) << planned.Reason();
      continue;
    }
    ASSERT_TRUE(planned.Succeeded()) << planned.Reason();
    EXPECT_EQ(url, c.url);
  }
}

TEST(VoiceUrlsTest, CommunityJoinsTheGameServersChannelOnTheCommunityServer) {
  const std::pair<const char*, const char*> cases[] = {
      {"Mumble", "mumble://p%201@mumble.cindermoor.example:64738/100128001?version=1.2.0"},
      {"TeamSpeak",
       "ts3server://teamspeak.cindermoor.example?port=9987&nickname=p%201&channel=100128001"},
  };
  VoiceDesk desk;
  for (const auto& [client, expected] : cases) {
    std::optional<std::string> url;
    ASSERT_TRUE(desk.Client(client)
                    .PlanStart({"10.0.1.28:001", std::nullopt, std::nullopt},
                               {VoiceMode::Community, {"ignored", "x", "pw"}, "p 1"}, url)
                    .Succeeded());
    EXPECT_EQ(url, expected);
    ASSERT_TRUE(desk.Client(client)
                    .PlanStart({"h:1", {}, {}}, {VoiceMode::None, {}, "p"}, url)
                    .Succeeded());
  }
}

TEST(VoiceUrlsTest, ARefusalQuotesTheBoxOrSaysItIsEmpty) {
  VoiceServer server;
  EXPECT_NE(ParseServerBox("h:99999", server).Reason().find("\"h:99999\""), std::string::npos);
  EXPECT_NE(ParseServerBox(" ", server).Reason().find("is empty"), std::string::npos);
}

// What a message shows of each URL: only the password goes, a host's colons and a channel's
// "@" stay. A URL the opener would not carry whole refuses the link.
TEST(VoiceUrlsTest, MessagesShowNoPasswordAndNoCutLink) {
  const std::pair<const char*, const char*> shown[] = {
      {"mumble://t:p%3Aw@[::1]:2/a?version=1.2.0", "mumble://t:****@[::1]:2/a?version=1.2.0"},
      {"mumble://t@[::1]:2/a%40b:c?version=1.2.0", nullptr},
      {"ts3server://[::1]?port=2&nickname=a%3Ab&password=p%26q&channel=c",
       "ts3server://[::1]?port=2&nickname=a%3Ab&password=****&channel=c"},
      {"ts3server://h?port=2&password=p", "ts3server://h?port=2&password=****"},
      {"ts3server://h?port=2&channel=oldpassword=x", nullptr},
  };
  VoiceDesk desk;
  for (const auto& [url, masked] : shown) {
    SCOPED_TRACE(url);
    EXPECT_TRUE(desk.Client(url[0] == 'm' ? "Mumble" : "TeamSpeak").Start(url).Succeeded());
    EXPECT_EQ(desk.urls.shown.back(), masked ? masked : url);
  }
  desk.urls.uncarried = "too long";
  Outcome planned = Outcome::Success();
  Planned(desk, {"TeamSpeak", "h", "c", "", "", ""}, planned);
  EXPECT_EQ(planned.Reason(), "too long");
  EXPECT_TRUE(CheckCommandLineCarries(32766, "TeamSpeak").Succeeded());
  EXPECT_NE(
      CheckCommandLineCarries(32767, "TeamSpeak").Reason().find("The TeamSpeak link is too long"),
      std::string::npos);
}

}  // namespace
}  // namespace cindermoor
