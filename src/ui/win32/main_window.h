// The main window on screen: a fixed-border window of black ground and yellow text whose
// controls mirror MainForm; user actions go to MainForm, which drives everything.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/main_form.h"
#include "ui/main_form_view.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

class MainWindow : public MainFormView {
 public:
  // onClose runs when the user closes the window from its title bar.
  explicit MainWindow(std::function<void()> onClose);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  // Creates the window, hidden; user actions are routed to the form from then on.
  void Create(MainForm& form);
  HWND Handle() const { return window_; }

  void SetText(MainControl control, const std::string& text) override;
  void SetEnabled(MainControl control, bool enabled) override;
  void SetChecked(MainControl control, bool checked) override;
  void SetVisible(MainControl control, bool visible) override;
  void Compact() override;
  void Show() override;
  void Hide() override;

  // Window plumbing.
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND Control(MainControl control) const;
  void CreateControls();
  HWND AddControl(const wchar_t* className, const std::string& text, DWORD style, int id,
                  int left, int top, int width, int height);
  void OnCommand(int id, int code);
  LRESULT OnControlColour(HDC dc, HWND control);
  void Paint(HDC dc) const;
  int Px(int twips) const;

  std::function<void()> onClose_;
  MainForm* form_ = nullptr;
  HWND window_ = nullptr;
  int dpi_ = 96;
  bool shownOnce_ = false;
  UniqueHfont font_;
  UniqueHbrush blackBrush_;
  UniqueHbrush boxBrush_;
  UniqueHicon icon_;
  UniqueHicon smallIcon_;
};

}  // namespace cindermoor::win32
