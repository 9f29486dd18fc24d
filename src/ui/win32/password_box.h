// The small box that asks for a server's password before joining it: a label naming the
// server, a hidden-text entry box, OK and Cancel. What is typed is handed back and kept nowhere.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32/unique_handle.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class PasswordBox : public TopLevelWindow {
 public:
  PasswordBox() = default;
  ~PasswordBox() { Destroy(); }

  // Shows the box in front of `owner`, which takes no input meanwhile, and returns once the
  // player answers: the password, or nullopt for Cancel, Esc or the close box.
  std::optional<std::string> Ask(HWND owner, const std::string& server);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateControls(const std::string& server);
  void Answer(bool ok);

  UniqueHbrush boxBrush_;
  bool answered_ = false;
  std::optional<std::string> password_;
};

}  // namespace cindermoor::win32
