// The Linux desktop's link handler against an in-memory Linux side.
#include "desktop/desktop_handler.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "doubles/memory_settings_store.h"
#include "doubles/memory_unix_desktop.h"
#include "state/launcher_settings.h"

namespace cindermoor {
namespace {

const std::string kApplications = "/home/me/.local/share/applications/";
const std::string kEntry = kApplications + "cindermoor-launcher.desktop";
const std::string kScript = kApplications + "cindermoor-launcher.sh";
const std::string kMimeApps = "/home/me/.config/mimeapps.list";
const std::string kOthers = "[Default Applications]\ntext/html=ff.desktop\n";
const std::string kOthersAndOurs =
    kOthers + "x-scheme-handler/tribes=cindermoor-launcher.desktop\n";

class DesktopHandlerTest : public ::testing::Test {
 protected:
  DesktopHandlerTest() {
    desktop_.underWine = true;
    desktop_.environment = {{"WINELOADER", "/usr/lib/wine/wine64"},
                            {"WINECONFIGDIR", "\\??\\Z:\\home\\me\\.wine"},
                            {"WINEHOMEDIR", "\\??\\Z:\\home\\me"}};
    desktop_.files[kMimeApps] = kOthers;
  }

  // The files as Install leaves them, with the writes it took not counted.
  void Installed() {
    ASSERT_TRUE(handler_.Install().Succeeded());
    settings_.Write(setting::kInstalled, "1");
    desktop_.writes = 0;
  }

