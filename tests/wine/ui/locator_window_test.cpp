// The game locator window on screen, browsing a throwaway folder tree on the real disk.
#include "ui/win32/locator_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ui/forms_world.h"
#include "temp_folder_tree.h"
#include "ui/locator_form.h"
#include "ui/win32/file_system_win32.h"
#include "win32/text.h"
#include "window_kit/win32/window_instance.h"
#include "window_pixels.h"

namespace cindermoor::win32 {
namespace {

constexpr Rgb kYellow{255, 255, 0};

std::vector<std::string> LinesOf(HWND list) {
  std::vector<std::string> lines;
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring line(static_cast<size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    line.resize(static_cast<size_t>(
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
    lines.push_back(Narrow(line));
  }
  return lines;
}

// Line `index` of a list box as the mouse reaches it: a press and a release, twice for a
// double click.
void ClickLine(HWND list, int index, bool twice) {
  RECT item{};
  ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(list, WM_LBUTTONUP, 0, at);
  if (!twice) return;
  ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(list, WM_LBUTTONUP, 0, at);
}

int LineIndexEndingWith(HWND list, const std::string& name) {
  const auto lines = LinesOf(list);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() >= name.size() &&
        lines[i].compare(lines[i].size() - name.size(), name.size(), name) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

class LocatorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ScreenDpi(), 96) << "the sizes below are the 96-DPI design";
    previousFolder = Widen(files.CurrentFolder());
    ASSERT_TRUE(::SetCurrentDirectoryW(Widen(tree.Games()).c_str()));
    window.Create(form);
    ASSERT_NE(window.Handle(), nullptr);
    driveList = ::FindWindowExW(window.Handle(), nullptr, L"ComboBox", nullptr);
    folderList = ::FindWindowExW(window.Handle(), nullptr, L"ListBox", nullptr);
    fileList = ::FindWindowExW(window.Handle(), folderList, L"ListBox", nullptr);
    ASSERT_TRUE(driveList && folderList && fileList);
    world.form.Hide();
    form.Show();
  }
  void TearDown() override { ::SetCurrentDirectoryW(previousFolder.c_str()); }

  testing::TempFolderTree tree;
  FileSystemWin32 files;
  std::wstring previousFolder;
  fakes::FormsWorld world;
  LocatorWindow window;
  LocatorForm form{world.settings, world.form, files, window};
  HWND driveList = nullptr;
  HWND folderList = nullptr;
  HWND fileList = nullptr;
};

TEST_F(LocatorWindowTest, IsABorderlessWindowOfTheDesignSize) {
  RECT client{};
  ::GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 417);
  EXPECT_EQ(client.bottom, 273);
  EXPECT_EQ(::GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(WindowText(window.Handle()), L"Location of Tribes.exe");
  RECT closedDrives{};
  ::GetWindowRect(driveList, &closedDrives);
  EXPECT_EQ(closedDrives.bottom - closedDrives.top, 21);
  // Keyboard order: the drives, the folders, the files.
  EXPECT_EQ(::GetNextDlgTabItem(window.Handle(), driveList, FALSE), folderList);
  EXPECT_EQ(::GetNextDlgTabItem(window.Handle(), folderList, FALSE), fileList);
}

TEST_F(LocatorWindowTest, DrawsTheYellowFrameOnBlack) {
  testing::PrintedWindow printed(window.Handle());

  for (POINT corner : {POINT{0, 0}, POINT{416, 0}, POINT{0, 272}, POINT{416, 272}, POINT{200, 0}}) {
    EXPECT_EQ(printed.at(corner.x, corner.y), kYellow) << corner.x << "," << corner.y;
  }
  EXPECT_EQ(printed.at(3, 3), kBlack);
  EXPECT_EQ(printed.at(1, 1), kBlack);
  EXPECT_EQ(printed.at(200, 255), kBlack);  // between the drive list and the frame
}

TEST_F(LocatorWindowTest, StartsAtTheCurrentFolderWithItsChainAndSubFolders) {
  const auto lines = LinesOf(folderList);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "C:\\");
  EXPECT_EQ(lines[lines.size() - 3], std::string(2 * (lines.size() - 3), ' ') + "Games");
  EXPECT_EQ(lines[lines.size() - 2], std::string(2 * (lines.size() - 2), ' ') + "Other");
  EXPECT_EQ(lines.back(), std::string(2 * (lines.size() - 2), ' ') + "Tribes");
  EXPECT_EQ(::SendMessageW(folderList, LB_GETCURSEL, 0, 0), static_cast<LRESULT>(lines.size() - 3));
  EXPECT_TRUE(LinesOf(fileList).empty());
  const auto drive = ::SendMessageW(driveList, CB_GETCURSEL, 0, 0);
  ASSERT_GE(drive, 0);
  EXPECT_EQ(form.Drives()[static_cast<size_t>(drive)].substr(0, 2), "c:");
}

TEST_F(LocatorWindowTest, ASingleClickHighlightsAndADoubleClickOpens) {
  const int tribes = LineIndexEndingWith(folderList, "Tribes");
  ASSERT_GE(tribes, 0);

  ClickLine(folderList, tribes, false);
  EXPECT_EQ(form.FolderPath(), tree.Games());
  EXPECT_EQ(::SendMessageW(folderList, LB_GETCURSEL, 0, 0), tribes);

  ClickLine(folderList, tribes, true);
  EXPECT_EQ(form.FolderPath(), tree.Tribes());
  EXPECT_EQ(form.FileListFolder(), tree.Tribes());
  EXPECT_EQ(LinesOf(fileList), std::vector<std::string>{"TRIBES.EXE"});
}

TEST_F(LocatorWindowTest, OkStoresTheFolderAndReturnsToTheMainWindow) {
  ClickLine(folderList, LineIndexEndingWith(folderList, "Tribes"), true);
  HWND ok = ::FindWindowExW(window.Handle(), nullptr, L"CindermoorPicture", nullptr);
  ASSERT_NE(ok, nullptr);

  ::SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ::SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));

  EXPECT_EQ(world.settings.Read(setting::kTribesPath), tree.Tribes());
  EXPECT_EQ(world.form.GameFolder(), tree.Tribes());
  EXPECT_TRUE(world.form.IsVisible());
  EXPECT_FALSE(::IsWindowVisible(window.Handle()));
}

