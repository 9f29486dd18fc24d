#include "window_pixels.h"

#include "win32/unique_handle.h"

namespace cindermoor::win32::testing {

PrintedWindow::PrintedWindow(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueHdc dc(::CreateCompatibleDC(nullptr));
  UniqueHbitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    // A colour no window here uses, so unpainted parts stand out.
    RECT all{0, 0, width_, height_};
    UniqueHbrush marker(::CreateSolidBrush(RGB(1, 2, 3)));
    ::FillRect(dc.get(), &all, marker.get());
    ::SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.get()),
                   PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    ::GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    pixels_.assign(first, first + static_cast<size_t>(width_) * static_cast<size_t>(height_));
  }
}

Rgb PrintedWindow::at(int x, int y) const {
  const DWORD pixel =
      pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

int PrintedWindow::CountOf(Rgb colour, int left, int top, int right, int bottom) const {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (at(x, y) == colour) ++count;
    }
  }
  return count;
}

}  // namespace cindermoor::win32::testing
