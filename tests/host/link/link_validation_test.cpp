#include <gtest/gtest.h>

#include <string>

#include "host/link/accepted_links.h"
#include "link/game_link.h"

namespace cindermoor {
namespace {

struct RefusedLink {
  std::string link;
  const char* reasonPart;  // a piece of the reason, naming the rule that refused it
};

TEST(LinkValidationTest, RefusesHostileLinks) {
  const RefusedLink cases[] = {
      {"tribes://h:1", "no \"/\""},
      // Only tribes:// links, spelled in any letter case; a quote anywhere means the link was
      // re-escaped on its way (Wine hands one on as "tribes://h:1/x\"y z") and is not served.
      {"", "does not begin with \"tribes://\""},
      {"http://h:1/", "does not begin with \"tribes://\""},
      {"tribes:/h:1/", "does not begin with \"tribes://\""},
      {"\x01\x02\x03\x04\x05\x06\x07\x08\x09h:1/", "does not begin with \"tribes://\""},
      {"\"tribes://h:1/x\\\"y z\"", "does not begin with \"tribes://\""},
      {"tribes://h:1/x\"y", "holds a quote"},
      {"tribes://h:1/ \"anything\" after the slash", "holds a quote"},
      {"tribes://h:1/p=x +exec evil.cs", "after \"p=\" may hold only"},
      {"tribes://h:1/p=+quit", "after \"p=\" may hold only"},
      {"tribes://h:1/pr=+quit", "after \"pr=\" may hold only"},
      // The console would run what follows ";" as a command of its own.
      {"tribes://h:1/p=a;quit", "other than quotes, \"+\" and \";\""},
      {"tribes://h:1/pr=;", "after \"pr=\" may hold only"},
      {"tribes://h:1/p=x/pr=a;quit", "after \"p=\" may hold only"},
      {"tribes://h:1/p=-x", "after \"p=\" must not start"},
      {"tribes://h:1/p=/x", "after \"p=\" must not start"},
      {"tribes://h:1/pr=-x", "after \"pr=\" must not start"},
      {"tribes://h:1/P=a\"b", "holds a quote"},
      {"tribes://h:1/p=a\tb", "after \"p=\" may hold only"},
      {"tribes://h:1/p=a\nb", "after \"p=\" may hold only"},
      {std::string("tribes://h:1/p=a\0b", 18), "after \"p=\" may hold only"},
      {"tribes://h:1/p=a\x7f", "after \"p=\" may hold only"},
      {"tribes://h:1/p=caf\xc3\xa9", "after \"p=\" may hold only"},
      // A blank between two options is part of the first value and is refused with it.
      {"tribes://h:1/p=x pr=y", "after \"p=\" may hold only"},
      {"tribes://-h:1/", "must not start with \"-\""},
      {"tribes://h :1/", "server address may hold only"},
      {"tribes://h\"x:1/", "holds a quote"},
      {"tribes://h+x:1/", "server address may hold only"},
      {"tribes://h\\x:1/", "server address may hold only"},
      {"tribes://h\xc3\xa9:1/", "server address may hold only"},
      {"tribes://" + std::string(2040, 'a') + "/", "longer than 2048"},
      {"tribes://h:1/p=" + std::string(2034, 'a'), "longer than 2048"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link.substr(0, 60));
    const LinkParse parsed = ParseGameLink(c.link);
    ASSERT_FALSE(parsed.link);
    EXPECT_NE(parsed.refusal.find(c.reasonPart), std::string::npos) << parsed.refusal;
  }
}

TEST(LinkValidationTest, AcceptsOrdinaryLinks) {
  for (const auto& accepted : testing::AcceptedLinks()) {
    EXPECT_TRUE(ParseGameLink(accepted.link).link) << accepted.link;
  }
  const std::string acceptedToo[] = {
      "tribes://h:1/p=" + std::string(2033, 'a'),    // exactly 2048 characters
      std::string("tribes://h:1/\x01\x02\x7f p=a"),  // controls outside any option value
      "tribes://h:1/ anything after the slash without tags",
      "Tribes://h:1/",
      "tribes://h-1.example:28001/p=~!@#$%^&*()_=[]{}'<>?,.\\|`",
      "tribes://h:1/; before the options/p=x",
      "tribes://:28001/",
  };
  for (const auto& link : acceptedToo) {
    EXPECT_TRUE(ParseGameLink(link).link) << link.substr(0, 60);
  }
}

TEST(LinkValidationTest, CountsCharactersNotBytes) {
  // 2 two-byte characters in a link of 2048 characters: 2050 bytes, still accepted.
  const std::string link = "tribes://h:1/\xc3\xa9\xc3\xa9" + std::string(2033, 'a');
  EXPECT_EQ(link.size(), 2050u);
  EXPECT_TRUE(ParseGameLink(link).link);
  EXPECT_FALSE(ParseGameLink(link + "a").link);
}

}  // namespace
}  // namespace cindermoor
