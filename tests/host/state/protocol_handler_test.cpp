// The protocol class against the in-memory registry and settings.
#include "state/protocol_handler.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/memory_unix_desktop.h"

namespace cindermoor {
namespace {

using Lines = std::vector<std::string>;

const char* const kMachineClass = "Software\\CLASSES\\tribes";
const char* const kUserClass = "Software\\Classes\\tribes";
const char* const kCommand = "\\shell\\open\\command";

class ProtocolHandlerTest : public ::testing::Test {
 protected:
  ProtocolHandler HandlerIn(const std::string& programFolder,
                            const std::string& programFile = "launcher.exe") {
    return ProtocolHandler(registry_, settings_, desktop_, {programFolder, programFile});
  }
  Lines MachineClass() const {
    return registry_.DescribeTree(RegRoot::LocalMachine, kMachineClass);
  }
  Lines UserClass() const { return registry_.DescribeTree(RegRoot::CurrentUser, kUserClass); }
  std::string Command(RegRoot root, const std::string& classKey) {
    return registry_.GetRegString(root, classKey + "\\shell\\open\\command", "", "<none>");
  }
  bool ClassExistsAnywhere() const {
    return registry_.KeyExists(RegRoot::LocalMachine, kMachineClass) ||
           registry_.KeyExists(RegRoot::CurrentUser, kUserClass);
  }

  MemoryRegistry registry_;
  MemorySettingsStore store_;
  LauncherSettings settings_{store_};
  MemoryUnixDesktop desktop_;
  ProtocolHandler handler_{registry_, settings_, desktop_, {"C:\\Games", "launcher.exe"}};
};

TEST_F(ProtocolHandlerTest, InstallWritesTheWholeClassAndTheMarkers) {
  settings_.Write(setting::kTribesPath, "C:\\Dynamix\\Tribes");
  settings_.Write(setting::kUseTWRW, "0");

  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());

  EXPECT_EQ(
      MachineClass(),
      (Lines{"[] = REG_SZ \"URL: Tribes Protocol\"", "[URL Protocol] = REG_SZ \"\"",
             "DefaultIcon\\", "DefaultIcon\\[] = REG_SZ \"C:\\Dynamix\\Tribes\\tribes.exe,0\"",
             "shell\\", "shell\\open\\", "shell\\open\\command\\",
             "shell\\open\\command\\[] = REG_SZ \"C:\\Games\\launcher.exe %1\""}));
  EXPECT_FALSE(registry_.KeyExists(RegRoot::CurrentUser, kUserClass));
  EXPECT_EQ(settings_.Read(setting::kPath), "C:\\Games");
  EXPECT_EQ(settings_.Read(setting::kInstalled), "1");
  EXPECT_EQ(settings_.Read(setting::kUseTWRW), "1");
}

TEST_F(ProtocolHandlerTest, InstallingTwiceLeavesWhatInstallingOnceLeaves) {
  settings_.Write(setting::kTribesPath, "C:\\Tribes");
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  const Lines once = MachineClass();
  const size_t settingsOnce = store_.SettingCount();

  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());

  EXPECT_EQ(MachineClass(), once);
  EXPECT_EQ(store_.SettingCount(), settingsOnce);
}

TEST_F(ProtocolHandlerTest, InstallWithEmptyGameFolderWritesBareIconEntry) {
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  EXPECT_EQ(registry_.GetRegString(RegRoot::LocalMachine, "Software\\CLASSES\\tribes\\DefaultIcon",
                                   "", "<none>"),
            "\\tribes.exe,0");
}

