// The quit window on screen: a borderless black window with the logo and one yellow text line
// whose click ends the run through QuitForm.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/quit_form.h"
#include "window_kit/win32/picture_drawing.h"
#include "window_kit/win32/top_level_window.h"

namespace cindermoor::win32 {

class QuitWindow : public QuitFormView, public TopLevelWindow {
 public:
  QuitWindow() = default;
  ~QuitWindow() { Destroy(); }

  // Creates the window, hidden; clicks on the text line go to the form from then on.
  void Create(QuitForm& form);

  void SetCaption(const std::string& caption) override;
  void Show() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint(HDC dc) const override;

  QuitForm* form_ = nullptr;
  std::optional<PicturePainter> logo_;  // made with the window, at its resolution
};

}  // namespace cindermoor::win32
