// Renders a picture into a 32-bit memory bitmap so tests can read its pixels.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "window_kit/pictures.h"

namespace cindermoor::win32::testing {

class RenderedPicture {
 public:
  RenderedPicture(Picture picture, int dpi);
  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const;
  // Rows in [top, bottom) holding a pixel in [left, right) at least as bright as minimumRed,
  // grouped into runs of consecutive rows; each run is {first row, row count}.
  std::vector<std::pair<int, int>> BrightRowRuns(int left, int right, int top, int bottom,
                                                 int minimumRed) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;
};

}  // namespace cindermoor::win32::testing
