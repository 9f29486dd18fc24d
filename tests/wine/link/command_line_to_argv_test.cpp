// The accepted links' command lines, split by Windows itself: CommandLineToArgvW must
// give the same arguments as the C runtime rules the native tests check.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include "host/link/accepted_links.h"
#include "host/link/crt_argv_split.h"
#include "host/voice/roger_wilco_command.h"
#include "link/command_lines.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor {
namespace {

using testing::Argv;

// CommandLineToArgvW hands back one LocalAlloc block.
using UniqueArgv = win32::Unique<LPWSTR*, &::LocalFree>;

Argv SplitByWindows(const std::string& commandLine) {
  int count = 0;
  const UniqueArgv argv(CommandLineToArgvW(win32::Widen(commandLine).c_str(), &count));
  EXPECT_TRUE(argv) << win32::DescribeError("CommandLineToArgvW", GetLastError());
  Argv args;
  for (int i = 0; argv && i < count; ++i) args.push_back(win32::Narrow(argv.get()[i]));
  return args;
}

TEST(CommandLineToArgvTest, AcceptedLinksGiveTheIntendedArguments) {
  for (const auto& accepted : testing::AcceptedLinks()) {
    SCOPED_TRACE(accepted.link);
    const LinkParse parsed = ParseGameLink(accepted.link);
    ASSERT_TRUE(parsed.link) << parsed.refusal;
    EXPECT_EQ(SplitByWindows(GameCommand(BuildGameArgs(*parsed.link))), accepted.game);
    const std::string voice =
        testing::RogerWilcoCommand(*parsed.link, {VoiceMode::Community, {}, ""});
    EXPECT_EQ(SplitByWindows(voice), accepted.communityVoice);
  }
}

// The native tests and the fuzzer trust the portable splitter; it must agree with
// Windows on quotes and backslashes.
TEST(CommandLineToArgvTest, PortableSplitterAgreesWithWindows) {
  const char* lines[] = {
      "p \"a b c\" d e",
      "p \"ab\\\"c\" \"\\\\\" d",
      "p a\\\\\\b d\"e f\"g h",
      "p a\\\\\\\"b c d",
      "p a\\\\\\\\\"b c\" d e",
      "p \"\" x",
      "p +connect h:1 +password x\\",
      "p \t a\t\tb ",
      "\"C:\\Program Files\\t.exe\" x",
  };
  for (const char* line : lines) {
    EXPECT_EQ(testing::SplitLikeCrt(line), SplitByWindows(line)) << line;
  }
}

}  // namespace
}  // namespace cindermoor