TEST_F(ProtocolHandlerTest, CommandFollowsTheProgramFolder) {
  struct Case {
    std::string programFolder;
    std::string command;
    std::string programFile = "launcher.exe";
  };
  const Case cases[] = {
      {"C:\\", "C:\\launcher.exe %1"},
      {"C:\\Games", "C:\\Games\\launcher.exe %1"},
      {"C:\\Program Files\\Cindermoor", "\"C:\\Program Files\\Cindermoor\\launcher.exe\" %1"},
      {"D:\\My Games\\", "\"D:\\My Games\\launcher.exe\" %1"},
      {"C:\\Games", "C:\\Games\\Launcher-2.00.exe %1", "Launcher-2.00.exe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.programFolder);
    EXPECT_EQ(HandlerCommand(JoinFolder(c.programFolder, c.programFile)), c.command);
    ProtocolHandler handler = HandlerIn(c.programFolder, c.programFile);
    ASSERT_TRUE(handler.InstallProtocol().Succeeded());
    EXPECT_EQ(Command(RegRoot::LocalMachine, kMachineClass), c.command);
    EXPECT_EQ(settings_.Read(setting::kPath), c.programFolder);
  }
}

TEST_F(ProtocolHandlerTest, UninstallRemovesTheClassFromBothStores) {
  settings_.Write(setting::kUseTWRW, "0");
  registry_.SetRefusesWrites(RegRoot::LocalMachine, true);
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());  // per-user, as a standard user
  registry_.SetRefusesWrites(RegRoot::LocalMachine, false);
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());  // machine-wide, as an administrator
  ASSERT_FALSE(UserClass().empty());

  ASSERT_TRUE(handler_.UninstallProtocol().Succeeded());

  EXPECT_FALSE(ClassExistsAnywhere());
  EXPECT_TRUE(registry_.KeyExists(RegRoot::LocalMachine, "Software\\CLASSES"));
  EXPECT_FALSE(store_.HasSetting("Launcher", "Program Settings", setting::kInstalled));
  EXPECT_EQ(settings_.Read(setting::kPath), "C:\\Games");
  EXPECT_EQ(settings_.Read(setting::kUseTWRW), "1");
}

// A standard user cannot remove an administrator's machine-wide class: links still open the
// program, so it must not be reported gone.
TEST_F(ProtocolHandlerTest, UninstallRefusedKeepsTheClassAndSaysWhy) {
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  registry_.SetRefusesWrites(RegRoot::LocalMachine, true);

  const Outcome outcome = handler_.UninstallProtocol();

  EXPECT_FALSE(outcome.Succeeded());
  EXPECT_NE(outcome.Reason().find("administrator"), std::string::npos) << outcome.Reason();
  EXPECT_NE(outcome.Reason().find(MemoryRegistry::kRefusal), std::string::npos) << outcome.Reason();
  EXPECT_TRUE(registry_.KeyExists(RegRoot::LocalMachine, kMachineClass));
  EXPECT_EQ(settings_.Read(setting::kInstalled), "1");
}

// Under Wine the Linux desktop follows the class; its failures are told beside the Windows
// ones and never stop the class.
TEST_F(ProtocolHandlerTest, UnderWineTheLinuxDesktopFollowsTheClass) {
  const std::string mimeApps = "/home/me/.config/mimeapps.list";
  desktop_.underWine = true;
  desktop_.environment = {{"WINELOADER", "/usr/bin/wine"},
                          {"WINECONFIGDIR", "\\??\\Z:\\home\\me\\.wine"},
                          {"WINEHOMEDIR", "\\??\\Z:\\home\\me"}};
  desktop_.files[mimeApps] = "[Added Associations]\n";  // the user's own list
  desktop_.unreadable.insert(mimeApps);

  const Outcome installed = handler_.InstallProtocol();
  EXPECT_NE(installed.Reason().find("cannot read " + mimeApps), std::string::npos);
  EXPECT_EQ(Command(RegRoot::LocalMachine, kMachineClass), "C:\\Games\\launcher.exe %1");
  EXPECT_EQ(settings_.Read(setting::kInstalled), "1");

  desktop_.unreadable.clear();
  EXPECT_TRUE(handler_.RefreshHandlerCommand().toTell.Succeeded());
  EXPECT_NE(desktop_.files[mimeApps].find("tribes=cindermoor-launcher.desktop"), std::string::npos);

  registry_.SetRefusesWrites(RegRoot::LocalMachine, true);
  desktop_.readOnly.insert(mimeApps);
  const Outcome uninstalled = handler_.UninstallProtocol();
  EXPECT_NE(uninstalled.Reason().find("administrator"), std::string::npos);
  EXPECT_NE(uninstalled.Reason().find("cannot write " + mimeApps), std::string::npos);
  EXPECT_EQ(desktop_.files.size(), 1u);  // the entry and script went; the list stays
}

