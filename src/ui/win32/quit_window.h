// The quit window on screen: a borderless black window with the logo and one yellow text line
// whose click ends the run through QuitForm.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "ui/quit_form.h"
#include "window_kit/win32/picture_drawing.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class QuitWindow : public QuitFormView, public TopLevelWindow {
 public:
  // beforeText runs just before the text line is made, which is once the first message is
  // handled.
  explicit QuitWindow(std::function<void()> beforeText = [] {})
      : beforeText_(std::move(beforeText)) {}
  ~QuitWindow() { Destroy(); }

  // Creates the window, hidden; clicks on the text line go to the form from then on. Its icons
  // and text line come with the first message handled: a served link's game starts before that.
  void Create(QuitForm& form);

  void SetCaption(const std::string& caption) override;
  void Show() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint(HDC dc) const override;
  void Complete();

  std::function<void()> beforeText_;
  QuitForm* form_ = nullptr;
  // Made at the first paint, at the window's resolution: its trial fonts would hold up the
  // game, which a served link starts before the window is painted.
  mutable std::optional<PicturePainter> logo_;
};

}  // namespace cindermoor::win32
