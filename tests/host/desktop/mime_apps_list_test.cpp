// The mimeapps.list editor: our one line changes, every other byte stays.
#include "desktop/mime_apps_list.h"

#include <gtest/gtest.h>

namespace cindermoor {
namespace {

const char* const kType = "x-scheme-handler/tribes";
const char* const kOurs = "cm.desktop";

struct Edit {
  const char* name;
  std::string before;
  std::string after;
};

TEST(MimeAppsListTest, SettingTheDefaultTouchesOnlyItsLine) {
  const Edit cases[] = {
      {"missing file", "", "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n"},
      {"other groups only", "# mine\n[Added Associations]\ntext/html=ff.desktop;\n",
       "# mine\n[Added Associations]\ntext/html=ff.desktop;\n\n"
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n"},
      {"no line end at the end", "[Added Associations]\na/b=c.desktop",
       "[Added Associations]\na/b=c.desktop\n\n"
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n"},
      {"added at the group's end, before its blank lines",
       "[Default Applications]\n# keep\ntext/html=ff.desktop\nx-scheme-handler/tribes2=x\n\n"
       "[Added Associations]\nx-scheme-handler/tribes=other.desktop;\n",
       "[Default Applications]\n# keep\ntext/html=ff.desktop\nx-scheme-handler/tribes2=x\n"
       "x-scheme-handler/tribes=cm.desktop\n\n"
       "[Added Associations]\nx-scheme-handler/tribes=other.desktop;\n"},
      {"group header as the last line", "[Default Applications]",
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n"},
      {"pointing elsewhere, written with blanks, and a duplicate",
       "[Default Applications]\na/b=c\nx-scheme-handler/tribes = other.desktop\n"
       "x-scheme-handler/tribes=third.desktop\nd/e=f\n",
       "[Default Applications]\na/b=c\nx-scheme-handler/tribes=cm.desktop\nd/e=f\n"},
      {"already ours", "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n# end",
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n# end"},
      {"CRLF line ends", "[Default Applications]\r\ntext/html=ff.desktop\r\n",
       "[Default Applications]\r\ntext/html=ff.desktop\r\n"
       "x-scheme-handler/tribes=cm.desktop\r\n"},
      {"byte-order mark", "\xEF\xBB\xBF[Default Applications]\na/b=c\n",
       "\xEF\xBB\xBF[Default Applications]\na/b=c\nx-scheme-handler/tribes=cm.desktop\n"},
      {"two groups, the later one naming another",
       "[Default Applications]\nx-scheme-handler/tribes=a.desktop\n\n[Added Associations]\n"
       "q/r=a;\n\n[Default Applications]\nx-scheme-handler/tribes=b.desktop\nd/e=f\n",
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n\n[Added Associations]\n"
       "q/r=a;\n\n[Default Applications]\nd/e=f\n"},
      {"two groups without the type", "[Default Applications]\na/b=c\n[Default Applications]\n",
       "[Default Applications]\na/b=c\n[Default "
       "Applications]\nx-scheme-handler/tribes=cm.desktop\n"},
  };
  for (const Edit& c : cases) {
    const std::string edited = WithDefaultApplication(c.before, kType, kOurs);
    EXPECT_EQ(edited, c.after) << c.name;
    EXPECT_EQ(DefaultApplicationOf(edited, kType), kOurs) << c.name;  // as the desktop reads it
  }
}

TEST(MimeAppsListTest, RemovingTheDefaultTakesOnlyWhatNamesUs) {
  const Edit cases[] = {
      {"ours alone",
       "# c\n[Default Applications]\r\na/b=c\r\nx-scheme-handler/tribes=cm.desktop\r\n"
       "d/e=f\r\n",
       "# c\n[Default Applications]\r\na/b=c\r\nd/e=f\r\n"},
      {"pointing elsewhere", "[Default Applications]\nx-scheme-handler/tribes=other.desktop\n",
       "[Default Applications]\nx-scheme-handler/tribes=other.desktop\n"},
      {"ours among others",
       "[Default Applications]\nx-scheme-handler/tribes=cm.desktop;o.desktop;\n",
       "[Default Applications]\nx-scheme-handler/tribes=o.desktop;\n"},
      {"in another group", "[Added Associations]\nx-scheme-handler/tribes=cm.desktop;\n",
       "[Added Associations]\nx-scheme-handler/tribes=cm.desktop;\n"},
      {"a longer type", "[Default Applications]\nx-scheme-handler/tribes2=cm.desktop\n",
       "[Default Applications]\nx-scheme-handler/tribes2=cm.desktop\n"},
      {"last line without end", "[Default Applications]\na/b=c\nx-scheme-handler/tribes=cm.desktop",
       "[Default Applications]\na/b=c\n"},
      {"after a byte-order mark",
       "\xEF\xBB\xBF[Default Applications]\nx-scheme-handler/tribes=cm.desktop\n",
       "\xEF\xBB\xBF[Default Applications]\n"},
  };
  for (const Edit& c : cases) {
    EXPECT_EQ(WithoutDefaultApplication(c.before, kType, kOurs), c.after) << c.name;
  }
}

// What Install adds, Un-Install takes away again to the byte, whatever the file held: the earlier
// default comes back in its place, and a group Install appended goes with it.
TEST(MimeAppsListTest, RemovingWhatWasSetGivesBackTheFile) {
  const std::string files[] = {
      "[Default Applications]\n# keep\ntext/html=ff.desktop\n\n[Added Associations]\na/b=c;\n",
      "[Default Applications]\r\ntext/html=ff.desktop\r\n\r\n",
      "[Added Associations]\na/b=c;\n\n[Default Applications]\nx/y=z\n",
      "[Default Applications]\n",
      "",
      "# nothing else",
      "[Added Associations]\r\na/b=c;\r\n",
      "[Added Associations]\na/b=c;\n\n",
      "[Default Applications]\na/b=c\nx-scheme-handler/tribes=o.desktop;p.desktop;\nd/e=f\n",
  };
  for (const std::string& file : files) {
    const std::string earlier = DefaultApplicationOf(file, kType);
    const std::string removed = WithoutDefaultApplication(
        WithDefaultApplication(file, kType, kOurs), kType, kOurs, earlier);
    EXPECT_EQ(WithoutAddedDefaultsGroup(removed, file.size()), file) << file;
  }
}

}  // namespace
}  // namespace cindermoor
