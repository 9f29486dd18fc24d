// Starts the stand-in voice client and game (built beside this test) with the real
// starter and checks, from the line each stand-in logs, exactly how it was started.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "doubles/memory_log_file.h"
#include "doubles/memory_registry.h"
#include "doubles/memory_settings_store.h"
#include "doubles/recording_programs.h"
#include "doubles/recording_url_opener.h"
#include "external/outside_programs.h"
#include "external/win32/program_starter_win32.h"
#include "log/event_log.h"
#include "voice/voice_clients.h"
#include "win32/text.h"

namespace cindermoor {
namespace {

namespace fs = std::filesystem;
using win32::Narrow;

constexpr const char* kVoiceKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";

fs::path OwnFolder() {
  std::wstring path(32768, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return fs::path(path).parent_path();
}

std::string Utf8(const fs::path& path) { return Narrow(path.wstring()); }

struct LogLine {
  std::string program, folder, show, tail;
};

// The stand-in writes name, folder and show command tab-separated; the tail is the rest.
LogLine ParseLogLine(const std::string& line) {
  LogLine parsed;
  std::string* fields[] = {&parsed.program, &parsed.folder, &parsed.show};
  std::size_t start = 0;
  for (std::string* field : fields) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string::npos) return parsed;
    *field = line.substr(start, tab - start);
    start = tab + 1;
  }
  parsed.tail = line.substr(start);
  return parsed;
}

class StandInStartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Blanks and a non-ASCII letter in every folder, as real install folders have them.
    root_ = fs::temp_directory_path() / (L"cm test " + std::to_wstring(::GetCurrentProcessId())) /
            test->name();
    std::error_code ignored;  // leftovers of an earlier run whose process had the same id
    fs::remove_all(root_, ignored);
    voiceFolder_ = root_ / L"Roger Wilco \u00e9";
    gameFolder_ = root_ / L"Star Tribes";
    fs::create_directories(voiceFolder_);
    fs::create_directories(gameFolder_);
    fs::copy_file(OwnFolder() / L"roger.exe", voiceFolder_ / L"roger.exe");
    fs::copy_file(OwnFolder() / L"tribes.exe", gameFolder_ / L"tribes.exe");
    logPath_ = root_ / L"stand-in log.txt";
    ::SetEnvironmentVariableW(L"CINDERMOOR_STANDIN_LOG", logPath_.c_str());
  }

  void TearDown() override {
    ::SetEnvironmentVariableW(L"CINDERMOOR_STANDIN_LOG", nullptr);
    ::SetCurrentDirectoryW(OwnFolder().c_str());
    std::error_code ignored;  // a stand-in still exiting may hold its file a moment longer
    fs::remove_all(root_, ignored);
    fs::remove(root_.parent_path(), ignored);  // only once it is empty
  }

  std::vector<std::string> LoggedLines() {
    std::ifstream file(logPath_, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  // Waits for line number `index` (0-based); program starts under Wine are sometimes slow.
  std::optional<LogLine> WaitForLine(std::size_t index) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    do {
      const std::vector<std::string> lines = LoggedLines();
      if (lines.size() > index) return ParseLogLine(lines[index]);
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
  }

  void ExpectLine(std::size_t index, const LogLine& expected) {
    const std::optional<LogLine> line = WaitForLine(index);
    ASSERT_TRUE(line) << "the stand-in logged no line within 20 s";
    EXPECT_EQ(line->program, expected.program);
    EXPECT_EQ(line->folder, expected.folder);
    EXPECT_EQ(line->show, expected.show);
    EXPECT_EQ(line->tail, expected.tail);
  }

  fs::path root_, voiceFolder_, gameFolder_, logPath_;
  win32::ProgramStarterWin32 starter_;
};

TEST_F(StandInStartsTest, TheGameAndRogerWilcoStartAsAsked) {
  MemoryRegistry registry;
  registry.PutString(RegRoot::LocalMachine, kVoiceKey, "Path", Utf8(voiceFolder_), RegView::Bit32);
  MemorySettingsStore store;
  LauncherSettings settings(store);
  settings.Write("TribesPath", Utf8(gameFolder_));
  RecordingWebOpener webOpener;
  OutsidePrograms programs(registry, settings, starter_, webOpener);
  MemoryLogFile logFile;
  EventLog log(logFile);
  RecordingUrlOpener urls;
  VoiceClients clients({programs, urls, log});
  VoiceClient& rogerWilco = clients.At(clients.Chosen("RogerWilco"));

  const std::string voice = Utf8(voiceFolder_), game = Utf8(gameFolder_);
  const struct {
    std::function<void()> start;
    LogLine expected;
  } cases[] = {
      {[&] { (void)rogerWilco.Start(" /join1 rw.cindermoor.example/100128001 vortamb"); },
       {"roger.exe", voice, "6", "/join1 rw.cindermoor.example/100128001 vortamb"}},
      {[&] { programs.StartGame(" +connect 10.0.0.1:28001 +password a  b\t\"c\" +record"); },
       {"tribes.exe", game, "1", "+connect 10.0.0.1:28001 +password a  b\t\"c\" +record"}},
      {[&] { rogerWilco.Quit(); }, {"roger.exe", voice, "1", "/shutdown"}},
      {[&] { (void)rogerWilco.Start(""); }, {"roger.exe", voice, "6", ""}},
  };
  // One start at a time, so the log's lines come in the order of the cases.
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    cases[i].start();
    ExpectLine(i, cases[i].expected);
  }
}