TEST_F(LocatorWindowTest, AKeyboardCloseReturnsWithoutStoring) {
  ::SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);

  EXPECT_EQ(world.settings.Read(setting::kTribesPath), "");
  EXPECT_TRUE(world.form.IsVisible());
  EXPECT_TRUE(::IsWindow(window.Handle()));
  EXPECT_FALSE(::IsWindowVisible(window.Handle()));
}

// As the program's message loop hands a key to the dialog manager.
TEST_F(LocatorWindowTest, EscIsItsCloseAndEnterInAListIsItsOk) {
  const auto press = [this](HWND focus, WPARAM key) {
    ::SetFocus(focus);
    MSG message{focus, WM_KEYDOWN, key, 0, 0, {}};
    ::IsDialogMessageW(window.Handle(), &message);
  };
  press(fileList, VK_ESCAPE);
  EXPECT_FALSE(::IsWindowVisible(window.Handle()));
  EXPECT_EQ(world.settings.Read(setting::kTribesPath), "");

  form.Show();
  ClickLine(folderList, LineIndexEndingWith(folderList, "Tribes"), true);
  press(folderList, VK_RETURN);
  EXPECT_FALSE(::IsWindowVisible(window.Handle()));
  EXPECT_EQ(world.settings.Read(setting::kTribesPath), tree.Tribes());
}

}  // namespace
}  // namespace cindermoor::win32
