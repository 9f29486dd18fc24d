// Measures, over several runs, how long a served link takes to start the game against
// starting the game directly and against the least a link handler can do (the empty window
// program showing its window, then starting the game), and the launcher's peak working set
// against an empty window's. On a shared machine the load drifts while it runs, so the
// launcher and the empty window take turns (which goes first alternates) and each run's
// ratio is taken from its own pair: the median of those ratios is what is compared.
// Usage: bench <launcher.exe> <game folder> <empty_window.exe> <stand-in log> <link> <runs>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Options {
  std::wstring launcher, gameFolder, emptyWindow, log, link;
  int runs = 10;
};

double Seconds() {
  LARGE_INTEGER now, frequency;
  ::QueryPerformanceCounter(&now);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The value below which this share of the values lie (0.5: the median).
double Quantile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const double position = share * static_cast<double>(values.size() - 1);
  const size_t below = static_cast<size_t>(position);
  const size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
}

double Median(const std::vector<double>& values) { return Quantile(values, 0.5); }

PROCESS_INFORMATION Start(const std::wstring& program, std::wstring commandLine,
                          const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  // Wine fails one process start in a few thousand (ERROR_INTERNAL_ERROR): once more, then give up.
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::wstring line = commandLine;
    if (::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
      return process;
    }
  }
  std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), ::GetLastError());
  ::ExitProcess(1);
}

void Close(PROCESS_INFORMATION& process, bool end) {
  if (end) ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

// The stand-in game writes its log line as soon as it runs.
bool WaitForLog(const std::wstring& log) {
  const double deadline = Seconds() + 20;
  WIN32_FILE_ATTRIBUTE_DATA data;
  while (Seconds() < deadline) {
    if (::GetFileAttributesExW(log.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow)
      return true;
    ::Sleep(1);
  }
  return false;
}

double TimeToGame(const std::wstring& program, const std::wstring& commandLine,
                  const std::wstring& folder, const std::wstring& log, SIZE_T* peak) {
  ::DeleteFileW(log.c_str());
  const double start = Seconds();
  PROCESS_INFORMATION process = Start(program, commandLine, folder);
  if (!WaitForLog(log)) {
    std::fprintf(stderr, "the game was not started by %ls\n", program.c_str());
    ::ExitProcess(1);
  }
  const double elapsed = Seconds() - start;
  if (peak) {
    ::Sleep(300);  // let the launcher settle with its quit window up
    PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
    ::GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters));
    *peak = counters.PeakWorkingSetSize;
  }
  Close(process, peak != nullptr);
  return elapsed;
}

SIZE_T EmptyWindowPeak(const std::wstring& program) {
  PROCESS_INFORMATION process = Start(program, L"empty_window.exe", L"");
  ::WaitForInputIdle(process.hProcess, 10000);
  ::Sleep(300);
  PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
  ::GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters));
  Close(process, true);
  return counters.PeakWorkingSetSize;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: bench launcher gamefolder emptywindow log link runs\n");
    return 2;
  }
  const Options o{argv[1], argv[2], argv[3], argv[4], argv[5], _wtoi(argv[6])};
  ::SetEnvironmentVariableW(L"CINDERMOOR_STANDIN_LOG", o.log.c_str());
  const std::wstring game = o.gameFolder + L"\\tribes.exe";

  const std::wstring gameArgs = L"tribes.exe +connect 10.0.0.1:28001";
  const std::wstring leastHandler = L"empty_window.exe \"" + game + L"\" \"" + gameArgs + L"\"";

  std::vector<double> direct, viaLauncher, viaLeast, ratios, launcherPeaks, emptyPeaks;
  for (int run = 0; run < o.runs; ++run) {
    direct.push_back(TimeToGame(game, gameArgs, o.gameFolder, o.log, nullptr));
    SIZE_T peak = 0;  // also ends the program measured, which stays with its window up
    const auto timeLeast = [&] {
      return TimeToGame(o.emptyWindow, leastHandler, o.gameFolder, o.log, &peak);
    };
    const auto timeLauncher = [&] {
      const double elapsed = TimeToGame(o.launcher, L"launcher.exe " + o.link, L"", o.log, &peak);
      launcherPeaks.push_back(static_cast<double>(peak));
      return elapsed;
    };
    const bool leastFirst = run % 2 == 0;
    const double first = leastFirst ? timeLeast() : timeLauncher();
    const double second = leastFirst ? timeLauncher() : timeLeast();
    viaLeast.push_back(leastFirst ? first : second);
    viaLauncher.push_back(leastFirst ? second : first);
    ratios.push_back(viaLauncher.back() / viaLeast.back());
    if (::GetEnvironmentVariableW(L"BENCH_EACH_RUN", nullptr, 0)) {
      std::printf("run %2d: launcher %6.1f ms, empty window %6.1f ms (%s first)\n", run + 1,
                  viaLauncher.back() * 1000, viaLeast.back() * 1000,
                  leastFirst ? "empty window" : "launcher");
    }
    emptyPeaks.push_back(static_cast<double>(EmptyWindowPeak(o.emptyWindow)));
  }
  const double floor = Median(direct), served = Median(viaLauncher), least = Median(viaLeast);
  const double launcherPeak = Median(launcherPeaks), emptyPeak = Median(emptyPeaks);
  std::printf("medians of %d runs, launcher and empty window in turn\n", o.runs);
  std::printf("game started directly:      %7.1f ms (the floor)\n", floor * 1000);
  std::printf("game started from a link:   %7.1f ms = %.2f x the floor (target 2.2)\n",
              served * 1000, served / floor);
  std::printf("game started by one window: %7.1f ms (the least a link handler does)\n",
              least * 1000);
  std::printf("link to game, launcher:     %7.3f x (median of the runs' ratios; target 1.03)\n",
              Median(ratios));
  std::printf("  ratios' quartiles:        %7.3f .. %.3f; ratio of the medians %.3f\n",
              Quantile(ratios, 0.25), Quantile(ratios, 0.75), served / least);
  // The fastest runs are those the other work on the machine disturbed least.
  std::printf("  fastest tenth:            %7.1f ms against %.1f ms = %.3f x\n",
              Quantile(viaLauncher, 0.1) * 1000, Quantile(viaLeast, 0.1) * 1000,
              Quantile(viaLauncher, 0.1) / Quantile(viaLeast, 0.1));
  std::printf("launcher peak working set:  %7.0f KiB\n", launcherPeak / 1024);
  std::printf("empty window peak set:      %7.0f KiB; launcher = %.2f x (target 1.5)\n",
              emptyPeak / 1024, launcherPeak / emptyPeak);
  return 0;
}
