#include "ui/locator_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/forms_world.h"
#include "host/ui/locator_fakes.h"

namespace cindermoor {
namespace {

std::vector<std::string> PathsOf(const std::vector<FolderEntry>& entries) {
  std::vector<std::string> paths;
  for (const FolderEntry& entry : entries) paths.push_back(entry.path);
  return paths;
}

// A machine with a system drive C:, a data drive D: and an empty disc drive E:.
class LocatorFormTest : public testing::Test {
 protected:
  LocatorFormTest() {
    disks.drives = {"c: [SYSTEM]", "d: [DATA]", "e:"};
    disks.currentFolder = "C:\\Games";
    disks.driveFolders = {{"c:", "C:\\Games"}, {"d:", "D:\\Dynamix"}};
    disks.folders = {{"C:\\", {"Windows", "Games"}},
                     {"C:\\Games", {"tribes", "Other"}},
                     {"C:\\Games\\tribes", {}},
                     {"D:\\Dynamix", {"Tribes"}}};
    disks.files = {{"C:\\Games\\tribes", {"readme.txt", "TRIBES.EXE", "Tribes.exe.bak"}},
                   {"D:\\Dynamix", {"Tribes.exe"}}};
  }

  fakes::FormsWorld world;
  fakes::FakeFileSystem disks;
  fakes::RecordingLocatorView view;
  LocatorForm form{world.settings, world.form, disks, view};
};

TEST_F(LocatorFormTest, FirstShowingPutsAllThreeListsAtTheCurrentFolder) {
  form.Show();

  EXPECT_EQ(view.drives, disks.drives);
  EXPECT_EQ(form.Drive(), "c: [SYSTEM]");
  EXPECT_EQ(view.selectedDrive, 0);
  EXPECT_EQ(form.FolderPath(), "C:\\Games");
  EXPECT_EQ(form.FileListFolder(), "C:\\Games");
  // The chain from the root down, then the sub-folders in order regardless of case.
  const std::vector<FolderEntry> expected{{"C:\\", "C:\\", 0},
                                          {"Games", "C:\\Games", 1},
                                          {"Other", "C:\\Games\\Other", 2},
                                          {"tribes", "C:\\Games\\tribes", 2}};
  EXPECT_EQ(form.FolderList(), expected);
  EXPECT_EQ(view.folders, expected);
  EXPECT_EQ(view.currentFolder, 1u);
  EXPECT_TRUE(view.visible);
}

TEST(LocatorFolderNames, ARootKeepsItsSeparatorAndNoOtherFolderDoes) {
  struct Case {
    const char* currentFolder;
    const char* dirPath;
    std::vector<std::string> chain;
  };
  const Case cases[] = {
      {"C:\\", "C:\\", {"C:\\"}},
      {"C:", "C:\\", {"C:\\"}},
      {"C:\\Games", "C:\\Games", {"C:\\", "C:\\Games"}},
      {"C:\\Games\\", "C:\\Games", {"C:\\", "C:\\Games"}},
      {"C:\\Games\\Tribes", "C:\\Games\\Tribes", {"C:\\", "C:\\Games", "C:\\Games\\Tribes"}},
      {"\\\\server\\share\\Games",
       "\\\\server\\share\\Games",
       {"\\\\server\\share\\", "\\\\server\\share\\Games"}},
  };
  for (const Case& c : cases) {
    fakes::FormsWorld world;
    fakes::FakeFileSystem disks;
    disks.currentFolder = c.currentFolder;
    disks.folders[c.dirPath] = {};
    fakes::RecordingLocatorView view;
    LocatorForm form(world.settings, world.form, disks, view);

    form.Show();

    EXPECT_EQ(form.FolderPath(), c.dirPath) << c.currentFolder;
    EXPECT_EQ(form.FileListFolder(), c.dirPath) << c.currentFolder;
    EXPECT_EQ(PathsOf(form.FolderList()), c.chain) << c.currentFolder;
  }
}

TEST_F(LocatorFormTest, TheFileListShowsOnlyTheGameIgnoringCase) {
  form.Show();
  form.OpenFolder("C:\\Games\\tribes");

  EXPECT_EQ(form.Files(), std::vector<std::string>{"TRIBES.EXE"});
  EXPECT_EQ(view.files, std::vector<std::string>{"TRIBES.EXE"});
}

TEST_F(LocatorFormTest, OpeningAFolderMovesTheFileListButNotTheDrive) {
  form.Show();

  form.OpenFolder("C:\\Games\\tribes");

  EXPECT_EQ(form.FolderPath(), "C:\\Games\\tribes");
  EXPECT_EQ(form.FileListFolder(), "C:\\Games\\tribes");
  EXPECT_EQ(form.Drive(), "c: [SYSTEM]");
  EXPECT_EQ(PathsOf(form.FolderList()),
            (std::vector<std::string>{"C:\\", "C:\\Games", "C:\\Games\\tribes"}));
  EXPECT_EQ(view.currentFolder, 2u);

  form.OpenFolder("C:\\");
  EXPECT_EQ(form.FileListFolder(), "C:\\");
  EXPECT_EQ(PathsOf(form.FolderList()),
            (std::vector<std::string>{"C:\\", "C:\\Games", "C:\\Windows"}));
  EXPECT_TRUE(form.Files().empty());
}

TEST_F(LocatorFormTest, ChoosingADriveMovesBothListsToItsCurrentFolder) {
  form.Show();

  form.OnDriveChosen("d: [DATA]");

  EXPECT_EQ(form.Drive(), "d: [DATA]");
  EXPECT_EQ(view.selectedDrive, 1);
  EXPECT_EQ(form.FolderPath(), "D:\\Dynamix");
  EXPECT_EQ(form.FileListFolder(), "D:\\Dynamix");
  EXPECT_EQ(form.Files(), std::vector<std::string>{"Tribes.exe"});
  EXPECT_EQ(PathsOf(form.FolderList()),
            (std::vector<std::string>{"D:\\", "D:\\Dynamix", "D:\\Dynamix\\Tribes"}));
}

TEST_F(LocatorFormTest, ADriveThatIsNotReadyLeavesEverythingOnThePreviousDrive) {
  form.Show();
  form.OpenFolder("C:\\Games\\tribes");

  form.OnDriveChosen("e:");

  EXPECT_EQ(form.Drive(), "c: [SYSTEM]");
  EXPECT_EQ(view.selectedDrive, 0);
  EXPECT_EQ(form.FolderPath(), "C:\\Games\\tribes");
  EXPECT_EQ(form.FileListFolder(), "C:\\Games\\tribes");
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_NE(view.messages[0].find("e:"), std::string::npos);
}

TEST_F(LocatorFormTest, AFolderThatCannotBeReadLeavesTheListsWhereTheyWere) {
  form.Show();

  form.OpenFolder("C:\\Games\\Other");

  EXPECT_EQ(form.FolderPath(), "C:\\Games");
  EXPECT_EQ(form.FileListFolder(), "C:\\Games");
  EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(LocatorFormTest, OkAtFirstShowingStoresTheCurrentFolderAndReturns) {
  world.form.Hide();
  form.Show();

  form.OnOkClicked();

  EXPECT_EQ(world.settings.Read(setting::kTribesPath), "C:\\Games");
  EXPECT_EQ(world.form.GameFolder(), "C:\\Games");
  EXPECT_TRUE(world.form.IsVisible());
  EXPECT_FALSE(form.IsVisible());
  EXPECT_FALSE(view.visible);
}

TEST_F(LocatorFormTest, AFolderWithoutTheGameIsStoredAllTheSame) {
  form.Show();
  form.OpenFolder("C:\\");
  ASSERT_TRUE(form.Files().empty());

  form.OnOkClicked();

  EXPECT_EQ(world.settings.Read(setting::kTribesPath), "C:\\");
  EXPECT_EQ(world.form.GameFolder(), "C:\\");
}

TEST_F(LocatorFormTest, ReturningFindsTheListsWhereTheUserLeftThem) {
  form.Show();
  form.OnDriveChosen("d: [DATA]");
  form.OpenFolder("D:\\Dynamix\\Tribes");
  disks.folders["D:\\Dynamix\\Tribes"] = {};
  form.OpenFolder("D:\\Dynamix\\Tribes");
  form.OnOkClicked();

  form.Show();

  EXPECT_EQ(view.drivesFilled, 1);
  EXPECT_EQ(form.Drive(), "d: [DATA]");
  EXPECT_EQ(form.FolderPath(), "D:\\Dynamix\\Tribes");
  EXPECT_EQ(form.FileListFolder(), "D:\\Dynamix\\Tribes");
  EXPECT_TRUE(view.visible);
}

TEST_F(LocatorFormTest, ClosingReturnsToTheMainWindowWithoutStoring) {
  world.settings.Write(setting::kTribesPath, "X:\\Old");
  world.form.ShowGameFolder("X:\\Old");
  world.form.Hide();
  form.Show();
  form.OpenFolder("C:\\Games\\tribes");

  form.OnCloseRequested();

  EXPECT_EQ(world.settings.Read(setting::kTribesPath), "X:\\Old");
  EXPECT_EQ(world.form.GameFolder(), "X:\\Old");
  EXPECT_TRUE(world.form.IsVisible());
  EXPECT_FALSE(view.visible);
}

}  // namespace
}  // namespace cindermoor
