// The quit window on screen: a borderless black window with the logo and one yellow text line
// whose click ends the run through QuitForm.
#pragma once

#include <windows.h>

#include <string>

#include "ui/quit_form.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {

class QuitWindow : public QuitFormView {
 public:
  QuitWindow() = default;
  QuitWindow(const QuitWindow&) = delete;
  QuitWindow& operator=(const QuitWindow&) = delete;
  ~QuitWindow() override;

  // Creates the window, hidden; clicks on the text line go to the form from then on.
  void Create(QuitForm& form);
  HWND Handle() const { return window_; }

  void SetCaption(const std::string& caption) override;
  void Show() override;

  // Window plumbing.
  void Attach(HWND window) { window_ = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateLabel();
  void Paint(HDC dc) const;
  int Px(int twips) const;

  QuitForm* form_ = nullptr;
  HWND window_ = nullptr;
  int dpi_ = 96;
  bool shownOnce_ = false;
  UniqueHfont font_;
  UniqueHbrush blackBrush_;
};

}  // namespace cindermoor::win32
