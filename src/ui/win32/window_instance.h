// Attaches a window's own object to its handle, so no window state lives in globals.
#pragma once

#include <windows.h>

#include <string>

namespace cindermoor::win32 {

// The window procedure of a class whose windows are owned by a T created with `this` as the
// creation parameter. T::HandleMessage gets every message from WM_NCCREATE on.
template <typename T>
LRESULT CALLBACK InstanceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<T*>(create->lpCreateParams)->Attach(window);
  }
  auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

// Stops the window's messages from reaching its object, which may be about to go.
inline void DetachInstance(HWND window) { ::SetWindowLongPtrW(window, GWLP_USERDATA, 0); }

// Registers the class once per process; later calls find it registered.
template <typename T>
void RegisterInstanceClass(const wchar_t* className, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &windowClass)) return;
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &InstanceWindowProc<T>;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = className;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  ::RegisterClassExW(&windowClass);
}

// Places a window of the given client size in the middle of the primary screen.
inline void CentreOnScreen(HWND window) {
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The screen's logical resolution: 96 unless the user chose larger text.
inline int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace cindermoor::win32
