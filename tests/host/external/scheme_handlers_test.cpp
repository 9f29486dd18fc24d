#include "external/scheme_handlers.h"

#include <gtest/gtest.h>

#include <functional>

#include "doubles/memory_registry.h"
#include "doubles/memory_unix_desktop.h"

namespace cindermoor {
namespace {

constexpr const char* kClass = "Software\\Classes\\mumble";
constexpr const char* kCommand = "Software\\Classes\\mumble\\shell\\open\\command";
constexpr const char* kEntry =
    "[Desktop Entry]\nName=Mumble\nExec=mumble %u\n"
    "MimeType=x-scheme-handler/mumble;\n";
constexpr const char* kSystemEntry = "/usr/share/applications/mumble.desktop";

struct World {
  MemoryRegistry registry;
  MemoryUnixDesktop unix;

  void WindowsClass(RegRoot root, bool urlProtocol = true, bool command = true) {
    if (urlProtocol) registry.PutString(root, kClass, "URL Protocol", "");
    if (command) registry.PutString(root, kCommand, "", "\"C:\\Mumble\\mumble.exe\" \"%1\"");
  }
  void Cache(const std::string& line) {
    unix.files["/usr/share/applications/mimeinfo.cache"] = "[MIME Cache]\n" + line + "\n";
    unix.files[kSystemEntry] = kEntry;
  }
};

TEST(SchemeHandlersTest, FindsTheWayTheSystemOpensMumbleLinks) {
  using W = World&;
  const struct {
    const char* name;
    std::function<void(W)> setUp;
    SchemeRoad expected;
  } cases[] = {
      {"nothing", [](W) {}, SchemeRoad::None},
      {"user's class", [](W w) { w.WindowsClass(RegRoot::CurrentUser); }, SchemeRoad::WindowsClass},
      {"machine's class", [](W w) { w.WindowsClass(RegRoot::LocalMachine); },
       SchemeRoad::WindowsClass},
      {"class without URL Protocol", [](W w) { w.WindowsClass(RegRoot::CurrentUser, false); },
       SchemeRoad::None},
      {"class without command", [](W w) { w.WindowsClass(RegRoot::LocalMachine, true, false); },
       SchemeRoad::None},
      {"system entry", [](W w) { w.unix.files[kSystemEntry] = kEntry; }, SchemeRoad::LinuxDesktop},
      {"system entry, not under Wine",
       [](W w) {
         w.unix.underWine = false;
         w.unix.files[kSystemEntry] = kEntry;
       },
       SchemeRoad::None},
      {"class before entry",
       [](W w) {
         w.unix.files[kSystemEntry] = kEntry;
         w.WindowsClass(RegRoot::CurrentUser);
       },
       SchemeRoad::WindowsClass},
      {"user's entry under XDG_DATA_HOME",
       [](W w) {
         w.unix.environment["XDG_DATA_HOME"] = "/x/data/";
         w.unix.files["/x/data/applications/my-voice.desktop"] = kEntry;
       },
       SchemeRoad::LinuxDesktop},
      {"user's entry under the home",
       [](W w) {
         w.unix.environment["WINEHOMEDIR"] = "\\??\\Z:\\home\\me";
         w.unix.files["/home/me/.local/share/applications/mumble.desktop"] = kEntry;
       },
       SchemeRoad::LinuxDesktop},
      {"XDG_DATA_DIRS replaces the system's folders",
       [](W w) {
         w.unix.environment["XDG_DATA_DIRS"] = "relative:/opt/share";
         w.unix.files["/opt/share/applications/m.desktop"] = kEntry;
       },
       SchemeRoad::LinuxDesktop},
      {"empty XDG_DATA_DIRS: the system's usual folders",
       [](W w) {
         w.unix.environment["XDG_DATA_DIRS"] = "";
         w.unix.files[kSystemEntry] = kEntry;
       },
       SchemeRoad::LinuxDesktop},
      {"XDG_DATA_DIRS set without /usr/share",
       [](W w) {
         w.unix.environment["XDG_DATA_DIRS"] = "/opt/share";
         w.unix.files[kSystemEntry] = kEntry;
       },
       SchemeRoad::None},
      {"user's hidden entry hides the system's",
       [](W w) {
         w.unix.environment["XDG_DATA_HOME"] = "/x";
         w.unix.files["/x/applications/mumble.desktop"] = std::string(kEntry) + "Hidden=true\n";
         w.unix.files[kSystemEntry] = kEntry;
       },
       SchemeRoad::None},
      {"entry in a sub-folder, or not a .desktop file",
       [](W w) {
         w.unix.files["/usr/share/applications/kde/mumble.desktop"] = kEntry;
         w.unix.files["/usr/share/applications/mumble.desktop~"] = kEntry;
       },
       SchemeRoad::None},
      {"entry named by its folder's cache",
       [](W w) { w.Cache("x-scheme-handler/mumble=a.desktop;mumble.desktop;"); },
       SchemeRoad::LinuxDesktop},
      {"a user's entry hides the one the system's cache names",
       [](W w) {
         w.unix.environment["XDG_DATA_HOME"] = "/x";
         w.unix.files["/x/applications/mumble.desktop"] = std::string(kEntry) + "Hidden=true\n";
         w.Cache("x-scheme-handler/mumble=mumble.desktop;");
       },
       SchemeRoad::None},
      {"a cache without the scheme: the entries are not read",
       [](W w) { w.Cache("text/plain=mumble.desktop;"); }, SchemeRoad::None},
      {"unreadable entry",
       [](W w) {
         w.unix.files[kSystemEntry] = kEntry;
         w.unix.unreadable.insert(kSystemEntry);
       },
       SchemeRoad::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    World world;
    world.unix.underWine = true;
    c.setUp(world);
    EXPECT_EQ(SchemeHandlers(world.registry, world.unix).Find("mumble"), c.expected);
  }
}

// Mumble installed while the launcher runs is found; once found, the desktop is not read again.
TEST(SchemeHandlersTest, TheLinuxDesktopIsReadUntilAnEntryIsFound) {
  World world;
  world.unix.underWine = true;
  SchemeHandlers handlers(world.registry, world.unix);
  EXPECT_EQ(handlers.Find("mumble"), SchemeRoad::None);
  world.unix.files[kSystemEntry] = kEntry;
  EXPECT_EQ(handlers.Find("mumble"), SchemeRoad::LinuxDesktop);
  world.unix.unreadable.insert(kSystemEntry);
  EXPECT_EQ(handlers.Find("mumble"), SchemeRoad::LinuxDesktop);
}

// A system folder holds hundreds of entries: with its cache it is not even listed.
// Each scheme is found by its own class or entry, and an entry found for one is not taken for
// another.
TEST(SchemeHandlersTest, EachSchemeHasItsOwnHandler) {
  World world;
  world.unix.underWine = true;
  world.unix.files[kSystemEntry] = kEntry;
  world.registry.PutString(RegRoot::CurrentUser, "Software\\Classes\\ts3server", "URL Protocol",
                           "");
  world.registry.PutString(RegRoot::CurrentUser,
                           "Software\\Classes\\ts3server\\shell\\open\\command", "", "ts3 %1");
  SchemeHandlers handlers(world.registry, world.unix);
  for (int twice = 0; twice < 2; ++twice) {
    EXPECT_EQ(handlers.Find("mumble"), SchemeRoad::LinuxDesktop);
    EXPECT_EQ(handlers.Find("ts3server"), SchemeRoad::WindowsClass);
    EXPECT_EQ(handlers.Find("tribes"), SchemeRoad::None);
  }
  EXPECT_EQ(handlers.WindowsClassCommand("ts3server"), "ts3 %1");
  EXPECT_EQ(handlers.WindowsClassCommand("mumble"), "");
}

TEST(SchemeHandlersTest, AFolderWithItsCacheIsNotListed) {
  World world;
  world.unix.underWine = true;
  world.Cache("x-scheme-handler/mumble=mumble.desktop;");
  EXPECT_EQ(SchemeHandlers(world.registry, world.unix).Find("mumble"), SchemeRoad::LinuxDesktop);
  EXPECT_EQ(world.unix.listed, std::vector<std::string>{"/usr/local/share/applications"});
}

TEST(SchemeHandlersTest, OnlyTheMainGroupsMimeTypeDeclaresTheScheme) {
  const struct {
    const char* text;
    bool declares;
  } cases[] = {
      {kEntry, true},
      {"[Desktop Entry]\r\nMimeType = text/plain; X-Scheme-Handler/Mumble \r\n", true},
      {"[Desktop Entry]\nMimeType=x-scheme-handler/mumbles;x-scheme-handler/tribes\n", false},
      {"[Desktop Entry]\nMimeType[de]=x-scheme-handler/mumble\n", false},
      {"[Desktop Action join]\nMimeType=x-scheme-handler/mumble\n", false},
      {"[Desktop Entry]\nHidden=true\nMimeType=x-scheme-handler/mumble\n", false},
      {"[Desktop Entry]\nMimeType=x-scheme-handler/ts3server;\n", false},
  };
  for (const auto& c : cases) EXPECT_EQ(DeclaresScheme(c.text, "mumble"), c.declares) << c.text;
}

}  // namespace
}  // namespace cindermoor
