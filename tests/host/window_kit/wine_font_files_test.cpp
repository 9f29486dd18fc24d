// Wine's own window font is looked for where Wine's environment says Wine keeps its data.
#include "window_kit/wine_font_files.h"

#include <gtest/gtest.h>

#include "doubles/memory_unix_desktop.h"

namespace cindermoor {
namespace {

struct Case {
  const char* name;
  std::map<std::string, std::string> environment;
  std::vector<std::string> files;
};

TEST(WineWindowFontFilesTest, FollowWhatWineSaysAboutItself) {
  const Case cases[] = {
      {"Debian, both named, one place",
       {{"WINEDATADIR", "\\??\\Z:\\usr\\share\\wine"}, {"WINELOADER", "/usr/lib/wine/wine64"}},
       {"Z:\\usr\\share\\wine\\fonts\\sserife.fon",
        "\\\\?\\unix\\usr\\share\\wine\\fonts\\sserife.fon",
        "\\\\?\\unix\\usr\\lib\\share\\wine\\fonts\\sserife.fon"}},
      {"WineHQ's build, loader only",
       {{"WINELOADER", "/opt/wine-stable/bin/wine64"}},
       {"\\\\?\\unix\\opt\\share\\wine\\fonts\\sserife.fon",
        "\\\\?\\unix\\opt\\wine-stable\\share\\wine\\fonts\\sserife.fon"}},
      {"a prefix without a Z: drive",
       {{"WINEDATADIR", "\\??\\unix\\usr\\share\\wine"}},
       {"\\\\?\\unix\\usr\\share\\wine\\fonts\\sserife.fon"}},
      {"data folder on another drive",
       {{"WINEDATADIR", "D:\\wine"}},
       {"D:\\wine\\fonts\\sserife.fon"}},
      {"a loader too shallow to have folders above", {{"WINELOADER", "/wine64"}}, {}},
      {"nothing named", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryUnixDesktop desktop;
    desktop.underWine = true;
    desktop.environment = c.environment;
    EXPECT_EQ(WineWindowFontFiles(desktop), c.files);
    std::vector<std::string> symbols = c.files;  // the title bar's font, in the same places
    for (std::string& file : symbols) file.replace(file.size() - 11, 11, "marlett.ttf");
    EXPECT_EQ(WineFontFiles(desktop, "marlett.ttf"), symbols);
  }
}

}  // namespace
}  // namespace cindermoor
