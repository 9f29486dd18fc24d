#include "external/outside_programs.h"

#include <gtest/gtest.h>

#include <functional>

#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/recording_programs.h"

namespace cindermoor {
namespace {

constexpr const char* kVoiceKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";
constexpr const char* kGameKey = "Software\\Dynamix\\Starsiege Tribes";

class OutsideProgramsTest : public ::testing::Test {
 protected:
  void SetVoiceFolder(const std::string& folder, RegView view = RegView::Bit32) {
    registry.PutString(RegRoot::LocalMachine, kVoiceKey, "Path", folder, view);
  }
  void SetGameFolder(const std::string& folder, RegView view = RegView::Bit32) {
    registry.PutString(RegRoot::LocalMachine, kGameKey, "Path", folder, view);
  }

  MemoryRegistry registry;
  MemorySettingsStore store;
  LauncherSettings settings{store};
  RecordingStarter starter;
  RecordingWebOpener webOpener;
  OutsidePrograms programs{registry, settings, starter, webOpener};
};

void ExpectStart(const ProgramStart& actual, const ProgramStart& expected) {
  EXPECT_EQ(actual.programPath, expected.programPath);
  EXPECT_EQ(actual.folder, expected.folder);
  EXPECT_EQ(actual.commandLine, expected.commandLine);
  EXPECT_EQ(actual.show, expected.show);
}

struct StartCase {
  const char* name;
  const char* tribesPath;
  std::function<void(OutsidePrograms&)> action;
  ProgramStart expected;
};

TEST_F(OutsideProgramsTest, EachStartNamesTheProgramInItsFolder) {
  const StartCase cases[] = {
      {"game with password",
       "D:\\Games\\Dynamix\\Tribes",
       [](OutsidePrograms& p) { p.StartGame(" +connect 10.0.0.1:28001 +password a b"); },
       {"D:\\Games\\Dynamix\\Tribes\\tribes.exe", "D:\\Games\\Dynamix\\Tribes",
        "tribes.exe +connect 10.0.0.1:28001 +password a b", ShowCommand::Normal}},
      {"game in a drive root",
       "C:\\",
       [](OutsidePrograms& p) { p.StartGame(" +connect h:1"); },
       {"C:\\tribes.exe", "C:\\", "tribes.exe +connect h:1", ShowCommand::Normal}},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.name);
    settings.Write("TribesPath", c.tribesPath);
    starter.starts.clear();
    c.action(programs);
    ASSERT_EQ(starter.starts.size(), 1u);
    ExpectStart(starter.starts[0], c.expected);
  }
}

struct ViewCase {
  const char* name;
  const char* bit32;  // nullptr: value absent in that view
  const char* native;
  const char* expected;
};

TEST_F(OutsideProgramsTest, FoldersComeFromThe32BitViewFirst) {
  const ViewCase cases[] = {
      {"only 32-bit", "C:\\Wow", nullptr, "C:\\Wow"},
      {"both: 32-bit wins", "C:\\Wow", "C:\\Native", "C:\\Wow"},
      {"only native", nullptr, "C:\\Native", "C:\\Native"},
      {"empty 32-bit falls back", "", "C:\\Native", "C:\\Native"},
      {"neither", nullptr, nullptr, ""},
  };
  // Different folders under the two keys, so a mixed-up key shows.
  const auto under = [](const std::string& folder, const char* name) {
    return folder.empty() ? folder : folder + name;
  };
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.name);
    registry = {};
    for (const auto& [value, view] :
         {std::pair{c.bit32, RegView::Bit32}, std::pair{c.native, RegView::Native}}) {
      if (value == nullptr) continue;
      SetVoiceFolder(under(value, "\\RW"), view);
      SetGameFolder(under(value, "\\Tribes"), view);
    }
    EXPECT_EQ(programs.InstallFolder(kVoiceKey), under(c.expected, "\\RW"));
    EXPECT_EQ(programs.DetectedGameFolder(), under(c.expected, "\\Tribes"));
  }
}

TEST_F(OutsideProgramsTest, FoldersAreReadAfreshEachTime) {
  SetVoiceFolder("C:\\Old RW");
  settings.Write("TribesPath", "C:\\Old Tribes");
  EXPECT_EQ(programs.InstallFolder(kVoiceKey), "C:\\Old RW");
  programs.StartGame("");

  SetVoiceFolder("D:\\New RW");
  SetGameFolder("D:\\Found Tribes");
  settings.Write("TribesPath", "D:\\New Tribes");
  EXPECT_EQ(programs.InstallFolder(kVoiceKey), "D:\\New RW");
  EXPECT_EQ(programs.DetectedGameFolder(), "D:\\Found Tribes");
  programs.StartGame("");

  ASSERT_EQ(starter.starts.size(), 2u);
  EXPECT_EQ(starter.starts[0].folder, "C:\\Old Tribes");
  EXPECT_EQ(starter.starts[1].folder, "D:\\New Tribes");
}

TEST_F(OutsideProgramsTest, NothingIsStartedByBareNameWithoutAFolder) {
  try {
    programs.StartGame(" +connect 1.2.3.4:28001");
    ADD_FAILURE() << "StartGame started without a game folder";
  } catch (const FatalError& error) {
    EXPECT_NE(std::string(error.what()).find("The game's folder is not set."), std::string::npos)
        << error.what();
  }
  EXPECT_TRUE(starter.starts.empty());
}

TEST_F(OutsideProgramsTest, CheckGameCanStartNamesWhatIsMissing) {
  starter.existingFiles = {"C:\\Tribes\\tribes.exe", "C:\\tribes.exe"};
  const struct {
    const char* tribesPath;
    const char* problem;  // "" when the game can start
  } cases[] = {
      {"", "The game's folder is not set."},
      {"C:\\Tribes", ""},
      {"C:\\", ""},
      {"C:\\Tribes\\", ""},
      {"D:\\Elsewhere", "The game's program was not found: D:\\Elsewhere\\tribes.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tribesPath);
    settings.Write("TribesPath", c.tribesPath);
    EXPECT_EQ(programs.CheckGameCanStart().Reason(), c.problem);
  }
}

}  // namespace
}  // namespace cindermoor
