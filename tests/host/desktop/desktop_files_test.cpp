// Quoting in the desktop entry and the script that open links under Wine.
#include "desktop/desktop_files.h"

#include <gtest/gtest.h>

#include "text/language.h"
#include "text/text.h"

namespace cindermoor {
namespace {

TEST(DesktopFilesTest, ExecArgumentsAreQuotedAndEscapedOnlyWhenTheyMustBe) {
  const struct {
    const char* argument;
    const char* written;
  } cases[] = {
      {"/home/me/.local/share/applications/a.sh", "/home/me/.local/share/applications/a.sh"},
      {"/home/j\xC3\xBCrgen/a.sh", "/home/j\xC3\xBCrgen/a.sh"},  // non-ASCII needs nothing
      {"/home/my games/a.sh", "\"/home/my games/a.sh\""},
      {"/home/o'brien/a.sh", "\"/home/o'brien/a.sh\""},
      {"/a\"b/$HOME/`x`", "\"/a\\\\\"b/\\\\$HOME/\\\\`x\\\\`\""},
      // A backslash is escaped for the quotes and then again for the string: four in all.
      {"/a\\b", "\"/a\\\\\\\\b\""},
      {"/100%u", "/100%%u"},
      {"/a b/100%", "\"/a b/100%%\""},
      {"/new\nline", "\"/new\\nline\""},
      {"", "\"\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DesktopExecArgument(c.argument), c.written) << "argument: " << c.argument;
  }
}

TEST(DesktopFilesTest, ShellQuotingKeepsEveryCharacterLiteral) {
  const struct {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"/usr/lib/wine/wine64", "'/usr/lib/wine/wine64'"},
      {"C:\\Program Files\\launcher.exe", "'C:\\Program Files\\launcher.exe'"},
      {"/home/o'brien/.wine", "'/home/o'\\''brien/.wine'"},
      {"$HOME \"`x`\" \\n", "'$HOME \"`x`\" \\n'"},
      {"''", "''\\'''\\'''"},
      {"", "''"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShellQuoted(c.text), c.quoted) << "text: " << c.text;
}

TEST(DesktopFilesTest, ExecNamesOnlyTheScriptAndTheScriptHoldsThePaths) {
  const std::string entry = DesktopEntryText("/home/my games/open.sh");
  EXPECT_NE(entry.find("\nExec=sh \"/home/my games/open.sh\" %u\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=x-scheme-handler/tribes;\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nComment[pt_BR]=" + TextIn(*LanguageTagged("pt-BR"), "desktop.comment")),
            std::string::npos)
      << entry;

  const std::string script =
      OpenLinkScriptText({"/usr/lib/wine/wine64", "/home/o'brien/wine prefix",
                          "C:\\Spiele f\xC3\xBCr 'Tribes'\\launcher.exe"});
  EXPECT_NE(script.find("\nWINEPREFIX='/home/o'\\''brien/wine prefix'\nexport WINEPREFIX\n"
                        "exec '/usr/lib/wine/wine64' "
                        "'C:\\Spiele f\xC3\xBCr '\\''Tribes'\\''\\launcher.exe' \"$@\"\n"),
            std::string::npos)
      << script;
}

}  // namespace
}  // namespace cindermoor
