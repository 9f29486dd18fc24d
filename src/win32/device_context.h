// Owners for the device contexts a window lends out. Unlike the handles in unique_handle.h they
// are given back with the window they came from (and a paint DC with its PAINTSTRUCT), so
// they need an owner of their own.
#pragma once

#include <windows.h>

namespace cindermoor::win32 {

// The DC of one WM_PAINT: BeginPaint when made, EndPaint when it goes, which also marks the
// window as painted even if drawing ended early.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &paint_); }

  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};  // filled by BeginPaint, so declared before dc_
  HDC dc_;
};

// A window's client-area DC, or the screen's for a null window, from GetDC until ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace cindermoor::win32
