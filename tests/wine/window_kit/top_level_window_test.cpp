// The top-level window base: a window that cannot be made is reported, and a window's object
// hears nothing more once it has begun to go.
#include "window_kit/win32/top_level_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/fatal_error.h"

namespace cindermoor::win32 {
namespace {

// Kept by the test, so it can be read after the probe is gone.
struct ProbeLog {
  bool membersGone = false;
  int lateMessages = 0;
};

// A base that outlives the window base (bases go in reverse order), so the probe can still
// count the messages that arrive while the window base is being destroyed.
struct LogHolder {
  ProbeLog* log;
};

class ProbeWindow : private LogHolder, public TopLevelWindow {
 public:
  ProbeWindow(ProbeLog& probeLog, bool refuseCreation)
      : LogHolder{&probeLog}, refuseCreation_(refuseCreation) {}

  void Create() {
    CreateTopLevel(this, {L"CindermoorProbeWindow", L"Probe", WS_OVERLAPPEDWINDOW, 0, 3000, 1500,
                          nullptr, nullptr});
    HWND box = AddChild(L"EDIT", "", WS_TABSTOP, 0, 1, {120, 120, 1500, 285});
    ShowCentred();
    ::SetFocus(box);
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (log->membersGone) ++log->lateMessages;
    if (message == WM_CREATE && refuseCreation_) return -1;
    return DefaultHandling(message, wParam, lParam);
  }

 private:
  // Marks the moment the probe's own members are destroyed.
  struct Sentinel {
    ProbeLog* log;
    ~Sentinel() { log->membersGone = true; }
  };

  bool refuseCreation_;
  Sentinel sentinel_{log};
};

TEST(TopLevelWindowTest, NoMessageReachesAWindowWhoseMembersAreGone) {
  ProbeLog log;
  auto probe = std::make_unique<ProbeWindow>(log, false);
  probe->Create();
  ASSERT_NE(probe->Handle(), nullptr);
  HWND window = probe->Handle();

  probe.reset();

  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(log.lateMessages, 0);
}

TEST(TopLevelWindowTest, AWindowThatCannotBeMadeIsReportedByName) {
  ProbeLog log;
  ProbeWindow probe(log, true);
  try {
    probe.Create();
    FAIL() << "creation was refused, yet reported as done";
  } catch (const FatalError& failure) {
    EXPECT_NE(std::string(failure.what()).find("\"Probe\""), std::string::npos) << failure.what();
  }
}

}  // namespace
}  // namespace cindermoor::win32