  MemoryUnixDesktop desktop_;
  MemorySettingsStore store_;
  LauncherSettings settings_{store_};
  DesktopHandler handler_{desktop_, settings_, "C:\\Games\\Cindermoor\\launcher.exe"};
};

TEST_F(DesktopHandlerTest, InstallWritesEntryScriptAndDefaultForThisPrefix) {
  ASSERT_TRUE(handler_.Install().Succeeded());

  EXPECT_EQ(desktop_.files[kEntry], DesktopEntryText(kScript));
  EXPECT_EQ(desktop_.files[kScript], OpenLinkScriptText({"/usr/lib/wine/wine64", "/home/me/.wine",
                                                         "C:\\Games\\Cindermoor\\launcher.exe"}));
  EXPECT_EQ(desktop_.files[kMimeApps], kOthersAndOurs);
}

TEST_F(DesktopHandlerTest, AbsoluteXdgFoldersOverrideTheHome) {
  const struct {
    const char* dataHome;
    const char* configHome;
    std::string entry;
    std::string mimeApps;
    const char* wineFolders = "\\??\\Z:\\home\\me";  // how Wine names the home and prefix
  } cases[] = {
      {"/x/data/", "/x/config", "/x/data/applications/cindermoor-launcher.desktop",
       "/x/config/mimeapps.list"},
      {"relative/data", "", kEntry, kMimeApps},
      {"", "", kEntry, kMimeApps, "\\??\\unix\\home\\me"},  // a prefix without a Z: drive
  };
  for (const auto& c : cases) {
    desktop_.files.clear();
    desktop_.environment["XDG_DATA_HOME"] = c.dataHome;
    desktop_.environment["XDG_CONFIG_HOME"] = c.configHome;
    desktop_.environment["WINEHOMEDIR"] = c.wineFolders;
    desktop_.environment["WINECONFIGDIR"] = c.wineFolders + std::string("\\.wine");
    ASSERT_TRUE(handler_.Install().Succeeded()) << c.dataHome;
    const std::string script = c.entry.substr(0, c.entry.rfind('.')) + ".sh";
    EXPECT_NE(desktop_.files[script].find("WINEPREFIX='/home/me/.wine'\n"), std::string::npos);
    EXPECT_TRUE(desktop_.files.count(c.entry)) << c.dataHome;
    EXPECT_TRUE(desktop_.files.count(c.mimeApps)) << c.dataHome;
  }
}

TEST_F(DesktopHandlerTest, RefreshWritesOnlyWhatIsMissingOrStaleAndOnlyWhileInstalled) {
  const struct {
    const char* name;
    const char* installed;
    std::function<void(MemoryUnixDesktop&)> change;
    int writes;
  } cases[] = {
      {"current", "1", [](MemoryUnixDesktop&) {}, 0},
      {"entry missing", "1", [](MemoryUnixDesktop& d) { d.files.erase(kEntry); }, 1},
      {"other prefix", "1", [](MemoryUnixDesktop& d) { d.files[kScript] = "old"; }, 1},
      {"default elsewhere", "1",
       [](MemoryUnixDesktop& d) { d.files[kMimeApps] = kOthers + "x-scheme-handler/tribes=o\n"; },
       1},
      {"all ours gone", "1",
       [](MemoryUnixDesktop& d) {
         d.files = {{kMimeApps, kOthers}};
       },
       3},
      {"not installed", "", [](MemoryUnixDesktop& d) { d.files.clear(); }, 0},
  };
  for (const auto& c : cases) {
    Installed();
    settings_.Write(setting::kInstalled, c.installed);
    c.change(desktop_);

    ASSERT_TRUE(handler_.Refresh().toTell.Succeeded()) << c.name;

    EXPECT_EQ(desktop_.writes, c.writes) << c.name;
    if (c.writes) {
      EXPECT_EQ(desktop_.files[kMimeApps], kOthersAndOurs) << c.name;
    }
  }
}

TEST_F(DesktopHandlerTest, NotUnderWineNothingIsTouched) {
  desktop_.underWine = false;
  settings_.Write(setting::kInstalled, "1");
  desktop_.files[kEntry] = "old";

  EXPECT_TRUE(handler_.Install().Succeeded());
  EXPECT_TRUE(handler_.Refresh().toTell.Succeeded());
  EXPECT_TRUE(handler_.Uninstall().Succeeded());
  EXPECT_EQ(desktop_.writes, 0);
  EXPECT_EQ(desktop_.files[kEntry], "old");
}

TEST_F(DesktopHandlerTest, FailuresSayWhatAndLeaveTheUsersFileAlone) {
  const struct {
    const char* name;
    std::function<void(MemoryUnixDesktop&)> breakIt;
    std::string named;
  } cases[] = {
      {"unreadable mimeapps.list", [](MemoryUnixDesktop& d) { d.unreadable.insert(kMimeApps); },
       "cannot read " + kMimeApps},
      {"read-only applications folder", [](MemoryUnixDesktop& d) { d.readOnly.insert(kEntry); },
       "cannot write " + kEntry},
      {"home outside the drive mapping",
       [](MemoryUnixDesktop& d) { d.environment["WINEHOMEDIR"] = "\\??\\C:\\users\\me"; },
       "home folder"},
  };
  for (const auto& c : cases) {
    MemoryUnixDesktop desktop = desktop_;
    c.breakIt(desktop);
    DesktopHandler handler(desktop, settings_, "C:\\Games\\launcher.exe");

    const Outcome outcome = handler.Install();

    EXPECT_FALSE(outcome.Succeeded()) << c.name;
    EXPECT_NE(outcome.Reason().find(c.named), std::string::npos)
        << c.name << ": " << outcome.Reason();
    EXPECT_EQ(desktop.files[kMimeApps], kOthers) << c.name;
  }
}

TEST_F(DesktopHandlerTest, UninstallRemovesOursAndWhateverElseItCan) {
  Installed();
  const std::string othersEntry = kApplications + "other.desktop";
  desktop_.files[othersEntry] = "x";

  ASSERT_TRUE(handler_.Uninstall().Succeeded());
  EXPECT_EQ(desktop_.files[kMimeApps], kOthers);
  EXPECT_EQ(desktop_.files[othersEntry], "x");
  EXPECT_FALSE(desktop_.files.count(kEntry) || desktop_.files.count(kScript));

  Installed();
  desktop_.readOnly.insert(kEntry);
  const Outcome outcome = handler_.Uninstall();
  EXPECT_NE(outcome.Reason().find("cannot remove " + kEntry), std::string::npos);
  EXPECT_EQ(desktop_.files[kMimeApps], kOthers);
  EXPECT_FALSE(desktop_.files.count(kScript));
}

// Install then Un-Install gives the user's mimeapps.list back to the byte, or no file when there
// was none; the earlier default comes back while its entry is there.
TEST_F(DesktopHandlerTest, UninstallGivesBackTheUsersDefaultsAsTheyWere) {
  const std::string withOthers = "[Default Applications]\nx-scheme-handler/tribes=o.desktop\n";
  const struct {
    const char* name;
    std::optional<std::string> before;
    std::optional<std::string> after;
  } cases[] = {
      {"no file", std::nullopt, std::nullopt},
      {"no group", "[Added Associations]\na/b=c;", "[Added Associations]\na/b=c;"},
      {"an empty group", "[Default Applications]\n", "[Default Applications]\n"},
      {"another default", withOthers, withOthers},
      {"another default in a second group", kOthers + "\n" + withOthers,
       kOthers + "\n" + withOthers},
      {"a default whose entry is gone", kOthers + "x-scheme-handler/tribes=gone.desktop\n",
       kOthers},
  };
  for (const auto& c : cases) {
    desktop_.files = {{kApplications + "o.desktop", "[Desktop Entry]\n"}};
    if (c.before) desktop_.files[kMimeApps] = *c.before;
    ASSERT_TRUE(handler_.Install().Succeeded()) << c.name;
    ASSERT_TRUE(handler_.Uninstall().Succeeded()) << c.name;

    const auto left = desktop_.files.find(kMimeApps);
    EXPECT_EQ(left == desktop_.files.end() ? std::nullopt : std::optional(left->second), c.after)
        << c.name;
  }
}

TEST_F(DesktopHandlerTest, UninstallLeavesAHandlerThatStartsAnotherCopy) {
  const struct {
    const char* name;
    WineProgram program;
    bool left;
  } cases[] = {
      {"another prefix",
       {"/usr/bin/wine", "/home/me/.wine2", "C:\\Games\\Cindermoor\\launcher.exe"},
       true},
      {"another folder",
       {"/usr/lib/wine/wine64", "/home/me/.wine", "C:\\Other\\launcher.exe"},
       true},
      {"another spelling of this program",
       {"/usr/lib/wine/wine64", "/home/me/.wine", "c:\\games\\CINDERMOOR\\launcher.exe"},
       false},
  };
  for (const auto& c : cases) {
    Installed();
    desktop_.files[kScript] = OpenLinkScriptText(c.program);
    const auto before = desktop_.files;

    const Outcome outcome = handler_.Uninstall();

    EXPECT_EQ(outcome.Succeeded(), !c.left) << c.name;
    EXPECT_EQ(outcome.Reason().find("another copy") != std::string::npos, c.left) << c.name;
    EXPECT_EQ(desktop_.files == before, c.left) << c.name;
  }
}

}  // namespace
}  // namespace cindermoor
