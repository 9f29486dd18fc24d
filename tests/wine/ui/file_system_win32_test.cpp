// The locator's view of real disks, on a throwaway folder tree.
#include "ui/win32/file_system_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "temp_folder_tree.h"
#include "win32/text.h"

namespace cindermoor::win32 {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class FileSystemWin32Test : public ::testing::Test {
 protected:
  testing::TempFolderTree tree;
  FileSystemWin32 files;
};

TEST_F(FileSystemWin32Test, ListsSubFoldersWithoutFilesOrDotEntries) {
  EXPECT_EQ(Sorted(files.SubFolders(tree.Games()).value()),
            (std::vector<std::string>{"Other", "Tribes"}));
  EXPECT_EQ(files.SubFolders(tree.Tribes()).value(), std::vector<std::string>{"base"});
  EXPECT_TRUE(files.SubFolders(tree.Games() + "\\Other").value().empty());
}

TEST_F(FileSystemWin32Test, AFolderThatCannotBeReadIsNotAnEmptyOne) {
  EXPECT_FALSE(files.SubFolders(tree.Games() + "\\Missing").has_value());
}

TEST_F(FileSystemWin32Test, FindsTheGameWhateverTheCaseOfItsName) {
  EXPECT_EQ(files.FilesMatching(tree.Tribes(), "Tribes.exe"),
            std::vector<std::string>{"TRIBES.EXE"});
  EXPECT_TRUE(files.FilesMatching(tree.Games(), "Tribes.exe").empty());
  EXPECT_TRUE(files.FilesMatching(tree.Games() + "\\Missing", "Tribes.exe").empty());
}

TEST_F(FileSystemWin32Test, ListsDrivesAndTheirCurrentFolders) {
  const auto drives = files.Drives();
  ASSERT_FALSE(drives.empty());
  const auto systemDrive = std::find_if(drives.begin(), drives.end(),
                                        [](const std::string& d) { return d.rfind("c:", 0) == 0; });
  ASSERT_NE(systemDrive, drives.end());

  const std::wstring previous = Widen(files.CurrentFolder());
  ASSERT_TRUE(::SetCurrentDirectoryW(Widen(tree.Games()).c_str()));
  EXPECT_EQ(files.CurrentFolder(), tree.Games());
  EXPECT_EQ(files.CurrentFolderOf(tree.Games().substr(0, 2)), tree.Games());
  ::SetCurrentDirectoryW(previous.c_str());
}

}  // namespace
}  // namespace cindermoor::win32
