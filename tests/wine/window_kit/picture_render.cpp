// Draws into a top-down DIB section and keeps a copy of its pixels.
#include "picture_render.h"

#include <algorithm>
#include <stdexcept>

#include "win32/unique_handle.h"
#include "window_kit/win32/picture_drawing.h"

namespace cindermoor::win32::testing {

RenderedPicture::RenderedPicture(Picture picture, int dpi) {
  const PicturePainter painter(picture, dpi);
  const SIZE size = painter.Size();
  width_ = size.cx;
  height_ = size.cy;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down: row 0 is the picture's top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueHdc dc(::CreateCompatibleDC(nullptr));
  const UniqueHbitmap bitmap(
      ::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bitmap) throw std::runtime_error("cannot make a memory bitmap");
  // Anything the drawing leaves out shows as this colour, which no picture uses.
  std::fill_n(static_cast<DWORD*>(bits), width_ * height_, 0x00ff00ff);
  {
    SelectedObject selected(dc.get(), bitmap.get());
    painter.Draw(dc.get());
    ::GdiFlush();
  }
  const auto* first = static_cast<const DWORD*>(bits);
  pixels_.assign(first, first + width_ * height_);
}

Rgb RenderedPicture::at(int x, int y) const {
  const DWORD pixel = pixels_.at(static_cast<size_t>(y) * width_ + x);
  return {static_cast<int>((pixel >> 16) & 0xff), static_cast<int>((pixel >> 8) & 0xff),
          static_cast<int>(pixel & 0xff)};
}

std::vector<std::pair<int, int>> RenderedPicture::BrightRowRuns(int left, int right, int top,
                                                                int bottom, int minimumRed) const {
  std::vector<std::pair<int, int>> runs;
  for (int y = top; y < bottom; ++y) {
    bool bright = false;
    for (int x = left; x < right && !bright; ++x) bright = at(x, y).red >= minimumRed;
    if (!bright) continue;
    if (!runs.empty() && runs.back().first + runs.back().second == y) {
      ++runs.back().second;
    } else {
      runs.push_back({y, 1});
    }
  }
  return runs;
}

}  // namespace cindermoor::win32::testing
