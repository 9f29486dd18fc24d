// The main window on screen: a fixed-border window of black ground and yellow text whose
// controls mirror MainForm; user actions go to MainForm, which drives everything.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/main_form.h"
#include "ui/main_form_view.h"
#include "win32/unique_handle.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class MainWindow : public MainFormView, public TopLevelWindow {
 public:
  // onClose runs when the user closes the window from its title bar; beforeMade just before
  // the window is made.
  explicit MainWindow(
      std::function<void()> onClose, std::function<void()> beforeMade = [] {});
  ~MainWindow() { Destroy(); }

  // User actions go to the form. The window itself is made when first shown, from the
  // form's state: a start that serves a link never shows it, and starts the game sooner.
  void Connect(MainForm& form) { form_ = &form; }

  void SetText(MainControl control, const std::string& text) override;
  void SetEnabled(MainControl control, bool enabled) override;
  void SetChecked(MainControl control, bool checked) override;
  void SetVisible(MainControl control, bool visible) override;
  void SetSettingBox(size_t box, bool ticked) override;
  void ShowVoiceClient(size_t chosen, const VoiceTexts& texts) override;
  void Compact() override;
  void Show() override;
  void Hide() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void CreateFromForm();
  void CreateControls();
  HWND Control(MainControl control) const;
  void OnCommand(int id, int code);
  LRESULT OnControlColour(HDC dc, HWND control);
  void Paint(HDC dc) const override;

  std::function<void()> onClose_;
  std::function<void()> beforeMade_;
  MainForm* form_ = nullptr;
  UniqueHbrush boxBrush_;
  bool focusWaitsForPicture_ = false;  // a focused picture was hidden; see SetVisible
};

}  // namespace cindermoor::win32
