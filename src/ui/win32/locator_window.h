// The game locator window on screen: a borderless black window with drive, folder and file
// lists in yellow and an OK picture; user actions go to LocatorForm, which drives the lists.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/locator_form.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class LocatorWindow : public LocatorFormView, public TopLevelWindow {
 public:
  LocatorWindow() = default;
  ~LocatorWindow() { Destroy(); }

  // Creates the window, hidden; user actions are routed to the form from then on.
  void Create(LocatorForm& form);

  void SetDrives(const std::vector<std::string>& drives) override;
  void SelectDrive(int index) override;
  void SetFolders(const std::vector<FolderEntry>& entries, size_t current) override;
  void SetFiles(const std::vector<std::string>& files) override;
  void ShowMessage(const std::string& text) override;
  void Show() override;
  void Hide() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateControls();
  void OnCommand(int id, int code);
  void FillList(int id, const std::vector<std::wstring>& lines, int selected);
  void Paint(HDC dc) const override;

  LocatorForm* form_ = nullptr;
};

}  // namespace cindermoor::win32