// The stand-in logs and ends at once: a start that waits for the program to come up returns
// after its line, unless the wait ran out first.
TEST_F(StandInStartsTest, AStartThatWaitsReturnsOnceTheProgramIsUp) {
  const auto before = std::chrono::steady_clock::now();
  starter_.Start({Utf8(gameFolder_ / L"tribes.exe"), Utf8(gameFolder_), "tribes.exe",
                  ShowCommand::Normal, true});
  if (LoggedLines().empty()) {
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(50));
  }
}

TEST_F(StandInStartsTest, TheCommandLineArrivesUnchanged) {
  const std::string tail = "\"quoted part\"   x\ty \"\" \\\" caf\u00e9 ";
  starter_.Start({Utf8(voiceFolder_ / L"roger.exe"), Utf8(voiceFolder_),
                  "\"" + Utf8(voiceFolder_ / L"roger.exe") + "\"  \t" + tail,
                  ShowCommand::Minimized});
  ExpectLine(0, {"roger.exe", Utf8(voiceFolder_), "6", tail});
}

TEST_F(StandInStartsTest, TheLaunchersOwnFolderIsNotSearched) {
  // tribes.exe lies beside this test and in the current folder, but not in the game folder.
  fs::remove(gameFolder_ / L"tribes.exe");
  ASSERT_TRUE(fs::exists(OwnFolder() / L"tribes.exe"));
  ::SetCurrentDirectoryW(OwnFolder().c_str());
  const std::string expectedPath = Utf8(gameFolder_ / L"tribes.exe");

  try {
    starter_.Start(
        {expectedPath, Utf8(gameFolder_), "tribes.exe +connect h:1", ShowCommand::Normal});
    ADD_FAILURE() << "a program was started although the game folder has none";
  } catch (const FatalError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(expectedPath), std::string::npos) << message;
    EXPECT_NE(message.find("(error 2)"), std::string::npos) << message;
  }
  EXPECT_TRUE(LoggedLines().empty());
}

TEST_F(StandInStartsTest, AMissingFolderIsNamedWithTheReason) {
  const std::string missing = Utf8(root_ / L"No Such Folder");
  try {
    starter_.Start({missing + "\\roger.exe", missing, "roger.exe", ShowCommand::Normal});
    ADD_FAILURE() << "starting from a missing folder succeeded";
  } catch (const FatalError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(missing), std::string::npos) << message;
    EXPECT_NE(message.find("(error 2)"), std::string::npos) << message;
  }
}

TEST_F(StandInStartsTest, FileExistsMeansAFileNotAFolder) {
  EXPECT_TRUE(starter_.FileExists(Utf8(gameFolder_ / L"tribes.exe")));
  EXPECT_FALSE(starter_.FileExists(Utf8(gameFolder_)));
  EXPECT_FALSE(starter_.FileExists(Utf8(gameFolder_ / L"missing.exe")));
}

}  // namespace
}  // namespace cindermoor
