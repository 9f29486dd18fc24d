// Benchmark of the server queries (run by tools/benchmark-servers.sh): asks a master, then
// every server it lists, as the servers window's All servers view does, and prints how long
// until every server had answered, how many did, the processor time spent while waiting
// between refreshes, and the working set after each refresh.
//   servers_bench MASTER_PORT REFRESHES SECONDS_BETWEEN
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "servers/win32/server_queries_win32.h"

namespace {

using cindermoor::QueryState;
using cindermoor::ServerAddress;
using cindermoor::ServerReport;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

class Refresh : public cindermoor::ServerQueryListener {
 public:
  void OnServerReport(const ServerReport& report) override {
    if (report.state == QueryState::Asking) return;
    ++ended;
    if (report.state == QueryState::Answered && report.pingMs > 0) {
      answered.insert(report.address.port);
      lastAnswer = Clock::now();
      maxPing = std::max(maxPing, report.pingMs);
    }
  }
  void OnMasterList(const std::vector<ServerAddress>& servers) override {
    listed = servers.size();
    queries->AskServers(servers);
  }
  bool Done() const { return listed && ended == *listed; }
  void Start() {
    listed.reset();
    ended = 0;
    answered.clear();
    maxPing = 0;
    queries->AskMasters({master});
  }

  ServerAddress master;
  std::unique_ptr<cindermoor::ServerQueries> queries;
  std::optional<std::size_t> listed;
  std::size_t ended = 0;
  std::set<int> answered;
  Clock::time_point lastAnswer;
  int maxPing = 0;
};

// Handles messages, sleeping in the message wait (so what wakes the program is only the
// queries' own messages), until `done` or `seconds` have passed.
template <typename Done>
void Pump(Done done, double seconds) {
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (!done() && Clock::now() < end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()) + 1,
                                QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
  }
}

double ProcessorSeconds() {
  FILETIME created, exited, kernel, user;
  ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto value = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(value(kernel) + value(user)) / 1e7;
}

std::size_t WorkingSetKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: servers_bench MASTER_PORT REFRESHES SECONDS_BETWEEN\n");
    return 2;
  }
  const ServerAddress master{"127.0.0.1", static_cast<std::uint16_t>(std::atoi(argv[1]))};
  const int refreshes = std::atoi(argv[2]);
  const double between = std::atof(argv[3]);
  int failures = 0;
  // One for the run, as the servers window keeps one while it is open.
  Refresh refresh;
  refresh.master = master;
  refresh.queries = cindermoor::MakeServerQueries(refresh);
  for (int i = 1; i <= refreshes; ++i) {
    const auto click = Clock::now();
    refresh.Start();
    Pump([&] { return refresh.Done(); }, 10);
    const std::size_t listed = refresh.listed.value_or(0);
    const bool all = listed > 0 && refresh.answered.size() == listed;
    failures += all ? 0 : 1;
    const double waitStart = ProcessorSeconds();
    Pump([] { return false; }, between);
    std::printf(
        "refresh %d: %zu listed, %zu answered, %zu lost, all answered %.3f s after the click "
        "(slowest ping %d ms); processor while waiting %.0f ms over %.1f s; working set %zu "
        "KiB\n",
        i, listed, refresh.answered.size(), listed - refresh.answered.size(),
        Seconds(refresh.lastAnswer - click), refresh.maxPing,
        (ProcessorSeconds() - waitStart) * 1000, between, WorkingSetKiB());
    std::fflush(stdout);
  }
  return failures == 0 ? 0 : 1;
}
