// Every accepted link must reach the game as exactly the arguments we mean, however the C
// runtime splits the command line (Roger Wilco's: tests/host/voice/roger_wilco_test.cpp).
#include <gtest/gtest.h>

#include "host/link/accepted_links.h"
#include "host/link/crt_argv_split.h"
#include "link/command_lines.h"

namespace cindermoor {
namespace {

using testing::Argv;
using testing::SplitLikeCrt;

// Examples of the C runtime's rules, so the splitter itself is known to be right.
TEST(CommandLineSplitTest, SplitterFollowsTheRuntimeRules) {
  const std::pair<const char*, Argv> cases[] = {
      {"p \"a b c\" d e", {"p", "a b c", "d", "e"}},
      {"p \"ab\\\"c\" \"\\\\\" d", {"p", "ab\"c", "\\", "d"}},
      {"p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
      {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
      {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
      {"p \"\" x", {"p", "", "x"}},
      {"\"C:\\Program Files\\t.exe\" \t x  ", {"C:\\Program Files\\t.exe", "x"}},
      {"p\\\" x", {"p\\ x"}},  // the program name has no escapes
  };
  for (const auto& [line, argv] : cases) {
    EXPECT_EQ(SplitLikeCrt(line), argv) << line;
  }
}

TEST(CommandLineSplitTest, AcceptedLinksGiveTheIntendedArguments) {
  for (const auto& accepted : testing::AcceptedLinks()) {
    SCOPED_TRACE(accepted.link);
    const LinkParse parsed = ParseGameLink(accepted.link);
    ASSERT_TRUE(parsed.link) << parsed.refusal;
    EXPECT_EQ(SplitLikeCrt(GameCommand(BuildGameArgs(*parsed.link))), accepted.game);
  }
}

}  // namespace
}  // namespace cindermoor
