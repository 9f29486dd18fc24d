// The servers window on screen: the view's options, the list of servers and the list of the
// selected server's players (standard list views, from comctl32, loaded when this window is
// first made) and the picture buttons; user actions go to ServersForm, which drives them.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/servers_form.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class ServersWindow : public ServersFormView, public TopLevelWindow {
 public:
  ServersWindow() = default;
  ~ServersWindow() { Destroy(); }

  // Loads the list views' library and creates the window, hidden; user actions go to the form
  // from then on. Throws FatalError when either cannot be had.
  void Create(ServersForm& form);

  void ShowChosenView(ServerView view) override;
  void ShowRowCount(std::size_t count) override;
  void ShowRowChanged(std::size_t index) override;
  void SelectRow(std::optional<std::size_t> index) override;
  void ShowPlayers(const std::vector<std::vector<std::string>>& lines) override;
  std::optional<std::string> AskPassword(const std::string& server) override;
  void ScheduleRefresh(int afterMs) override;
  void CancelRefresh() override;
  void Show() override;
  void Hide() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateControls();
  HWND AddListView(int id, DWORD style, const TwipRect& place);
  void PlaceButtons();
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  bool OnShortcutKey(WPARAM key) override;
  void FillServerText(NMLVDISPINFOW& item) const;
  void OnSize(WPARAM kind);

  ServersForm* form_ = nullptr;
  bool selectingFromForm_ = false;
  bool minimized_ = false;
};

}  // namespace cindermoor::win32