// A start refreshes, OK re-registers.
TEST_F(ProtocolHandlerTest, StartOrOkAfterUninstallLeavesNoClass) {
  for (bool start : {true, false}) {
    ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
    ASSERT_TRUE(handler_.UninstallProtocol().Succeeded());

    ASSERT_TRUE((start ? handler_.RefreshHandlerCommand().toTell : handler_.ReregisterProtocol())
                    .Succeeded());

    EXPECT_FALSE(ClassExistsAnywhere());
  }
}

TEST_F(ProtocolHandlerTest, MachineWideRefusedInstallsForTheUser) {
  settings_.Write(setting::kTribesPath, "C:\\Tribes");
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  const Lines machineWide = MachineClass();
  ASSERT_TRUE(handler_.UninstallProtocol().Succeeded());
  registry_.SetRefusesWrites(RegRoot::LocalMachine, true);

  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());

  EXPECT_EQ(UserClass(), machineWide);
  EXPECT_FALSE(registry_.KeyExists(RegRoot::LocalMachine, kMachineClass));
  EXPECT_EQ(settings_.Read(setting::kInstalled), "1");
}

TEST_F(ProtocolHandlerTest, InstallThatWritesNothingFailsAndMarksNothing) {
  settings_.Write(setting::kTribesPath, "C:\\Tribes");
  registry_.SetRefusesWrites(RegRoot::LocalMachine, true);
  registry_.SetRefusesWrites(RegRoot::CurrentUser, true);

  const Outcome outcome = handler_.InstallProtocol();

  // Each store's refusal is told with the reason Windows gave.
  EXPECT_NE(outcome.Reason().find(std::string("For all users: ") + MemoryRegistry::kRefusal),
            std::string::npos)
      << outcome.Reason();
  EXPECT_NE(outcome.Reason().find(std::string("For you alone: ") + MemoryRegistry::kRefusal),
            std::string::npos);
  EXPECT_FALSE(ClassExistsAnywhere());
  EXPECT_EQ(store_.SettingCount(), 1u);
  EXPECT_FALSE(store_.HasSetting("Launcher", "Program Settings", setting::kInstalled));
}

TEST_F(ProtocolHandlerTest, RefreshRepointsTheCommandOfAnInstalledClass) {
  // Never installed: nothing to re-point.
  ASSERT_TRUE(handler_.RefreshHandlerCommand().toTell.Succeeded());
  EXPECT_FALSE(ClassExistsAnywhere());

  // The program moved since Install: the next start points the command at the new place.
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  const size_t settingsInstalled = store_.SettingCount();
  ProtocolHandler moved = HandlerIn("E:\\Launcher");
  ASSERT_TRUE(moved.RefreshHandlerCommand().toTell.Succeeded());
  EXPECT_EQ(Command(RegRoot::LocalMachine, kMachineClass), "E:\\Launcher\\launcher.exe %1");
  EXPECT_EQ(store_.SettingCount(), settingsInstalled);
}

