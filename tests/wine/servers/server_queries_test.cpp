// The real socket against the stand-in servers (tools/stand_in/game_servers.py), started as
// a Linux program: answers come through this thread's message loop, and the rules of what is
// taken hold on the wire.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "servers/win32/server_queries_win32.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor {
namespace {

using Clock = std::chrono::steady_clock;

struct TimedListener : ServerQueryListener {
  void OnServerReport(const ServerReport& report) override {
    if (report.state == QueryState::Asking) return;
    reports[report.address.port] = report;
    seconds[report.address.port] = std::chrono::duration<double>(Clock::now() - start).count();
  }
  void OnMasterList(const std::vector<ServerAddress>& servers) override { masterList = servers; }
  Clock::time_point start = Clock::now();
  std::map<int, ServerReport> reports;
  std::map<int, double> seconds;
  std::optional<std::vector<ServerAddress>> masterList;
};

// Handles this thread's messages until `done` or the deadline.
template <typename Done>
bool PumpUntil(Done done, double seconds = 10) {
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (Clock::now() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  }
  return true;
}

class StandInServers {
 public:
  // Servers by what they do wrong ("" for nothing); their ports come back in the same order.
  explicit StandInServers(const std::vector<std::string>& bad) {
    const std::string base = "/tmp/cm-servers-test-" + std::to_string(::GetCurrentProcessId()) +
                             "-" + std::to_string(Clock::now().time_since_epoch().count());
    std::ofstream config(WindowsPath(base + ".json"));
    config << R"({"master": {"per_packet": 2}, "servers": [)";
    for (std::size_t i = 0; i < bad.size(); ++i) {
      config << (i ? "," : "") << R"({"name": "Server )" << i << R"(", "delay_ms": 30, )"
             << R"("password": true, "players": [{"name": "Kim", "team": 1, "score": 4}], )"
             << R"("bad": ")" << bad[i] << R"("})";
    }
    config << "]}";
    base_ = base;
    config.close();
    std::wstring commandLine =
        win32::Widen("python3 -B " CM_STAND_IN_SERVERS " --lifetime 60 --config " + base +
                     ".json --ready " + base + ".ready");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(L"Z:\\usr\\bin\\python3", commandLine.data(), nullptr, nullptr, FALSE, 0,
                         nullptr, nullptr, &startup, &process)) {
      process_.reset(process.hProcess);
      ::CloseHandle(process.hThread);
    }
    PumpUntil([&] { return ReadReady(base + ".ready"); }, 20);
  }
  ~StandInServers() {
    if (process_) ::TerminateProcess(process_.get(), 0);
    for (const char* kind : {".json", ".ready"}) ::DeleteFileA(WindowsPath(base_ + kind).c_str());
  }

  std::uint16_t master = 0;
  std::vector<std::uint16_t> servers;

 private:
  static std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
  }
  bool ReadReady(const std::string& file) {
    std::ifstream ready(WindowsPath(file));
    std::stringstream text;
    text << ready.rdbuf();
    const std::string json = text.str();
    std::smatch found;
    if (!std::regex_search(json, found, std::regex(R"("master": (\d+))"))) return false;
    master = static_cast<std::uint16_t>(std::stoi(found[1]));
    const std::regex number(R"(\d+)");
    const std::string list = json.substr(json.find('['));
    for (auto it = std::sregex_iterator(list.begin(), list.end(), number);
         it != std::sregex_iterator(); ++it) {
      servers.push_back(static_cast<std::uint16_t>(std::stoi(it->str())));
    }
    return true;
  }
  win32::UniqueHandle process_;
  std::string base_;
};

TEST(ServerQueriesWin32, AsksThroughTheMessageLoop) {
  const StandInServers standIn({"", "silent", "wrong_port", "double", "cut", ""});
  ASSERT_EQ(standIn.servers.size(), 6u);
  // Winsock is loaded by the first queries, not before.
  EXPECT_FALSE(::GetModuleHandleW(L"ws2_32.dll"));
  TimedListener listener;
  const auto queries = MakeServerQueries(listener);
  EXPECT_TRUE(::GetModuleHandleW(L"ws2_32.dll"));
  std::vector<ServerAddress> servers;
  for (const std::uint16_t port : standIn.servers) servers.push_back({"127.0.0.1", port});
  servers.back().host = "localhost";  // a name, resolved without waiting
  listener.start = Clock::now();
  queries->AskServers(servers);
  EXPECT_TRUE(listener.reports.empty());  // nothing has waited for the network
  ASSERT_TRUE(PumpUntil([&] { return listener.reports.size() == servers.size(); }));

  const auto state = [&](int i) { return listener.reports[standIn.servers[i]].state; };
  for (const int answered : {0, 5}) {
    const ServerReport& report = listener.reports[standIn.servers[answered]];
    ASSERT_EQ(report.state, QueryState::Answered) << answered;
    EXPECT_EQ(report.status->name, "Server " + std::to_string(answered));
    EXPECT_TRUE(report.status->needsPassword);
    EXPECT_EQ(report.status->playerList.at(0).team, "Diamond Sword");
    EXPECT_GE(report.pingMs, 25);
    EXPECT_LT(report.pingMs, 300);
    EXPECT_LT(listener.seconds[standIn.servers[answered]], 0.4);
  }
  EXPECT_EQ(state(1), QueryState::NotAnswering);
  EXPECT_EQ(state(2), QueryState::NotAnswering);  // its answers come from another port
  EXPECT_EQ(state(3), QueryState::BadAnswer);
  EXPECT_EQ(state(4), QueryState::BadAnswer);
  // Given up after two retries 0.5 s apart, and not long after.
  EXPECT_GE(listener.seconds[standIn.servers[1]], 1.45);
  EXPECT_LT(listener.seconds[standIn.servers[1]], 2.0);
}

TEST(ServerQueriesWin32, ReadsAMastersPackets) {
  const StandInServers standIn({"", "", "", "", ""});
  ASSERT_EQ(standIn.servers.size(), 5u);
  TimedListener listener;
  const auto queries = MakeServerQueries(listener);
  queries->AskMasters({{"127.0.0.1", standIn.master}});
  ASSERT_TRUE(PumpUntil([&] { return listener.masterList.has_value(); }));
  ASSERT_EQ(listener.masterList->size(), 5u);  // in three packets
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ((*listener.masterList)[i], (ServerAddress{"127.0.0.1", standIn.servers[i]}));
  }
}

}  // namespace
}  // namespace cindermoor
