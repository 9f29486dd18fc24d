#include "launcher/command_line.h"

#include <gtest/gtest.h>

namespace cindermoor {
namespace {

TEST(CommandLineTest, TheLinkIsEverythingAfterTheProgramNameAndItsBlanks) {
  const struct {
    const char* commandLine;
    const char* tail;
  } cases[] = {
      {"\"C:\\Program Files\\Cindermoor\\launcher.exe\" tribes://1.2.3.4:28001/",
       "tribes://1.2.3.4:28001/"},
      {"launcher.exe tribes://1.2.3.4:28001/", "tribes://1.2.3.4:28001/"},
      {"C:\\Launcher\\launcher.exe    tribes://h:1/", "tribes://h:1/"},
      {"launcher.exe\t \ttribes://h:1/", "tribes://h:1/"},
      {"\"C:\\a b\\launcher.exe\"\ttribes://h:1/", "tribes://h:1/"},
      {"launcher.exe", ""},
      {"\"C:\\a b\\launcher.exe\"", ""},
      {"launcher.exe   ", ""},
      {"", ""},
      {"launcher.exe tribes://h:1/ p=\"two  words\" \t end ",
       "tribes://h:1/ p=\"two  words\" \t end "},
      // One pair of quotes around the whole tail is taken off; any other quote stays.
      {"launcher.exe \"tribes://10.0.0.1:28001/\"", "tribes://10.0.0.1:28001/"},
      {"\"C:\\a b\\launcher.exe\" \"tribes://h:1/p=a b\"", "tribes://h:1/p=a b"},
      {"launcher.exe \"\"", ""},
      {"launcher.exe \"", "\""},
      {"launcher.exe \"tribes://h:1/\" ", "\"tribes://h:1/\" "},
      {"launcher.exe \"a\" \"b\"", "\"a\" \"b\""},
      {"launcher.exe \"tribes://h:1/p=\"x\"", "\"tribes://h:1/p=\"x\""},
      {"\"C:\\a b\\launcher.exe\" \"x\" y", "\"x\" y"},
      // A quote inside an unquoted name does not open a quoted part.
      {"C:\\a\"b\\launcher.exe rest", "rest"},
      // An unclosed quote swallows the whole line as the program name.
      {"\"C:\\a b\\launcher.exe tribes://h:1/", ""},
      // The tail begins straight after the closing quote when no blank follows it.
      {"\"C:\\launcher.exe\"tribes://h:1/", "tribes://h:1/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LinkOnCommandLine(c.commandLine), c.tail) << "command line: " << c.commandLine;
  }
}

// The stand-in programs log what they were given, quotes and all.
TEST(CommandLineTest, TheRawTailKeepsEnclosingQuotes) {
  EXPECT_EQ(CommandLineTail("game.exe \"+connect h:1\""), "\"+connect h:1\"");
}

}  // namespace
}  // namespace cindermoor