TEST_F(ProtocolHandlerTest, ReregisterRewritesOnlyIconAndCommand) {
  settings_.Write(setting::kTribesPath, "C:\\Old");
  ASSERT_TRUE(handler_.InstallProtocol().Succeeded());
  ASSERT_TRUE(registry_.SetRegString(RegRoot::LocalMachine, kMachineClass, "", "changed by someone")
                  .Succeeded());
  settings_.Write(setting::kTribesPath, "D:\\New Tribes");
  settings_.Remove(setting::kInstalled);

  ASSERT_TRUE(HandlerIn("E:\\Launcher").ReregisterProtocol().Succeeded());

  EXPECT_EQ(registry_.GetRegString(RegRoot::LocalMachine, kMachineClass, "", ""),
            "changed by someone");
  EXPECT_EQ(registry_.GetRegString(RegRoot::LocalMachine, "Software\\CLASSES\\tribes\\DefaultIcon",
                                   "", ""),
            "D:\\New Tribes\\tribes.exe,0");
  EXPECT_EQ(Command(RegRoot::LocalMachine, kMachineClass), "E:\\Launcher\\launcher.exe %1");
  EXPECT_FALSE(store_.HasSetting("Launcher", "Program Settings", setting::kInstalled));
}

// Refresh and Re-register fall back to the user's class store the way Install does.
TEST_F(ProtocolHandlerTest, RefreshAndReregisterFallBackToTheUserStore) {
  struct Case {
    const char* name;
    std::function<Outcome(ProtocolHandler&)> operation;
  };
  const Case cases[] = {
      {"refresh", [](ProtocolHandler& h) { return h.RefreshHandlerCommand().toTell; }},
      {"re-register", [](ProtocolHandler& h) { return h.ReregisterProtocol(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRegistry registry;
    ProtocolHandler handler(registry, settings_, desktop_, {"C:\\Games", "launcher.exe"});
    // An administrator's class, which a standard user cannot change.
    ASSERT_TRUE(ProtocolHandler(registry, settings_, desktop_, {"C:\\Old", "launcher.exe"})
                    .InstallProtocol()
                    .Succeeded());
    registry.SetRefusesWrites(RegRoot::LocalMachine, true);
    EXPECT_TRUE(c.operation(handler).Succeeded());
    EXPECT_EQ(registry.GetRegString(RegRoot::CurrentUser,
                                    "Software\\Classes\\tribes\\shell\\open"
                                    "\\command",
                                    "", "<none>"),
              "C:\\Games\\launcher.exe %1");

    registry.SetRefusesWrites(RegRoot::CurrentUser, true);
    EXPECT_FALSE(c.operation(handler).Succeeded());
  }
}

// A user's own class wins over the machine-wide one, so a leftover per-user class must not
// keep pointing at an old program; a store without a class gets none.
TEST_F(ProtocolHandlerTest, AnExistingUserClassIsKeptCurrent) {
  for (const bool machineClass : {true, false}) {
    SCOPED_TRACE(machineClass ? "machine-wide class too" : "user class only");
    MemoryRegistry registry;
    ProtocolHandler oldProgram(registry, settings_, desktop_, {"C:\\Old", "launcher.exe"});
    if (machineClass) ASSERT_TRUE(oldProgram.InstallProtocol().Succeeded());
    registry.SetRefusesWrites(RegRoot::LocalMachine, true);
    ASSERT_TRUE(oldProgram.InstallProtocol().Succeeded());
    registry.SetRefusesWrites(RegRoot::LocalMachine, false);

    ProtocolHandler handler(registry, settings_, desktop_, {"C:\\Games", "launcher.exe"});
    EXPECT_TRUE(handler.RefreshHandlerCommand().toTell.Succeeded());
    EXPECT_EQ(
        registry.GetRegString(RegRoot::CurrentUser, std::string(kUserClass) + kCommand, "", ""),
        "C:\\Games\\launcher.exe %1");
    EXPECT_EQ(registry.GetRegString(RegRoot::LocalMachine, std::string(kMachineClass) + kCommand,
                                    "", "<none>"),
              machineClass ? "C:\\Games\\launcher.exe %1" : "<none>");
  }
}

}  // namespace
}  // namespace cindermoor
