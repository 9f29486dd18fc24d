// The game locator window on screen: a borderless black window with drive, folder and file
// lists in yellow and an OK picture; user actions go to LocatorForm, which drives the lists.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/locator_form.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

class LocatorWindow : public LocatorFormView {
 public:
  LocatorWindow() = default;
  LocatorWindow(const LocatorWindow&) = delete;
  LocatorWindow& operator=(const LocatorWindow&) = delete;
  ~LocatorWindow() override;

  // Creates the window, hidden; user actions are routed to the form from then on.
  void Create(LocatorForm& form);
  HWND Handle() const { return window_; }

  void SetDrives(const std::vector<std::string>& drives) override;
  void SelectDrive(int index) override;
  void SetFolders(const std::vector<FolderEntry>& entries, size_t current) override;
  void SetFiles(const std::vector<std::string>& files) override;
  void ShowMessage(const std::string& text) override;
  void Show() override;
  void Hide() override;

  // Window plumbing.
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateControls();
  HWND AddControl(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                  int id, int left, int top, int width, int height);
  void OnCommand(int id, int code);
  void FillList(int id, const std::vector<std::wstring>& lines, int selected);
  void Paint(HDC dc) const;
  int Px(int twips) const;

  LocatorForm* form_ = nullptr;
  HWND window_ = nullptr;
  int dpi_ = 96;
  bool shownOnce_ = false;
  UniqueHfont font_;
  UniqueHbrush blackBrush_;
};

}  // namespace cindermoor::win32
