// The Linux side through Wine's own exports, on files in a throwaway folder.
#include "desktop/win32/unix_desktop_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

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

  // Runs a shell command in folder (made when missing) on the Linux side and waits until it is
  // done; its output is the result. Wine starts Unix programs but hands back nothing to wait
  // on, so the command leaves a mark when it has run.
  std::string OnLinux(const std::string& folder, const std::string& command) {
    const std::string out = root_ + "/.out";
    const std::string mark = root_ + "/.done";
    std::wstring line = Widen("/bin/sh -c \"mkdir -p '" + folder + "' && cd '" + folder +
                              "' && { " + command + "; } >'" + out + "' 2>&1; : >'" + mark + "'\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &started)) {
      return "not started";
    }
    for (int i = 0; i < 200 && desktop_.ReadUnixFile(mark).state != State::Read; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    (void)desktop_.RemoveUnixFile(mark);
    const std::string output = desktop_.ReadUnixFile(out).text;
    (void)desktop_.RemoveUnixFile(out);
    return output;
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

// The user's file as they keep it, written on real files: through a symlink, kept private,
// hard-linked, beside a file of the user's, read-only, or on a disk that is full. After the
// write the file is the same kind of file with the same permissions and links, and nothing of
// ours is left beside it.
TEST_F(UnixDesktopWin32Test, WriteKeepsTheFileAsTheUserKeepsIt) {
  const struct {
    const char* name;
    const char* prepare;
    const char* left;                 // the file's text after the write
    const char* kindAfter = nullptr;  // made as the files should be after it; else as before
  } cases[] = {
      {"a link into the user's dotfiles",
       "mkdir dots && printf old >dots/list && chmod 644 dots/list && ln -s dots/list list", "new"},
      {"a link whose file is not there yet", "mkdir dots && ln -s dots/list list", "new",
       "mkdir dots && : >dots/list && ln -s dots/list list"},
      {"private to its owner", "printf old >list && chmod 600 list", "new"},
      {"one of two hard links", "printf old >list && ln list other", "new"},
      {"beside the user's own list.new", "printf old >list && printf mine >list.new", "new"},
      {"beside ours that killed launchers left, and the user's own",
       "printf old >list && printf part >list.cindermoor-4242.new && : >list.cindermoor-8-1.new && "
       "printf mine >list.cindermoor-mine.new && printf mine >list.cindermoor-9.old",
       "new", "printf old >list && : >list.cindermoor-mine.new && : >list.cindermoor-9.old"},
      {"read-only", "printf old >list && chmod 444 list", "old"},
      // Last: a small disk of its own needs the right to mount one.
      {"a full disk",
       "mount -t tmpfs -o size=8k tmpfs . && cd ../kept && printf old >list && cat /dev/zero "
       ">filler",
       "old"},
  };
  const std::string folder = root_ + "/kept";
  const std::string list = folder + "/list";
  const std::string reset = "umount kept 2>/dev/null; rm -rf kept && mkdir kept";
  const std::string kind = "stat -c %F list; stat -L -c '%a %h' list; ls -A . dots 2>/dev/null";
  for (const auto& c : cases) {
    std::string expected;
    if (c.kindAfter) {
      OnLinux(root_, reset);
      OnLinux(folder, c.kindAfter);
      expected = OnLinux(folder, kind);
    }
    OnLinux(root_, reset);
    const std::string prepared = OnLinux(folder, c.prepare);
    if (prepared.find("mount") != std::string::npos) GTEST_SKIP() << prepared;
    if (!c.kindAfter) expected = OnLinux(folder, kind);

    const Outcome written = desktop_.WriteUnixFile(list, "new");

    EXPECT_EQ(written.Succeeded(), std::string(c.left) == "new") << c.name;
    if (!written.Succeeded()) {
      EXPECT_NE(written.Reason().find(list), std::string::npos)
          << c.name << ": " << written.Reason();
    }
    EXPECT_EQ(desktop_.ReadUnixFile(list).text, c.left) << c.name;
    EXPECT_EQ(OnLinux(folder, kind), expected) << c.name;
  }
  OnLinux(root_, "umount kept; rm -rf kept");
}

}  // namespace
}  // namespace cindermoor::win32
