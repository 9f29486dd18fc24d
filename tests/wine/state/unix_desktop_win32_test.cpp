// The Linux side through Wine's own exports, on files in a throwaway folder.
#include "state/win32/unix_desktop_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "win32/text.h"

namespace cindermoor::win32 {
namespace {

using State = UnixFileRead::State;

class UnixDesktopWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_NE(::GetTempPathW(MAX_PATH, temp), 0u);
    windowsRoot_ = Narrow(temp) + "cm-unix-" + std::to_string(::GetCurrentProcessId());
    const std::optional<std::string> unixRoot = desktop_.UnixPath(windowsRoot_);
    ASSERT_TRUE(unixRoot);
    root_ = *unixRoot;
    list_ = root_ + "/a b/f\xC3\xBCr 'q'/mimeapps.list";
  }
  void TearDown() override {
    (void)desktop_.RemoveUnixFile(list_);
    for (const char* folder : {"\\a b\\f\xC3\xBCr 'q'", "\\a b", ""}) {
      ::RemoveDirectoryW(Widen(windowsRoot_ + folder).c_str());
    }
  }

  UnixDesktopWin32 desktop_;
  std::string windowsRoot_;
  std::string root_;
  // Blanks, a quote and a non-ASCII letter on the way, in folders that do not exist yet.
  std::string list_;
};

TEST_F(UnixDesktopWin32Test, UnderWineTheLinuxSideIsThere) {
  EXPECT_TRUE(desktop_.UnderWine());
  EXPECT_TRUE(desktop_.Environment("WINECONFIGDIR").value_or("").starts_with("\\??\\"));
  EXPECT_FALSE(desktop_.Environment("CINDERMOOR_SURELY_NOT_SET"));
}

TEST_F(UnixDesktopWin32Test, WriteCreatesFoldersAndReplacesTheWholeFile) {
  ASSERT_EQ(desktop_.ReadUnixFile(list_).state, State::Absent);
  const std::string bytes("a\r\nb\0c\xC3\xBC\n", 9);

  ASSERT_TRUE(desktop_.WriteUnixFile(list_, bytes).Succeeded());
  const UnixFileRead first = desktop_.ReadUnixFile(list_);
  EXPECT_EQ(first.state, State::Read);
  EXPECT_EQ(first.text, bytes);
  // The same file, seen from Windows where the Unix path says.
  EXPECT_NE(
      ::GetFileAttributesW(Widen(windowsRoot_ + "\\a b\\f\xC3\xBCr 'q'\\mimeapps.list").c_str()),
      INVALID_FILE_ATTRIBUTES);

  ASSERT_TRUE(desktop_.WriteUnixFile(list_, "short").Succeeded());
  EXPECT_EQ(desktop_.ReadUnixFile(list_).text, "short");
  EXPECT_EQ(desktop_.ReadUnixFile(list_ + ".new").state, State::Absent);
}

TEST_F(UnixDesktopWin32Test, WhatCannotBeReadOrWrittenIsNotTakenForAbsent) {
  ASSERT_TRUE(desktop_.WriteUnixFile(list_, "x").Succeeded());
  const std::string folder = root_ + "/a b";

  const UnixFileRead read = desktop_.ReadUnixFile(folder);
  EXPECT_EQ(read.state, State::Unreadable);
  EXPECT_NE(read.text.find(folder), std::string::npos) << read.text;

  const std::string belowAFile = list_ + "/x";
  const Outcome written = desktop_.WriteUnixFile(belowAFile, "x");
  EXPECT_FALSE(written.Succeeded());
  EXPECT_NE(written.Reason().find(belowAFile), std::string::npos) << written.Reason();
}

TEST_F(UnixDesktopWin32Test, RemovingTwiceSucceedsTwice) {
  ASSERT_TRUE(desktop_.WriteUnixFile(list_, "x").Succeeded());
  EXPECT_TRUE(desktop_.RemoveUnixFile(list_).Succeeded());
  EXPECT_EQ(desktop_.ReadUnixFile(list_).state, State::Absent);
  EXPECT_TRUE(desktop_.RemoveUnixFile(list_).Succeeded());
}

}  // namespace
}  // namespace cindermoor::win32
