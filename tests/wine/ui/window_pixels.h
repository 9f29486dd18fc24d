// Prints a window's client area (and its children's) into a memory bitmap, so tests can
// read what the window would show; and lets a window do what it posted itself before it shows.
#pragma once

#include <windows.h>

#include <vector>

#include "window_kit/pictures.h"

namespace cindermoor::win32::testing {

// What the program's message loop would do with the messages waiting for this thread.
inline void HandlePendingMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

class PrintedWindow {
 public:
  explicit PrintedWindow(HWND window);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const;
  // How many pixels in [left, right) x [top, bottom) have exactly this colour.
  int CountOf(Rgb colour, int left, int top, int right, int bottom) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};

}  // namespace cindermoor::win32::testing
