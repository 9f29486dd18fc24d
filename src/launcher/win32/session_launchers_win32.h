// The launchers of one user's session find each other: a named mutex lets one start at a time
// decide, and each launcher that went on keeps a message-only window whose text tells later
// starts what it shows. Both die with their process, so a launcher that crashed blocks nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "launcher/session_launchers.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

class SessionLaunchersWin32 : public SessionLaunchers {
 public:
  // `frontWindow` gives the window this launcher brings to the front when a later start asks.
  explicit SessionLaunchersWin32(std::function<HWND()> frontWindow)
      : frontWindow_(std::move(frontWindow)) {}
  ~SessionLaunchersWin32() override;

  std::vector<RunningLauncher> TakeTurn() override;
  void Announce(const std::optional<GameLink>& served) override;
  void BringToFront(size_t launcher) override;

  // The hand-over window's messages, through InstanceWindowProc as every window's; the window
  // is this object's from its first message on.
  void Attach(HWND window) { window_.reset(window); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool CreateWindowToBeFound();
  void ComeToFront() const;
  void GiveBackTurn();

  std::function<HWND()> frontWindow_;
  UniqueHandle turnMutex_;
  bool holdsTurn_ = false;
  UniqueHwnd window_;
  std::vector<HWND> others_;  // in the order of TakeTurn's list
};

}  // namespace cindermoor::win32
